#include "components/qt_file_work.h"
#include "components/station_cipher.h"

#include "fakes/memory_settings.h"
#include "support/bytes.h"
#include "support/case_names.h"
#include "support/environnement.h"
#include "support/petit_disque.h"
#include "support/sans_attente.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>

using namespace tulvane::components;
using tulvane::components::QtSettingsStore;
using tulvane::test::Bytes;
using tulvane::test::Environnement;
using tulvane::test::bytesOf;
using tulvane::test::MemorySettingsStore;
using tulvane::test::readFile;
using tulvane::test::TempFolder;
using tulvane::test::writeFile;

namespace {

const QString kCle = QStringLiteral("HKEY_CURRENT_USER\\Software\\Tulvane Adv 4.2\\");

QString q(const std::filesystem::path& chemin)
{
    return QString::fromStdString(chemin.string());
}

std::vector<std::string> fichiersDe(const std::filesystem::path& dossier)
{
    std::vector<std::string> noms;
    for (const auto& entree : std::filesystem::directory_iterator(dossier))
        noms.push_back(entree.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

}  // namespace

// ---- Path parts and existence

struct CasChemin {
    const char* chemin;
    const char* nom;
    const char* dossier;
};

void PrintTo(const CasChemin& c, std::ostream* os)
{
    *os << '"' << c.chemin << '"';
}

class PartiesDuChemin : public testing::TestWithParam<CasChemin> {};

TEST_P(PartiesDuChemin, NameAndFolderJoinBackToThePath)
{
    MemorySettingsStore registre;
    QtFileWork fwork(registre);
    fwork.DefinirFichier(QStringLiteral("/ailleurs/ancien.mp3"));
    const QString chemin = QString::fromUtf8(GetParam().chemin);
    fwork.DefinirFichier(chemin);
    EXPECT_EQ(fwork.NomFichier(), QString::fromUtf8(GetParam().nom));
    EXPECT_EQ(fwork.Dossier(), QString::fromUtf8(GetParam().dossier));
    EXPECT_EQ(fwork.Dossier() + fwork.NomFichier(), chemin);
}

INSTANTIATE_TEST_SUITE_P(
    FileWork, PartiesDuChemin,
    testing::Values(CasChemin{"/home/ana/Musique/titre.mp3", "titre.mp3", "/home/ana/Musique/"},
                    CasChemin{"/home/ana/Musique/sans extension", "sans extension", "/home/ana/Musique/"},
                    CasChemin{"/home/ana/archive.tar.gz", "archive.tar.gz", "/home/ana/"},
                    CasChemin{"/home/ana/.cache", ".cache", "/home/ana/"},
                    CasChemin{"/racine.mp3", "racine.mp3", "/"},
                    CasChemin{"relatif/Été à l'eau.ogg", "Été à l'eau.ogg", "relatif/"},
                    CasChemin{"titre.mp3", "titre.mp3", ""},
                    CasChemin{"/home/ana/Musique/", "", "/home/ana/Musique/"},
                    CasChemin{"", "", ""}),
    [](const auto& info) { return tulvane::test::caseName(info.param.chemin); });

TEST(FileWork, ExisteIsTrueForFilesAndLinksToFilesOnly)
{
    TempFolder dossier;
    writeFile(dossier / "titre.mp3", bytesOf("ID3"));
    std::filesystem::create_directory(dossier / "album");
    std::filesystem::create_symlink(dossier / "titre.mp3", dossier / "lien.mp3");
    std::filesystem::create_symlink(dossier / "parti.mp3", dossier / "lien_mort.mp3");

    MemorySettingsStore registre;
    QtFileWork fwork(registre);
    const std::vector<std::pair<QString, bool>> cas = {
        {q(dossier / "titre.mp3"), true},     {q(dossier / "lien.mp3"), true},
        {q(dossier / "album"), false},        {q(dossier / "album") + "/", false},
        {q(dossier / "absent.mp3"), false},   {q(dossier / "lien_mort.mp3"), false},
        {QString(), false},
    };
    for (const auto& [chemin, attendu] : cas) {
        fwork.DefinirFichier(chemin);
        EXPECT_EQ(fwork.Existe(), attendu) << chemin.toStdString();
    }
}

// ---- Settings values

TEST(FileWork, RegistryValuesRoundTripThroughTheStoreAndReadEmptyWhenMissing)
{
    MemorySettingsStore registre;
    QtFileWork fwork(registre);
    EXPECT_EQ(fwork.LireRegistre(kCle + "ListeAdresse"), "");
    EXPECT_TRUE(fwork.EcrireRegistre(kCle + "ListeAdresse", "/home/ana/liste.tvl4").reussi);
    EXPECT_TRUE(fwork.EcrireRegistre(kCle + "Radio", "-1").reussi);
    EXPECT_EQ(fwork.LireRegistre(kCle + "ListeAdresse"), "/home/ana/liste.tvl4");
    EXPECT_EQ(fwork.LireRegistre(kCle + "Radio"), "-1");
    EXPECT_EQ(fwork.LireRegistre(kCle + "ListePose"), "");
    EXPECT_EQ(registre.valeurs().firstKey(), kCle + "ListeAdresse");
}

class ReglagesQt : public testing::Test {
protected:
    void SetUp() override { environnement_.definir("XDG_CONFIG_HOME", dossier_.path().string()); }
    TempFolder dossier_;
    Environnement environnement_;
};

TEST_F(ReglagesQt, ValuesStayStringsAndLandInTheProgramsSettingsFile)
{
    const std::vector<std::pair<QString, QString>> valeurs = {
        {"ListeAdresse", "/home/ana/Mes listes/été, hiver; 1=2 \\ \"x\".tvl4"},
        {"ListePose", "0"},
        {"PremierPlan", "Vrai"},
        {"Radio", "-1"},
        {"Affichage1", "True"},
        {"Affichage2", "@Variant(1)"},
        {"Affichage3", ""},
    };
    {
        QtSettingsStore registre;
        QtFileWork fwork(registre);
        for (const auto& [nom, texte] : valeurs)
            ASSERT_TRUE(fwork.EcrireRegistre(kCle + nom, texte).reussi) << nom.toStdString();
        EXPECT_TRUE(fwork.EcrireRegistre(kCle + "Radio", "3").reussi);
    }
    QtSettingsStore registre;
    QtFileWork fwork(registre);
    for (const auto& [nom, texte] : valeurs)
        EXPECT_EQ(fwork.LireRegistre(kCle + nom), nom == "Radio" ? QString("3") : texte) << nom.toStdString();
    EXPECT_EQ(fwork.LireRegistre(kCle + "JamaisEcrit"), "");

    const QString fichier = q(dossier_ / "Tulvane Adv 4.2.conf");
    ASSERT_TRUE(QFile::exists(fichier));
    EXPECT_EQ(QSettings(fichier, QSettings::IniFormat).value("ListePose").toString(), "0");
}

TEST_F(ReglagesQt, PathsOutsideTheUsersSoftwareKeyAreRefused)
{
    QtSettingsStore registre;
    QtFileWork fwork(registre);
    for (const QString& chemin : {QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Tulvane Adv 4.2\\Radio"),
                                  QStringLiteral("HKEY_CURRENT_USER\\Tulvane Adv 4.2\\Radio"),
                                  QStringLiteral("Radio"), kCle}) {
        const auto resultat = fwork.EcrireRegistre(chemin, "1");
        EXPECT_FALSE(resultat.reussi) << chemin.toStdString();
        EXPECT_TRUE(resultat.message.startsWith("Impossible d'enregistrer le réglage"));
        EXPECT_EQ(fwork.LireRegistre(chemin), "");
    }
    EXPECT_TRUE(fichiersDe(dossier_.path()).empty());
}

TEST_F(ReglagesQt, AWriteThatCannotReachTheDiskIsReported)
{
    // A file where the settings folder should be: no one can create the settings file.
    writeFile(dossier_ / "pas_un_dossier", bytesOf("x"));
    environnement_.definir("XDG_CONFIG_HOME", (dossier_ / "pas_un_dossier").string());
    QtSettingsStore registre;
    QtFileWork fwork(registre);
    EXPECT_FALSE(fwork.EcrireRegistre(kCle + "Radio", "2").reussi);
}

namespace {

const std::vector<std::pair<QString, QString>> kSeptValeurs = {
    {"ListeAdresse", "/home/ana/Mes listes/été.tvl4"},
    {"ListePose", "12"},
    {"PremierPlan", "Vrai"},
    {"Radio", "3"},
    {"Affichage1", "Vrai"},
    {"Affichage2", "Faux"},
    {"Affichage3", "Vrai"},
};

}  // namespace

// A file left by a version that wrote through QSettings reads as it did; writing back the
// same values gives the same bytes, and a new value keeps the others.
TEST_F(ReglagesQt, AFileWrittenByQSettingsReadsAndIsRewrittenTheSame)
{
    const QString fichier = q(dossier_ / "Tulvane Adv 4.2.conf");
    {
        QSettings ancien(fichier, QSettings::IniFormat);
        for (const auto& [nom, texte] : kSeptValeurs)
            ancien.setValue(nom, texte);
    }
    const Bytes octets = readFile(dossier_ / "Tulvane Adv 4.2.conf");
    QtSettingsStore registre;
    for (const auto& [nom, texte] : kSeptValeurs)
        EXPECT_EQ(registre.lireValeur(kCle + nom), texte) << nom.toStdString();
    ASSERT_TRUE(registre.ecrireValeur(kCle + "Radio", "3"));
    EXPECT_EQ(readFile(dossier_ / "Tulvane Adv 4.2.conf"), octets);

    ASSERT_TRUE(registre.ecrireValeur(kCle + "Radio", "-1"));
    EXPECT_EQ(registre.lireValeur(kCle + "Radio"), "-1");
    EXPECT_EQ(registre.lireValeur(kCle + "ListeAdresse"), "/home/ana/Mes listes/été.tvl4");
}

// With one free page the seven values are written (QSettings left an empty file there); on a
// full disk the write fails and the old file stays whole.
TEST_F(ReglagesQt, ANearlyFullDiskNeverEmptiesTheSettingsFile)
{
    tulvane::test::PetitDisque petit(dossier_ / "disque", 64 * 1024);
    if (!petit.monte())
        GTEST_SKIP() << petit.raison();
    environnement_.definir("XDG_CONFIG_HOME", (dossier_ / "disque").string());
    const auto fichier = dossier_ / "disque" / "Tulvane Adv 4.2.conf";
    QtSettingsStore registre;
    for (const auto& [nom, texte] : kSeptValeurs)
        ASSERT_TRUE(registre.ecrireValeur(kCle + nom, texte == "Vrai" ? "Faux" : texte));

    petit.remplir(4096);
    for (const auto& [nom, texte] : kSeptValeurs)
        EXPECT_TRUE(registre.ecrireValeur(kCle + nom, texte)) << nom.toStdString();
    const Bytes ecrits = readFile(fichier);
    for (const auto& [nom, texte] : kSeptValeurs)
        EXPECT_EQ(registre.lireValeur(kCle + nom), texte) << nom.toStdString();

    petit.remplir();
    EXPECT_FALSE(registre.ecrireValeur(kCle + "Radio", "4"));
    EXPECT_EQ(readFile(fichier), ecrits);
    EXPECT_EQ(fichiersDe(dossier_ / "disque"), (std::vector<std::string>{"Tulvane Adv 4.2.conf", "remplissage"}));
}

// A named pipe where the settings file should be is neither waited on nor replaced.
TEST_F(ReglagesQt, ASettingsFileThatIsNotARegularFileIsLeftAlone)
{
    const auto fifo = dossier_ / "Tulvane Adv 4.2.conf";
    tulvane::test::creerFifo(fifo);
    QtSettingsStore registre;
    QString lu = "pas lu";
    bool ecrit = true;
    EXPECT_TRUE(tulvane::test::revientSansAttendre(fifo, [&] {
        lu = registre.lireValeur(kCle + "Radio");
        ecrit = registre.ecrireValeur(kCle + "Radio", "2");
    }));
    EXPECT_EQ(lu, "");
    EXPECT_FALSE(ecrit);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// ---- Download

namespace {

// Answers every request with the same raw bytes (status line, headers, body), or never
// answers when they are empty.
class ServeurHttp {
public:
    explicit ServeurHttp(QByteArray reponse) : reponse_(std::move(reponse))
    {
        serveur_.listen(QHostAddress::LocalHost);
        QObject::connect(&serveur_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* client = serveur_.nextPendingConnection()) {
                QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                    recu_ += client->readAll();
                    if (!recu_.contains("\r\n\r\n") || reponse_.isEmpty())
                        return;
                    client->write(reponse_);
                    client->disconnectFromHost();
                });
                QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
            }
        });
    }

