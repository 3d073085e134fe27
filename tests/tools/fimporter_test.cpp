// The disk walk and the import dialog.
#include "tools/fimporter.h"
#include "tools/parcours_disque.h"

#include "outils_test.h"
#include "playlist/extensions.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

using namespace tulvane;
namespace fs = std::filesystem;

namespace {

// A tree with hits at several depths, a dot-folder, a link to a folder, a link to a file,
// a folder named like a hit, and files of other types.
void planterArbre(const fs::path& racine)
{
    for (const char* dossier : {"sous1", "sous2/profond", ".cache", "dossier.mp3"})
        fs::create_directories(racine / dossier);
    for (const char* fichier : {"b.mp3", "A.MP3", "z.Mp3", "notes.txt", "mp3", "sous1/c.mp3", "sous2/d.mp3",
                                "sous2/profond/e.mp3", ".cache/cache.mp3", "sous1/x.mp3.txt"})
        test::writeFile(racine / fichier, test::bytes({1}));
    fs::create_directory_symlink(racine / "sous1", racine / "lien");
    fs::create_symlink(racine / "sous2/d.mp3", racine / "lien.mp3");
}

std::vector<std::string> parcourir(const fs::path& racine, const std::string& extension,
                                   const tools::Continuer& continuer = [] { return true; })
{
    std::vector<std::string> trouves;
    tools::parcourirDossier(racine, extension, continuer, [&](const fs::path& chemin) {
        trouves.push_back(chemin.lexically_relative(racine).string());
    });
    return trouves;
}

std::size_t position(const std::vector<std::string>& v, const std::string& x)
{
    return std::size_t(std::find(v.begin(), v.end(), x) - v.begin());
}

TEST(ParcoursDisque, AFoldersFilesComeBeforeItsSubfoldersAndDotFoldersAndLinksToFoldersAreSkipped)
{
    test::TempFolder dossier;
    planterArbre(dossier.path());
    const std::vector<std::string> trouves = parcourir(dossier.path(), "MP3");

    std::vector<std::string> tries = trouves;
    std::sort(tries.begin(), tries.end());
    EXPECT_EQ(tries, (std::vector<std::string>{"A.MP3", "b.mp3", "lien.mp3", "sous1/c.mp3", "sous2/d.mp3",
                                               "sous2/profond/e.mp3", "z.Mp3"}));
    for (const char* racine : {"A.MP3", "b.mp3", "z.Mp3", "lien.mp3"})
        EXPECT_LT(position(trouves, racine), position(trouves, "sous1/c.mp3")) << racine;
    EXPECT_LT(position(trouves, "sous2/d.mp3"), position(trouves, "sous2/profond/e.mp3"));
    // Each subfolder is walked entirely before the next one.
    const bool sous1DAbord = position(trouves, "sous1/c.mp3") < position(trouves, "sous2/d.mp3");
    EXPECT_EQ(sous1DAbord, position(trouves, "sous1/c.mp3") < position(trouves, "sous2/profond/e.mp3"));
}

TEST(ParcoursDisque, StopsAtOnceWhenTheSearchEnds)
{
    test::TempFolder dossier;
    planterArbre(dossier.path());
    int questions = 0;
    const std::vector<std::string> trouves = parcourir(dossier.path(), "mp3", [&] { return ++questions <= 3; });
    // One question on entering the root, one before each file: two files, then the stop.
    EXPECT_EQ(trouves.size(), 2u);
    EXPECT_EQ(questions, 4);
}

TEST(ParcoursDisque, AFolderThatCannotBeReadGivesNothing)
{
    EXPECT_TRUE(parcourir("/dossier/qui/n/existe/pas", "mp3").empty());
}

TEST(ParcoursDisque, DrivesAreTheRootThenTheFileSystemsOnADevice)
{
    const std::vector<tools::Volume> volumes = {
        {"/proc", "proc", "proc", true},
        {"/media/cle", "vfat", "/dev/sdb1", true},
        {"/", "ext4", "/dev/sda1", true},
        {"/run", "tmpfs", "tmpfs", true},
        {"/snap/core/1", "squashfs", "/dev/loop0", true},
        {"/etc/hosts", "ext4", "/dev/sda1", false},
        {"/home", "ext4", "/dev/sda2", true},
        {"/media/cle", "vfat", "/dev/sdb1", true},
    };
    EXPECT_EQ(tools::lecteursReels(volumes), (std::vector<std::string>{"/", "/media/cle", "/home"}));
}

class FImporterTest : public test::ListeOutilsTest {
protected:
    FImporterTest()
    {
        playlist::fnInitExtensions(t.ctx());
        planterArbre(arbre.path());
    }

