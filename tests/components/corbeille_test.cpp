#include "components/corbeille.h"

#include "support/bytes.h"
#include "support/environnement.h"
#include "support/petit_disque.h"
#include "support/temp_folder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

using tulvane::components::mettreALaCorbeille;
using tulvane::components::ResultatOperation;
using namespace tulvane::test;
namespace fs = std::filesystem;

namespace {

QString q(const fs::path& chemin)
{
    return QString::fromStdString(chemin.string());
}

std::vector<std::string> nomsDans(const fs::path& dossier)
{
    std::vector<std::string> noms;
    if (fs::exists(dossier))
        for (const auto& entree : fs::directory_iterator(dossier))
            noms.push_back(entree.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

std::string texteDe(const fs::path& chemin)
{
    const Bytes octets = readFile(chemin);
    return {octets.begin(), octets.end()};
}

// What another trash tool (trash-cli) reads back from the trashes: the original path of
// each file under `dossier` (other tests' disks have trashes too), one a line in order, or
// nothing when that tool is not installed.
std::optional<std::string> cheminsListesParTrashCli(const fs::path& dossier)
{
    const QString programme = QStandardPaths::findExecutable("trash-list");
    if (programme.isEmpty())
        return std::nullopt;
    // It walks every mounted disk, and can trip over one that another test unmounts
    // meanwhile: such a run is done again.
    QByteArray sortie;
    for (int essai = 0; essai < 3; ++essai) {
        QProcess liste;
        liste.start(programme, {});
        if (!liste.waitForFinished(30000))
            return "trash-list ne répond pas";
        sortie = liste.readAllStandardOutput();
        if (liste.exitStatus() == QProcess::NormalExit && liste.exitCode() == 0)
            break;
    }
    QStringList chemins;
    // "2024-05-01 12:00:00 /chemin/d'origine"
    static const QRegularExpression ligne("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d (.*)$");
    for (const QString& texte : QString::fromUtf8(sortie).split(u'\n', Qt::SkipEmptyParts))
        if (const auto trouve = ligne.match(texte); trouve.hasMatch() && trouve.captured(1).startsWith(q(dossier)))
            chemins << trouve.captured(1);
    chemins.sort();
    return chemins.join(u'\n').toStdString();
}

// The user's home, data folder and music on one small disk of their own, so that the home
// trash is on the music's file system and the disk can be made full or read-only.
class CorbeilleFreedesktop : public testing::Test {
protected:
    void SetUp() override
    {
        if (!disque_.monte())
            GTEST_SKIP() << disque_.raison();
        environnement_.definir("HOME", (disque_dossier() / "home").string());
        environnement_.definir("XDG_DATA_HOME", donnees().string());
        fs::create_directories(musique());
    }

    fs::path disque_dossier() const { return racine_ / "disque"; }
    fs::path musique() const { return disque_dossier() / "musique"; }
    fs::path donnees() const { return disque_dossier() / "home" / "donnees"; }
    fs::path corbeille() const { return donnees() / "Trash"; }

    fs::path poser(const std::string& nom, const std::string& contenu = "musique")
    {
        writeFile(musique() / nom, bytesOf(contenu));
        return musique() / nom;
    }

    TempFolder racine_;
    PetitDisque disque_{racine_ / "disque", 1024 * 1024};
    Environnement environnement_;
};

// "[Trash Info]", the path URL-escaped, the local time of the deletion.
void attendreInfo(const fs::path& info, const std::string& chemin)
{
    const std::string texte = texteDe(info);
    const std::string debut = "[Trash Info]\nPath=" + chemin + "\nDeletionDate=";
    ASSERT_EQ(texte.substr(0, debut.size()), debut);
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\n$")
                    .match(QString::fromStdString(texte.substr(debut.size())))
                    .hasMatch())
        << texte;
}

TEST_F(CorbeilleFreedesktop, TheFileGoesToTheHomeTrashWithAnInfoThatRestoresItsName)
{
    const fs::path remix = poser("Remix 100%41.mp3");
    const ResultatOperation resultat = mettreALaCorbeille(q(remix));
    ASSERT_TRUE(resultat.reussi) << resultat.message.toStdString();
    EXPECT_FALSE(fs::exists(remix));
    EXPECT_EQ(texteDe(corbeille() / "files" / "Remix 100%41.mp3"), "musique");
    attendreInfo(corbeille() / "info" / "Remix 100%41.mp3.trashinfo",
                 (musique() / "Remix%20100%2541.mp3").string());

    // A second file of that name, and a file left in the trash without its info: neither
    // is written over.
    poser("Remix 100%41.mp3", "autre");
    writeFile(corbeille() / "files" / "Seul.mp3", bytesOf("ancien"));
    const fs::path seul = poser("Seul.mp3", "nouveau");
    ASSERT_TRUE(mettreALaCorbeille(q(musique() / "Remix 100%41.mp3")).reussi);
    ASSERT_TRUE(mettreALaCorbeille(q(seul)).reussi);
    EXPECT_EQ(texteDe(corbeille() / "files" / "Remix 100%41.mp3.2"), "autre");
    EXPECT_EQ(texteDe(corbeille() / "files" / "Seul.mp3"), "ancien");
    EXPECT_EQ(texteDe(corbeille() / "files" / "Seul.mp3.2"), "nouveau");
    attendreInfo(corbeille() / "info" / "Remix 100%41.mp3.2.trashinfo",
                 (musique() / "Remix%20100%2541.mp3").string());
    EXPECT_EQ(nomsDans(corbeille() / "info"),
              (std::vector<std::string>{"Remix 100%41.mp3.2.trashinfo", "Remix 100%41.mp3.trashinfo",
                                        "Seul.mp3.2.trashinfo"}));

    if (const auto chemins = cheminsListesParTrashCli(racine_.path())) {
        const std::string remix = (musique() / "Remix 100%41.mp3").string();
        EXPECT_EQ(*chemins, remix + "\n" + remix + "\n" + (musique() / "Seul.mp3").string());
    }
}

// A name as long as the system allows still gets an info file whose name fits.
TEST_F(CorbeilleFreedesktop, ALongNameIsShortenedInTheTrashAndKeptWholeInItsInfo)
{
    std::string long_;
    for (int i = 0; i < 125; ++i)
        long_ += "\xC3\xA9";  // 250 bytes of "é"
    long_ += ".mp3";
    const fs::path fichier = poser(long_);
    const ResultatOperation resultat = mettreALaCorbeille(q(fichier));
    ASSERT_TRUE(resultat.reussi) << resultat.message.toStdString();
    const std::vector<std::string> infos = nomsDans(corbeille() / "info");
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_LE(infos[0].size(), 255u);
    EXPECT_TRUE(QString::fromStdString(infos[0]).toUtf8() == QByteArray::fromStdString(infos[0]))
        << "a character was cut in two";
    EXPECT_NE(texteDe(corbeille() / "info" / infos[0]).find("Path=" + musique().string() + "/%C3%A9"),
              std::string::npos);
}

struct CasEchec {
    const char* nom;
    const char* cause;
};

void PrintTo(const CasEchec& cas, std::ostream* sortie)
{
    *sortie << cas.nom;
}

class CorbeilleImpossible : public CorbeilleFreedesktop, public testing::WithParamInterface<CasEchec> {};

// Whatever stops the trash, the call returns at once, the file stays where it was, nothing
// is left in the trash, and the message says why.
TEST_P(CorbeilleImpossible, TheFileStaysAndTheMessageSaysWhy)
{
    const std::string cas = GetParam().nom;
    const fs::path fichier = poser("Chanson.mp3");
    std::optional<DossierLectureSeule> lectureSeule;
    if (cas == "read-only data folder") {
        fs::create_directories(donnees());
        lectureSeule.emplace(donnees());
    } else if (cas == "read-only info folder") {
        fs::create_directories(corbeille() / "files");
        fs::create_directories(corbeille() / "info");
        lectureSeule.emplace(corbeille() / "info");
    } else if (cas == "info is a file") {
        fs::create_directories(corbeille() / "files");
        writeFile(corbeille() / "info", bytesOf("x"));
    } else if (cas == "trash is a file") {
        fs::create_directories(donnees());
        writeFile(corbeille(), bytesOf("x"));
    } else if (cas == "full disk") {
        fs::create_directories(corbeille() / "files");
        fs::create_directories(corbeille() / "info");
        disque_.remplir();
    }
    if (lectureSeule && !lectureSeule->monte())
        GTEST_SKIP() << "cannot mount here";

    const ResultatOperation resultat = mettreALaCorbeille(q(fichier));
    EXPECT_FALSE(resultat.reussi);
    const QString debut = "Le fichier « " + q(fichier) + " » n'a pas pu être placé dans la corbeille.\n";
    EXPECT_TRUE(resultat.message.startsWith(debut)) << resultat.message.toStdString();
    EXPECT_TRUE(resultat.message.contains(GetParam().cause)) << resultat.message.toStdString();
    EXPECT_EQ(texteDe(fichier), "musique");
    if (fs::is_directory(corbeille())) {
        EXPECT_EQ(nomsDans(corbeille() / "files"), std::vector<std::string>{});
        if (fs::is_directory(corbeille() / "info")) {
            EXPECT_EQ(nomsDans(corbeille() / "info"), std::vector<std::string>{});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, CorbeilleImpossible,
                         testing::Values(CasEchec{"read-only data folder", "le disque est en lecture seule"},
                                         CasEchec{"read-only info folder", "le disque est en lecture seule"},
                                         CasEchec{"info is a file", "ne peut pas servir de corbeille"},
                                         CasEchec{"trash is a file", "un dossier du chemin est un fichier"},
                                         CasEchec{"full disk", "le disque est plein"}),
                         [](const testing::TestParamInfo<CasEchec>& info) {
                             std::string nom = info.param.nom;
                             std::replace(nom.begin(), nom.end(), ' ', '_');
                             std::replace(nom.begin(), nom.end(), '-', '_');
                             return nom;
                         });

// A file on another disk goes to that disk's own trash, its info path relative to the top
// of that disk; a shared ".Trash" made by the administrator (sticky) is used first.
TEST_F(CorbeilleFreedesktop, AFileOnAnotherDiskGoesToThatDisksTrash)
{
    PetitDisque autre(racine_ / "autre", 1024 * 1024);
    ASSERT_TRUE(autre.monte());
    const std::string utilisateur = std::to_string(::geteuid());
    fs::create_directories(racine_ / "autre" / "album");
    writeFile(racine_ / "autre" / "album" / "Piste 1.mp3", bytesOf("un"));
    writeFile(racine_ / "autre" / "album" / "Piste 2.mp3", bytesOf("deux"));

    ASSERT_TRUE(mettreALaCorbeille(q(racine_ / "autre" / "album" / "Piste 1.mp3")).reussi);
    const fs::path privee = racine_ / "autre" / (".Trash-" + utilisateur);
    EXPECT_EQ(texteDe(privee / "files" / "Piste 1.mp3"), "un");
    attendreInfo(privee / "info" / "Piste 1.mp3.trashinfo", "album/Piste%201.mp3");
    EXPECT_EQ(fs::status(privee).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(corbeille()));

    fs::create_directory(racine_ / "autre" / ".Trash");
    fs::permissions(racine_ / "autre" / ".Trash", fs::perms::all | fs::perms::sticky_bit);
    ASSERT_TRUE(mettreALaCorbeille(q(racine_ / "autre" / "album" / "Piste 2.mp3")).reussi);
    attendreInfo(racine_ / "autre" / ".Trash" / utilisateur / "info" / "Piste 2.mp3.trashinfo", "album/Piste%202.mp3");

    if (const auto chemins = cheminsListesParTrashCli(racine_.path())) {
        EXPECT_EQ(*chemins, (racine_ / "autre" / "album" / "Piste 1.mp3").string() + "\n"
                                + (racine_ / "autre" / "album" / "Piste 2.mp3").string());
    }
}

TEST(CorbeilleSansDisque, AMissingFileIsSaidToBeMissing)
{
    TempFolder dossier;
    for (const fs::path& chemin : {dossier / "absent.mp3", dossier / "absent" / "x.mp3", fs::path()}) {
        const ResultatOperation resultat = mettreALaCorbeille(q(chemin));
        EXPECT_FALSE(resultat.reussi);
        EXPECT_EQ(resultat.message, "Le fichier « " + q(chemin) + " » est introuvable.");
    }
}

}  // namespace