    QString adresse() const
    {
        return QStringLiteral("http://127.0.0.1:%1/stations_radio_tulvane.txt").arg(serveur_.serverPort());
    }
    const QByteArray& recu() const { return recu_; }

private:
    QTcpServer serveur_;
    QByteArray reponse_;
    QByteArray recu_;
};

QByteArray reponseHttp(const QByteArray& statut, const QByteArray& corps, qsizetype longueurAnnoncee = -1)
{
    return "HTTP/1.1 " + statut + "\r\nContent-Type: application/octet-stream\r\nContent-Length: "
        + QByteArray::number(longueurAnnoncee < 0 ? corps.size() : longueurAnnoncee) + "\r\nConnection: close\r\n\r\n"
        + corps;
}

quint16 portFerme()
{
    QTcpServer serveur;
    serveur.listen(QHostAddress::LocalHost);
    return serveur.serverPort();
}

}  // namespace

class Telechargement : public testing::Test {
protected:
    Telechargement() { writeFile(cible_, bytesOf("ancienne liste")); }

    void attendreEchec(const ResultatOperation& resultat, const char* raison)
    {
        EXPECT_FALSE(resultat.reussi);
        EXPECT_TRUE(resultat.message.startsWith("Le téléchargement de « ")) << resultat.message.toStdString();
        EXPECT_TRUE(resultat.message.contains(QString::fromUtf8(raison))) << resultat.message.toStdString();
        EXPECT_EQ(readFile(cible_), bytesOf("ancienne liste"));
        EXPECT_EQ(fichiersDe(dossier_.path()), std::vector<std::string>{"Radios.sys"});
    }