    test::TempFolder arbre;
    const QString racine = QString::fromStdString(arbre.path().string());  // the tree stands for a drive
    QStringList lecteurs() const { return {"/", racine}; }

    std::unique_ptr<tools::FImporter> ouvrir()
    {
        return std::make_unique<tools::FImporter>(t.ctx(), nullptr, [this] { return lecteurs(); });
    }
    QStringList lignes(const tools::FImporter& d)
    {
        QStringList l;
        for (int i = 1; i <= d.ListView1->count(); ++i)
            l << d.ListView1->text(i);
        return l;
    }
};

TEST_F(FImporterTest, OpensOnMP3AndTheFirstDrive)
{
    auto d = ouvrir();
    EXPECT_EQ(d->windowTitle(), " Importation de fichier(s) audio/vidéo");
    ASSERT_EQ(d->Combo1->count(), 27);
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(d->Combo1->itemText(i), playlist::kExtensionsMedias[std::size_t(i)]);
    EXPECT_EQ(d->Combo1->currentText(), "MP3");
    EXPECT_EQ(d->Drive1->currentText(), "/");
    EXPECT_EQ(d->Drive1->count(), 2);
    EXPECT_FALSE(d->Picture2->isHidden());
    EXPECT_TRUE(d->Picture1->isHidden());
    EXPECT_TRUE(d->Picture3->isHidden());
    d->Timer1_Timer();
    EXPECT_FALSE(d->Command2->isEnabled());
}

TEST_F(FImporterTest, ASearchListsTheHitsSortedIgnoringCase)
{
    auto d = ouvrir();
    d->Drive1->setCurrentIndex(1);
    d->Command3_Click();

    const QString r = racine + "/";
    EXPECT_EQ(lignes(*d), (QStringList{r + "A.MP3", r + "b.mp3", r + "lien.mp3", r + "sous1/c.mp3",
                                       r + "sous2/d.mp3", r + "sous2/profond/e.mp3", r + "z.Mp3"}));
    EXPECT_TRUE(d->ListView1->isSelected(1));
    EXPECT_FALSE(d->ListView1->isSelected(2));
    EXPECT_TRUE(d->Picture2->isHidden());
    EXPECT_TRUE(d->Picture1->isHidden());
    EXPECT_EQ(d->Label2->text(), "Recherche de tous les fichier de type MP3 sur tous les lecteurs");
    EXPECT_FALSE(d->vRecherche);
    d->Timer1_Timer();
    EXPECT_TRUE(d->Command2->isEnabled());

    d->Combo1->setCurrentIndex(d->Combo1->findText("WAV"));
    d->Command3_Click();
    EXPECT_TRUE(lignes(*d).isEmpty());
    d->Timer1_Timer();
    EXPECT_FALSE(d->Command2->isEnabled());
}

TEST_F(FImporterTest, NamesThatAreNotUtf8AreLeftOutOfTheHitsWithOneMessage)
{
    fs::create_directory(arbre / "vieux\xE9");
    for (const char* nom : {"caf\xE9.mp3", "vieux\xE9/bonne.mp3", "été.mp3"})
        test::writeFile(arbre / nom, test::bytes({1}));
    auto d = ouvrir();
    d->Drive1->setCurrentIndex(1);
    t.dialogues().answer(platform::MessageAnswer::Ok);
    d->Command3_Click();

    const QStringList hits = lignes(*d);
    EXPECT_EQ(hits.size(), 8);
    EXPECT_TRUE(hits.contains(racine + "/été.mp3"));
    for (const QString& hit : hits)
        EXPECT_FALSE(hit.contains(QChar::ReplacementCharacter)) << hit.toStdString();
    ASSERT_EQ(questions(), 1u);
    EXPECT_TRUE(question().text.startsWith("2 fichiers ont été laissés de côté : leur nom n'est pas écrit en UTF-8"));
}

TEST_F(FImporterTest, ADriveThatIsNoLongerPresentYieldsNoHits)
{
    auto d = ouvrir();
    d->Drive1->addItem(racine + "/sous2");
    d->Drive1->setCurrentIndex(2);
    d->Command3_Click();
    EXPECT_TRUE(lignes(*d).isEmpty());
}

TEST_F(FImporterTest, ClosingTheDialogStopsTheSearchAtOnce)
{
    auto d = ouvrir();
    d->Drive1->setCurrentIndex(1);
    QTimer::singleShot(0, d.get(), [&] { d->Command1_Click(); });
    d->Command3_Click();
    EXPECT_TRUE(d->List1.isEmpty());
    EXPECT_FALSE(d->vRecherche);
}

TEST_F(FImporterTest, ImportingThreeHitsAddsThreeRowsPausingThePlayerAfterEach)
{
    auto d = ouvrir();
    d->Drive1->setCurrentIndex(1);
    d->Command3_Click();
    for (int ligne : {2, 4, 7})
        d->ListView1->setSelected(ligne, true);
    d->ListView1->setSelected(1, false);
    t.piste().clearCalls();
    d->Command2_Click();
    EXPECT_FALSE(d->Picture3->isHidden());
    EXPECT_TRUE(d->Timer2.isActive());

    t.dialogues().answer(platform::MessageAnswer::Ok);
    d->Timer2_Timer();
    EXPECT_FALSE(d->Timer2.isActive());
    EXPECT_TRUE(d->Picture3->isHidden());
    const QString r = racine + "/";
    ASSERT_EQ(vue.count(), 3);
    EXPECT_EQ(vue.subItem(1, playlist::kEmplacement), r + "b.mp3");
    EXPECT_EQ(vue.subItem(2, playlist::kEmplacement), r + "sous1/c.mp3");
    EXPECT_EQ(vue.subItem(3, playlist::kEmplacement), r + "z.Mp3");
    EXPECT_EQ(std::count(t.piste().calls().begin(), t.piste().calls().end(), "Pause"), 3);
    ASSERT_EQ(questions(), 1u);
    EXPECT_EQ(question().text, "3 fichier(s) audio a/ont été ajouté(s) dans la Play-List active.");
    EXPECT_EQ(question().title, "Opération terminée");
    EXPECT_EQ(question().icon, platform::MessageIcon::Information);
    EXPECT_EQ(question().buttons, platform::MessageButtons::Ok);

    // A second import of the same hits adds them again.
    t.dialogues().answer(platform::MessageAnswer::Ok);
    d->ListView1_DblClick();
    d->Timer2_Timer();
    EXPECT_EQ(vue.count(), 6);
}

TEST_F(FImporterTest, SelectAllSelectsEveryHit)
{
    auto d = ouvrir();
    d->Drive1->setCurrentIndex(1);
    d->Command3_Click();
    d->sélectionner_Click();
    for (int ligne = 1; ligne <= d->ListView1->count(); ++ligne)
        EXPECT_TRUE(d->ListView1->isSelected(ligne)) << ligne;
    EXPECT_EQ(d->sélectionner->text(), "Tout sélectionner");
}

TEST_F(FImporterTest, TheMenuCommandOpensItModal)
{
    auto vu = test::pendantDialogue<tools::FImporter>([](tools::FImporter& d) {
        EXPECT_TRUE(d.isModal());
        EXPECT_EQ(d.Drive1->itemText(0), "/");
        d.Command1_Click();
    });
    liste.menu("Importation")->trigger();
    EXPECT_TRUE(*vu);
}

}  // namespace