    TempFolder dossier_;
    std::filesystem::path cible_ = dossier_ / "Radios.sys";
    MemorySettingsStore registre_;
    QtFileWork fwork_{registre_, Bureau::systeme(), std::chrono::seconds(10)};
};

TEST_F(Telechargement, ASuccessfulAnswerReplacesTheFile)
{
    const QByteArray corps("TVRS\x01\x00\xff nouvelle liste", 21);
    ServeurHttp serveur(reponseHttp("200 OK", corps));
    const auto resultat = fwork_.Telecharger(serveur.adresse(), q(cible_));
    EXPECT_TRUE(resultat.reussi) << resultat.message.toStdString();
    EXPECT_EQ(readFile(cible_), Bytes(corps.begin(), corps.end()));
    EXPECT_TRUE(serveur.recu().startsWith("GET /stations_radio_tulvane.txt HTTP/1.1\r\n"));
    EXPECT_EQ(fichiersDe(dossier_.path()), std::vector<std::string>{"Radios.sys"});
}

TEST_F(Telechargement, ADownloadIntoANewFileCreatesIt)
{
    ServeurHttp serveur(reponseHttp("200 OK", "liste"));
    const auto nouveau = dossier_ / "nouveau.sys";
    EXPECT_TRUE(fwork_.Telecharger(serveur.adresse(), q(nouveau)).reussi);
    EXPECT_EQ(readFile(nouveau), bytesOf("liste"));
}

TEST_F(Telechargement, NotFoundKeepsTheOldFile)
{
    ServeurHttp serveur(reponseHttp("404 Not Found", "<html>introuvable</html>"));
    attendreEchec(fwork_.Telecharger(serveur.adresse(), q(cible_)), "erreur HTTP 404");
}

TEST_F(Telechargement, ServerErrorKeepsTheOldFile)
{
    ServeurHttp serveur(reponseHttp("500 Internal Server Error", "panne"));
    attendreEchec(fwork_.Telecharger(serveur.adresse(), q(cible_)), "erreur HTTP 500");
}

TEST_F(Telechargement, RefusedConnectionKeepsTheOldFile)
{
    const QString adresse = QStringLiteral("http://127.0.0.1:%1/stations_radio_tulvane.txt").arg(portFerme());
    attendreEchec(fwork_.Telecharger(adresse, q(cible_)), "refusé la connexion");
}

TEST_F(Telechargement, AnAnswerCutShortKeepsTheOldFile)
{
    ServeurHttp serveur(reponseHttp("200 OK", "le début seul", 5000));
    attendreEchec(fwork_.Telecharger(serveur.adresse(), q(cible_)), "");
}

TEST_F(Telechargement, AServerThatNeverAnswersIsGivenUpAfterTheDelay)
{
    ServeurHttp serveur{QByteArray()};
    QtFileWork fwork(registre_, Bureau::systeme(), std::chrono::milliseconds(200));
    attendreEchec(fwork.Telecharger(serveur.adresse(), q(cible_)), "n'a pas répondu");
}

TEST_F(Telechargement, AddressesThatAreNotWebAddressesAreRefused)
{
    for (const char* adresse : {"ftp://127.0.0.1/liste", "stations_radio_tulvane.txt", "http://", ""})
        attendreEchec(fwork_.Telecharger(QString::fromUtf8(adresse), q(cible_)), "pas une adresse web");
}

TEST_F(Telechargement, AFolderThatCannotBeWrittenIsReportedBeforeAnyRequest)
{
    ServeurHttp serveur(reponseHttp("200 OK", "liste"));
    const auto cible = dossier_ / "absent" / "Radios.sys";
    const auto resultat = fwork_.Telecharger(serveur.adresse(), q(cible));
    EXPECT_FALSE(resultat.reussi);
    EXPECT_EQ(resultat.message.toStdString(),
              "Impossible d'enregistrer le fichier '" + cible.string() + "' : le dossier n'existe pas.");
    EXPECT_TRUE(serveur.recu().isEmpty());
}

// The answer is held in memory until it is written: a server sending more than any station
// list is cut off.
TEST_F(Telechargement, AnAnswerLargerThanAnyStationListIsRefused)
{
    ServeurHttp serveur(reponseHttp("200 OK", QByteArray(static_cast<qsizetype>(kTailleMaxTexteRadios) + 1024, 'x')));
    attendreEchec(fwork_.Telecharger(serveur.adresse(), q(cible_)), "trop grande");
}

TEST_F(Telechargement, AFullDiskKeepsTheOldFileAndSaysSo)
{
    const auto disque = dossier_ / "disque";
    tulvane::test::PetitDisque petit(disque, 64 * 1024);
    if (!petit.monte())
        GTEST_SKIP() << petit.raison();
    writeFile(disque / "Radios.sys", bytesOf("ancienne liste"));
    petit.remplir();
    ServeurHttp serveur(reponseHttp("200 OK", "nouvelle liste"));
    const auto resultat = fwork_.Telecharger(serveur.adresse(), q(disque / "Radios.sys"));
    EXPECT_EQ(resultat.message.toStdString(),
              "Impossible d'enregistrer le fichier '" + (disque / "Radios.sys").string() + "' : le disque est plein.");
    EXPECT_EQ(readFile(disque / "Radios.sys"), bytesOf("ancienne liste"));
    EXPECT_EQ(fichiersDe(disque), (std::vector<std::string>{"Radios.sys", "remplissage"}));
}

// ---- Recycle bin

TEST(FileWork, SupprimerCorbeilleMovesTheFileIntoTheUsersTrash)
{
    TempFolder dossier;
    Environnement environnement;
    // The data folder does not exist yet: it must be made rather than trashing elsewhere.
    const auto donnees = dossier / "donnees";
    environnement.definir("HOME", dossier.path().string());
    environnement.definir("XDG_DATA_HOME", donnees.string());
    const auto fichier = dossier / "Chanson à jeter.mp3";
    writeFile(fichier, bytesOf("musique"));

    MemorySettingsStore registre;
    QtFileWork fwork(registre);
    const auto resultat = fwork.SupprimerCorbeille(q(fichier));
    ASSERT_TRUE(resultat.reussi) << resultat.message.toStdString();
    EXPECT_FALSE(std::filesystem::exists(fichier));
    EXPECT_EQ(readFile(donnees / "Trash" / "files" / "Chanson à jeter.mp3"), bytesOf("musique"));
    EXPECT_TRUE(std::filesystem::exists(donnees / "Trash" / "info" / "Chanson à jeter.mp3.trashinfo"));

    const auto absent = fwork.SupprimerCorbeille(q(fichier));
    EXPECT_FALSE(absent.reussi);
    EXPECT_TRUE(absent.message.contains("introuvable"));
}

// ---- Station list cipher

namespace {

const std::vector<EntreeRadio> kDeuxStations = {
    {"Radio Été", "http://flux.exemple/ete-128.mp3", "http://flux.exemple/ete-64.mp3"},
    {"Jazz & Blues", "https://jazz.exemple:8000/live", "https://jazz.exemple:8000/live"},
};

std::span<const std::uint8_t> vue(const Bytes& octets)
{
    return {octets.data(), octets.size()};
}

Bytes chiffre(const std::vector<EntreeRadio>& stations = kDeuxStations)
{
    return chiffrerListeRadios(stations, kCleListeRadios);
}

}  // namespace

TEST(ChiffreRadios, RoundTripGivesTheStationsBackAndHidesTheirText)
{
    const Bytes octets = chiffre();
    const auto liste = dechiffrerListeRadios(vue(octets), kCleListeRadios);
    ASSERT_EQ(liste.erreur, ErreurListeRadios::aucune);
    EXPECT_EQ(liste.stations, kDeuxStations);
    const std::string brut(octets.begin(), octets.end());
    EXPECT_EQ(brut.find("flux.exemple"), std::string::npos);
    EXPECT_EQ(brut.find("Jazz"), std::string::npos);

    const auto vide = dechiffrerListeRadios(vue(chiffre({})), kCleListeRadios);
    EXPECT_EQ(vide.erreur, ErreurListeRadios::aucune);
    EXPECT_TRUE(vide.stations.empty());
}

TEST(ChiffreRadios, TheStoredFormIsStable)
{
    // A change here makes every shipped and downloaded "Radios.sys" unreadable.
    const Bytes attendu = tulvane::test::bytes({
        0x54, 0x56, 0x52, 0x53, 0x01, 0x1b, 0x76, 0xd4, 0x5c, 0x09, 0x00, 0x00, 0x00, 0x99, 0xbf, 0x0b,
        0x80, 0x07, 0x2c, 0x85, 0xc9, 0xf4, 0x8a, 0xbf, 0x8c, 0x3f,
    });
    EXPECT_EQ(chiffre({{"A", "b", "c"}}), attendu);
}

TEST(ChiffreRadios, AnotherKeyIsDetected)
{
    const Bytes octets = chiffre();
    for (std::string_view cle : {"###mix-KoravelDistantHarborSonG###", "", "###"}) {
        const auto liste = dechiffrerListeRadios(vue(octets), cle);
        EXPECT_EQ(liste.erreur, ErreurListeRadios::cleIncorrecte) << cle;
        EXPECT_TRUE(liste.stations.empty());
    }
}

TEST(ChiffreRadios, DamagedInputIsRejectedWithItsReason)
{
    const Bytes bon = chiffre();
    const auto modifie = [&bon](auto changer) {
        Bytes b = bon;
        changer(b);
        return b;
    };
    const std::vector<std::pair<Bytes, ErreurListeRadios>> cas = {
        {{}, ErreurListeRadios::tronquee},
        {bytesOf("TVR"), ErreurListeRadios::tronquee},
        {Bytes(bon.begin(), bon.begin() + 12), ErreurListeRadios::tronquee},
        {Bytes(bon.begin(), bon.end() - 1), ErreurListeRadios::tronquee},
        {bytesOf("Radio Été\r\nhttp://flux.exemple/ete.mp3\r\nhttp://flux.exemple/ete.mp3\r\n"),
         ErreurListeRadios::pasUneListe},
        {bytesOf("<html><body>404</body></html>"), ErreurListeRadios::pasUneListe},
        {modifie([](Bytes& b) { b[4] = 2; }), ErreurListeRadios::versionInconnue},
        {modifie([](Bytes& b) { b[5] ^= 1; }), ErreurListeRadios::cleIncorrecte},
        {modifie([](Bytes& b) { b[9] = b[10] = b[11] = b[12] = 0xff; }), ErreurListeRadios::tropGrande},
        {modifie([](Bytes& b) { b[9] += 1; }), ErreurListeRadios::tronquee},
        {modifie([](Bytes& b) { b[9] -= 1; }), ErreurListeRadios::alteree},
        {modifie([](Bytes& b) { b.push_back(0); }), ErreurListeRadios::alteree},
        {modifie([](Bytes& b) { b[20] ^= 0x40; }), ErreurListeRadios::alteree},
        {modifie([](Bytes& b) { b.back() ^= 0x01; }), ErreurListeRadios::alteree},
        {chiffre({{"\xff\xfe", "a", "b"}}), ErreurListeRadios::texteInvalide},
        {chiffre({{"", "a", "b"}}), ErreurListeRadios::texteInvalide},
        {chiffre({{"Nom\rcache", "a", "b"}}), ErreurListeRadios::texteInvalide},
    };
    for (std::size_t i = 0; i < cas.size(); ++i) {
        const auto liste = dechiffrerListeRadios(vue(cas[i].first), kCleListeRadios);
        EXPECT_EQ(liste.erreur, cas[i].second) << "cas " << i;
        EXPECT_TRUE(liste.stations.empty()) << "cas " << i;
        EXPECT_FALSE(messageErreurRadios(liste.erreur).empty());
    }
}

TEST(ChiffreRadios, EveryShorterPrefixIsRefused)
{
    const Bytes bon = chiffre();
    for (std::size_t n = 0; n < bon.size(); ++n)
        EXPECT_NE(dechiffrerListeRadios(vue(bon).first(n), kCleListeRadios).erreur, ErreurListeRadios::aucune) << n;
}

struct CasTroisLignes {
    const char* nom;
    const char* texte;
    std::size_t stations;
    std::size_t ligneFautive;
};

void PrintTo(const CasTroisLignes& c, std::ostream* os)
{
    *os << testing::PrintToString(std::string(c.texte));
}

class TroisLignes : public testing::TestWithParam<CasTroisLignes> {};

TEST_P(TroisLignes, ReadsWholeStationsOrNamesTheFaultyLine)
{
    const auto lecture = lireTroisLignes(GetParam().texte);
    EXPECT_EQ(lecture.ligneFautive, GetParam().ligneFautive);
    EXPECT_EQ(lecture.stations.size(), GetParam().stations);
}

INSTANTIATE_TEST_SUITE_P(
    ChiffreRadios, TroisLignes,
    testing::Values(CasTroisLignes{"empty", "", 0, 0},
                    CasTroisLignes{"oneStation", "A\r\na1\r\na2\r\n", 1, 0},
                    CasTroisLignes{"mixedLineEnds", "A\na1\na2\nB\r\nb1\r\nb2", 2, 0},
                    CasTroisLignes{"emptyLinesAtTheEnd", "A\na1\na2\n\n\r\n", 1, 0},
                    CasTroisLignes{"stationCutShort", "A\na1\na2\nB\nb1\n", 0, 6},
                    CasTroisLignes{"emptyLineBetween", "A\na1\na2\n\nB\nb1\nb2\n", 0, 4},
                    CasTroisLignes{"tabInAnAddress", "A\na1\ta\na2\n", 0, 2},
                    CasTroisLignes{"crOnlyLineEnds", "A\ra1\ra2\rB\rb1\rb2\r", 2, 0},
                    CasTroisLignes{"carriageReturnInAnAddress", "A\na1\r\ra\na2\n", 0, 3}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(ChiffreRadios, ThreeLineTextEndsEveryLineWithCrLf)
{
    EXPECT_EQ(ecrireTroisLignes(kDeuxStations),
              "Radio Été\r\nhttp://flux.exemple/ete-128.mp3\r\nhttp://flux.exemple/ete-64.mp3\r\n"
              "Jazz & Blues\r\nhttps://jazz.exemple:8000/live\r\nhttps://jazz.exemple:8000/live\r\n");
}

class DecodageRadios : public testing::Test {
protected:
    TempFolder dossier_;
    std::filesystem::path sys_ = dossier_ / "Radios.sys";
    std::filesystem::path tmp_ = dossier_ / "Radios.tmp";
    MemorySettingsStore registre_;
    QtFileWork fwork_{registre_};
    const QString cle_ = QString::fromUtf8(kCleListeRadios.data(), static_cast<qsizetype>(kCleListeRadios.size()));
};

TEST_F(DecodageRadios, WritesTheThreeLineForm)
{
    writeFile(sys_, chiffre());
    const auto resultat = fwork_.DecoderFichier(1, q(sys_), q(tmp_), cle_);
    ASSERT_TRUE(resultat.reussi) << resultat.message.toStdString();
    EXPECT_EQ(readFile(tmp_), bytesOf(ecrireTroisLignes(kDeuxStations)));
}

TEST_F(DecodageRadios, FailuresLeaveTheTargetAsItWas)
{
    writeFile(sys_, chiffre());
    writeFile(tmp_, bytesOf("ancien"));
    const auto ecarter = [](const ResultatOperation& r, const char* mot) {
        EXPECT_FALSE(r.reussi);
        EXPECT_TRUE(r.message.contains(QString::fromUtf8(mot))) << r.message.toStdString();
    };
    ecarter(fwork_.DecoderFichier(1, q(sys_), q(tmp_), "###autre clé###"), "La clé ne correspond pas");
    ecarter(fwork_.DecoderFichier(2, q(sys_), q(tmp_), cle_), "Mode de décodage inconnu");
    ecarter(fwork_.DecoderFichier(1, q(dossier_ / "absent.sys"), q(tmp_), cle_), "introuvable");
    const Bytes bon = chiffre();
    writeFile(sys_, Bytes(bon.begin(), bon.begin() + 20));
    ecarter(fwork_.DecoderFichier(1, q(sys_), q(tmp_), cle_), "incomplète");
    EXPECT_EQ(readFile(tmp_), bytesOf("ancien"));

    writeFile(sys_, bon);
    ecarter(fwork_.DecoderFichier(1, q(sys_), q(dossier_ / "absent" / "Radios.tmp"), cle_),
            "le dossier n'existe pas");
}

TEST_F(DecodageRadios, AFullDiskKeepsTheOldListAndSaysSo)
{
    const auto disque = dossier_ / "disque";
    tulvane::test::PetitDisque petit(disque, 64 * 1024);
    if (!petit.monte())
        GTEST_SKIP() << petit.raison();
    writeFile(sys_, chiffre());
    writeFile(disque / "Radios.tmp", bytesOf("ancien"));
    petit.remplir();
    const auto resultat = fwork_.DecoderFichier(1, q(sys_), q(disque / "Radios.tmp"), cle_);
    EXPECT_EQ(resultat.message.toStdString(),
              "Impossible d'enregistrer le fichier '" + (disque / "Radios.tmp").string() + "' : le disque est plein.");
    EXPECT_EQ(readFile(disque / "Radios.tmp"), bytesOf("ancien"));
    EXPECT_EQ(fichiersDe(disque), (std::vector<std::string>{"Radios.tmp", "remplissage"}));
}

// A named pipe or a device in place of the stored list is refused at once.
TEST_F(DecodageRadios, OnlyARegularFileIsReadAsTheStoredList)
{
    tulvane::test::creerFifo(sys_);
    for (const std::filesystem::path& source : {sys_, std::filesystem::path("/dev/zero")}) {
        ResultatOperation resultat;
        EXPECT_TRUE(tulvane::test::revientSansAttendre(
            sys_, [&] { resultat = fwork_.DecoderFichier(1, q(source), q(tmp_), cle_); }));
        EXPECT_EQ(resultat.message.toStdString(),
                  "La liste des radios « " + source.string() + " » est introuvable ou illisible.");
        EXPECT_FALSE(std::filesystem::exists(tmp_));
    }
}

TEST_F(DecodageRadios, TheShippedListHoldsRealStations)
{
    // The build puts it in the program's folder, beside the tests' folder.
    const QString livre = QCoreApplication::applicationDirPath() + "/../bin/Radios.sys";
    ASSERT_TRUE(QFile::exists(livre)) << livre.toStdString();
    ASSERT_TRUE(fwork_.DecoderFichier(1, livre, q(tmp_), cle_).reussi);
    const Bytes texte = readFile(tmp_);
    const auto lecture = lireTroisLignes(std::string(texte.begin(), texte.end()));
    ASSERT_TRUE(lecture.valide());
    EXPECT_GE(lecture.stations.size(), 5u);
    EXPECT_LE(lecture.stations.size(), 8u);
    for (const auto& s : lecture.stations) {
        EXPECT_TRUE(s.canal1.starts_with("http")) << s.nom;
        EXPECT_TRUE(s.canal2.starts_with("http")) << s.nom;
    }
}

namespace {

struct SortieOutil {
    int code;
    QString erreurs;
};

SortieOutil chiffrerRadios(const QStringList& arguments)
{
    QProcess outil;
    outil.start(QCoreApplication::applicationDirPath() + "/../tools/chiffrer_radios", arguments);
    EXPECT_TRUE(outil.waitForFinished(30000));
    return {outil.exitCode(), QString::fromUtf8(outil.readAllStandardError())};
}

}  // namespace

TEST_F(DecodageRadios, TheToolReadsWindowsTextsWithOrWithoutMarkAndRefusesBrokenLists)
{
    const auto txt = dossier_ / "Radios.txt";
    // Windows-1252 "Radio Été", then a UTF-8 file with a byte-order mark.
    writeFile(txt, bytesOf("Radio \xc9t\xe9\r\nhttp://a/1\r\nhttp://a/2\r\n"));
    ASSERT_EQ(chiffrerRadios({q(txt), q(sys_)}).code, 0);
    ASSERT_TRUE(fwork_.DecoderFichier(1, q(sys_), q(tmp_), cle_).reussi);
    EXPECT_EQ(readFile(tmp_), bytesOf("Radio Été\r\nhttp://a/1\r\nhttp://a/2\r\n"));

    writeFile(txt, bytesOf("\xEF\xBB\xBFRadio Été\nhttp://a/1\nhttp://a/2\n"));
    ASSERT_EQ(chiffrerRadios({q(txt), q(sys_)}).code, 0);
    ASSERT_TRUE(fwork_.DecoderFichier(1, q(sys_), q(tmp_), cle_).reussi);
    EXPECT_EQ(readFile(tmp_), bytesOf("Radio Été\r\nhttp://a/1\r\nhttp://a/2\r\n"));

    const Bytes avant = readFile(sys_);
    writeFile(txt, bytesOf("Radio\nhttp://a/1\nhttp://a/2\nSeule\nhttp://b/1\n"));
    const auto incomplete = chiffrerRadios({q(txt), q(sys_)});
    EXPECT_EQ(incomplete.code, 1);
    EXPECT_TRUE(incomplete.erreurs.contains("ligne 6")) << incomplete.erreurs.toStdString();
    EXPECT_EQ(readFile(sys_), avant);
    EXPECT_EQ(fichiersDe(dossier_.path()), (std::vector<std::string>{"Radios.sys", "Radios.tmp", "Radios.txt"}));

    const auto usage = chiffrerRadios({});
    EXPECT_EQ(usage.code, 2);
    EXPECT_TRUE(usage.erreurs.startsWith("Usage : chiffrer_radios"));
}

// ---- Starting programs

namespace {

struct BureauFactice {
    std::set<QString> installes;
    std::set<QString> refuses;
    std::vector<std::pair<QString, QStringList>> demarres;
    std::vector<QUrl> ouverts;
    QString navigateur;  // the default browser's desktop entry

    Bureau bureau()
    {
        return {
            [this](const QString& p) { return installes.contains(p) ? "/usr/bin/" + p : QString(); },
            [this](const QString& chemin, const QStringList& arguments) {
                demarres.push_back({chemin, arguments});
                return !refuses.contains(chemin);
            },
            [this](const QUrl& adresse) {
                ouverts.push_back(adresse);
                return true;
            },
            [this] { return navigateur; },
        };
    }
};

}  // namespace

TEST(FileWork, Sndvol32StartsTheFirstVolumeControlThatIsInstalled)
{
    struct Cas {
        std::set<QString> installes;
        std::set<QString> refuses;
        QString demarre;  // "" when none may start
        QStringList arguments;
    };
    const std::vector<Cas> cas = {
        {{"pavucontrol", "gnome-control-center"}, {}, "/usr/bin/pavucontrol", {}},
        {{"gnome-control-center", "mate-volume-control"}, {}, "/usr/bin/gnome-control-center", {"sound"}},
        {{"kcmshell6", "kcmshell5"}, {}, "/usr/bin/kcmshell6", {"kcm_pulseaudio"}},
        {{"pavucontrol", "pavucontrol-qt"}, {"/usr/bin/pavucontrol"}, "/usr/bin/pavucontrol-qt", {}},
    };
    for (const auto& c : cas) {
        BureauFactice factice{c.installes, c.refuses, {}, {}, {}};
        MemorySettingsStore registre;
        QtFileWork fwork(registre, factice.bureau());
        const auto resultat = fwork.Lancer("sndvol32", 1);
        EXPECT_TRUE(resultat.reussi) << c.demarre.toStdString();
        ASSERT_FALSE(factice.demarres.empty());
        EXPECT_EQ(factice.demarres.back(), std::make_pair(c.demarre, c.arguments));
        EXPECT_TRUE(factice.ouverts.empty());
    }
}

TEST(FileWork, Sndvol32WithoutAnyVolumeControlSaysWhatToInstall)
{
    BureauFactice factice;
    MemorySettingsStore registre;
    QtFileWork fwork(registre, factice.bureau());
    const auto resultat = fwork.Lancer("SNDVOL32.EXE", 1);
    EXPECT_FALSE(resultat.reussi);
    EXPECT_EQ(resultat.message,
              "Aucun contrôleur de volume n'est installé.\nInstallez par exemple le programme « pavucontrol ».");
    EXPECT_TRUE(factice.demarres.empty());

    factice.installes = {"pavucontrol"};
    factice.refuses = {"/usr/bin/pavucontrol"};
    EXPECT_EQ(fwork.Lancer("sndvol32", 1).message, "Le contrôleur de volume n'a pas pu être démarré.");
}

TEST(FileWork, WebAddressesOpenInTheBrowserAndOtherNamesStartThatProgram)
{
    BureauFactice factice;
    factice.installes = {"vlc"};
    MemorySettingsStore registre;
    QtFileWork fwork(registre, factice.bureau());
    EXPECT_TRUE(fwork.Lancer("http://www.tulvane.exemple/support/", 3).reussi);
    EXPECT_TRUE(fwork.Lancer("www.tulvane.exemple", 3).reussi);
    ASSERT_EQ(factice.ouverts.size(), 2u);
    EXPECT_EQ(factice.ouverts[0], QUrl("http://www.tulvane.exemple/support/"));
    EXPECT_EQ(factice.ouverts[1].host(), "www.tulvane.exemple");

    EXPECT_TRUE(fwork.Lancer("vlc", 1).reussi);
    const auto absent = fwork.Lancer("introuvable", 1);
    EXPECT_FALSE(absent.reussi);
    EXPECT_EQ(absent.message, "Le programme « introuvable » est introuvable.");
    ASSERT_EQ(factice.demarres.size(), 1u);
    EXPECT_EQ(factice.demarres[0].first, "/usr/bin/vlc");
}

TEST(FileWork, AMaximisedPageOpensMaximisedWhereTheBrowserCanBeAsked)
{
    struct Cas {
        QString navigateur;
        int style;
        QString demarre;  // "" when the desktop opens the address its own way
    };
    const std::vector<Cas> cas = {
        {"chromium.desktop", 3, "/usr/bin/chromium"},
        {"google-chrome.desktop", 3, "/usr/bin/google-chrome"},
        {"chromium.desktop", 1, ""},                // a normal window: the desktop's way
        {"firefox-esr.desktop", 3, ""},             // no option to ask it
        {"", 3, ""},                                // the desktop does not say
        {"brave-browser.desktop", 3, ""},          // not installed
    };
    for (const auto& c : cas) {
        BureauFactice factice;
        factice.navigateur = c.navigateur;
        factice.installes = {"chromium", "google-chrome", "firefox-esr"};
        MemorySettingsStore registre;
        QtFileWork fwork(registre, factice.bureau());
        EXPECT_TRUE(fwork.Lancer("https://www.tulvane.exemple/support", c.style).reussi);
        if (c.demarre.isEmpty()) {
            EXPECT_TRUE(factice.demarres.empty()) << c.navigateur.toStdString();
            EXPECT_EQ(factice.ouverts, std::vector<QUrl>{QUrl("https://www.tulvane.exemple/support")});
        } else {
            EXPECT_EQ(factice.demarres, (std::vector<std::pair<QString, QStringList>>{
                                            {c.demarre, {"--start-maximized", "https://www.tulvane.exemple/support"}}}));
            EXPECT_TRUE(factice.ouverts.empty());
        }
    }

    // A browser that cannot be started leaves the address to the desktop.
    BureauFactice factice;
    factice.navigateur = "chromium.desktop";
    factice.installes = {"chromium"};
    factice.refuses = {"/usr/bin/chromium"};
    MemorySettingsStore registre;
    QtFileWork fwork(registre, factice.bureau());
    EXPECT_TRUE(fwork.Lancer("https://www.tulvane.exemple/support", 3).reussi);
    EXPECT_EQ(factice.ouverts.size(), 1u);
}
