// The mass renamer.
#include "tools/frenommer.h"

#include "outils_test.h"
#include "platform/random.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kRouge = 0x0000FF;
constexpr std::uint32_t kTexteFenetre = 0x80000008u;

class FRenommerTest : public test::ListeOutilsTest {
protected:
    QStringList nouveaux(const tools::FRenommer& d)
    {
        QStringList noms;
        for (int i = 1; i <= d.ListView1->count(); ++i)
            noms << d.ListView1->subItem(i, 1);
        return noms;
    }
    std::vector<bool> rouges(const tools::FRenommer& d)
    {
        std::vector<bool> r;
        for (int i = 1; i <= d.ListView1->count(); ++i)
            r.push_back(d.ListView1->foreColor(i) == kRouge);
        return r;
    }
    void refus(std::size_t i)
    {
        ASSERT_GT(questions(), i);
        EXPECT_EQ(question(i).text, "Vérifiez les nouveaux noms que vous tentez d'affecter, car certains fichiers "
                                    "existent déjà ou sont constitués de boublons (les noms erronés sont mentionnés "
                                    "en rouge).");
        EXPECT_EQ(question(i).title, "Annulation de procédure");
        EXPECT_EQ(question(i).icon, MessageIcon::Exclamation);
        EXPECT_EQ(question(i).buttons, MessageButtons::Ok);
    }
    void succes(std::size_t i, int nombre)
    {
        ASSERT_GT(questions(), i);
        EXPECT_EQ(question(i).text, QString("%1 fichier(s) ont été renommés avec succès !").arg(nombre));
        EXPECT_EQ(question(i).title, "Procédure effectuée");
        EXPECT_EQ(question(i).icon, MessageIcon::Information);
        EXPECT_EQ(question(i).buttons, MessageButtons::Ok);
    }
};

TEST_F(FRenommerTest, OpensOnTheSelectedRowsWithTheDefaultSettings)
{
    fs::create_directory(chemin("sous"));
    ajouter("a.mp3");
    ajouter("pas_choisi.mp3");
    ajouter("sous/b.wav");
    selectionner({1, 3});
    tools::FRenommer d(t.ctx());

    EXPECT_EQ(d.windowTitle(), " Renommer les fichiers en masse");
    EXPECT_EQ(d.Combo1->currentText(), "[A] Ancien nom");
    EXPECT_EQ(d.Combo1->count(), 6);
    EXPECT_EQ(d.Combo1->itemText(5), "[N] Nombre aléatoire");
    EXPECT_EQ(d.Text2->text(), "1");
    EXPECT_EQ(d.Combo2[1]->currentText(), "01");
    EXPECT_EQ(d.Combo2[1]->itemText(9), "10");
    EXPECT_EQ(d.Combo2[2]->currentText(), "02");
    EXPECT_EQ(d.Combo2[2]->itemText(14), "15");
    EXPECT_EQ(d.ListView1->columnCaption(1), "Anciens noms");
    EXPECT_EQ(d.ListView1->columnCaption(2), "Nouveaux noms");
    ASSERT_EQ(d.ListView1->count(), 2);
    EXPECT_EQ(d.ListView1->text(1), "a.mp3");
    EXPECT_EQ(d.ListView1->tag(1), QString::fromStdString((t.dossier().path() / "").string()));
    EXPECT_EQ(d.ListView1->text(2), "b.wav");
    EXPECT_EQ(d.ListView1->tag(2), qchemin("sous/"));
    EXPECT_EQ(nouveaux(d), (QStringList{"", ""}));
    d.Timer1_Timer();
    EXPECT_FALSE(d.Command1[1]->isEnabled());
}

TEST_F(FRenommerTest, TheMaskAndItsSettingsRebuildThePreview)
{
    ajouter("a.mp3");
    ajouter("b.wav");
    ajouter("c");
    selectionner({1, 2, 3});
    tools::FRenommer d(t.ctx());

    d.Combo1->setCurrentIndex(4);
    d.Command1_Click(2);
    EXPECT_EQ(d.Text1->text(), "[C]");
    EXPECT_EQ(nouveaux(d), (QStringList{"01", "02", "03"}));
    d.Timer1_Timer();
    EXPECT_TRUE(d.Command1[1]->isEnabled());

    d.Combo1->setCurrentIndex(1);
    d.fnInsérer();
    d.Text2->setText("8");
    d.Combo2[2]->setCurrentIndex(0);
    EXPECT_EQ(nouveaux(d), (QStringList{"8.mp3", "9.wav", "10"}));
    d.Combo2[1]->setCurrentIndex(9);
    EXPECT_EQ(nouveaux(d), (QStringList{"8.mp3", "18.wav", "28"}));

    // A counter start that is not a number, or below 0, becomes 1 at once.
    for (const char* debut : {"-3", "", "abc"}) {
        d.Text2->setText(debut);
        EXPECT_EQ(d.Text2->text(), "1") << debut;
        EXPECT_EQ(nouveaux(d)[0], "1.mp3") << debut;
    }
}

TEST_F(FRenommerTest, DateTimeAndRandomDigitsComeFromTheFileAndTheProcessGenerator)
{
    ajouter("a.mp3");
    selectionner({1});
    const QDateTime quand(QDate(2023, 4, 5), QTime(6, 7, 8));
    {
        QFile f(qchemin("a.mp3"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(quand, QFileDevice::FileModificationTime));
    }
    tools::FRenommer d(t.ctx());
    platform::Aleatoire copie;  // the process generator has not drawn yet
    d.Combo2[2]->setCurrentIndex(2);
    for (int i = 0; i < 3; ++i)
        copie.suivant();  // the rebuild of that choice drew three digits
    d.Text1->setText("[D]_[H]_[N]");
    QString chiffres;
    for (int i = 0; i < 3; ++i)
        chiffres += QString::number(int(copie.suivant() * 9 + 1));
    EXPECT_EQ(nouveaux(d)[0], "20230405_060708_" + chiffres);
}

TEST_F(FRenommerTest, ATokenBroughtInByAnOldNameIsReplacedWhenItComesAfterTheOldName)
{
    ajouter("x[D].mp3");
    ajouter("x[N].mp3");
    selectionner({1, 2});
    tools::FRenommer d(t.ctx());
    d.Text1->setText("[A]");
    const QString date = QFileInfo(qchemin("x[D].mp3")).lastModified().toString("yyyyMMdd");
    EXPECT_EQ(nouveaux(d), (QStringList{"x" + date + ".mp3", "x[N].mp3"}));
}

TEST_F(FRenommerTest, TheOldNamesAreRefusedAndTheRedStaysUntilTheNextVerification)
{
    ajouter("a.mp3");
    ajouter("b.mp3");
    selectionner({1, 2});
    tools::FRenommer d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    d.Text1->setText("[A]");
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command1_Click(1);
    refus(0);
    EXPECT_EQ(rouges(d), (std::vector<bool>{true, true}));
    EXPECT_EQ(ferme.count(), 0);
    EXPECT_TRUE(fs::exists(chemin("a.mp3")));

    d.Text1->setText("n[C].mp3");
    EXPECT_EQ(rouges(d), (std::vector<bool>{true, true}));
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command1_Click(1);
    EXPECT_EQ(d.ListView1->foreColor(1), kTexteFenetre);
    succes(1, 2);
}

TEST_F(FRenommerTest, RepeatsAcrossFoldersAndNamesThatAreNotFileNamesAreRefused)
{
    fs::create_directory(chemin("sous"));
    fs::create_directory(chemin("01"));
    ajouter("a.mp3");
    ajouter("sous/b.mp3");
    selectionner({1, 2});
    tools::FRenommer d(t.ctx());
    const std::vector<std::pair<const char*, std::vector<bool>>> cas = {
        {"meme.mp3", {true, true}}, {"..", {true, true}}, {".", {true, true}}, {"x/[C]", {true, true}},
        {"[D]/[E]", {true, true}}, {"[C]", {true, false}}};
    for (const auto& [masque, attendu] : cas) {
        d.Text1->setText(masque);
        t.dialogues().answer(MessageAnswer::Ok);
        EXPECT_FALSE(d.fnVerifier()) << masque;
        EXPECT_EQ(rouges(d), attendu) << masque;
    }
    EXPECT_TRUE(fs::exists(chemin("a.mp3")));
    EXPECT_TRUE(fs::exists(chemin("sous/b.mp3")));
}

TEST_F(FRenommerTest, RunRenamesTheFilesAndRepointsEveryRowOfThem)
{
    ajouter("a.mp3");
    ajouter("b.wav");
    ajouter("c");
    ajouter("a.mp3");
    selectionner({1, 2, 3});
    const QString ancienneDuree = vue.subItem(1, playlist::kDuree);
    vue.setChecked(4, true);
    tools::FRenommer d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    d.Text1->setText("[C][E]");
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command1_Click(1);

    succes(0, 3);
    EXPECT_EQ(ferme.count(), 1);
    EXPECT_EQ(d.ProgressBar1->maximum(), 3);
    EXPECT_EQ(d.ProgressBar1->value(), 3);
    for (const char* nom : {"01.mp3", "02.wav", "03"})
        EXPECT_TRUE(fs::exists(chemin(nom))) << nom;
    for (const char* nom : {"a.mp3", "b.wav", "c"})
        EXPECT_FALSE(fs::exists(chemin(nom))) << nom;
    const std::vector<std::pair<int, const char*>> lignes = {{1, "01.mp3"}, {2, "02.wav"}, {3, "03"}, {4, "01.mp3"}};
    for (const auto& [ligne, nom] : lignes) {
        EXPECT_EQ(vue.text(ligne), nom) << ligne;
        EXPECT_EQ(vue.subItem(ligne, playlist::kEmplacement), qchemin(nom)) << ligne;
    }
    EXPECT_EQ(vue.subItem(1, playlist::kDuree), ancienneDuree);
    EXPECT_TRUE(vue.isChecked(4));
    EXPECT_FALSE(vue.isSelected(4));
}

TEST_F(FRenommerTest, AFileSelectedTwiceIsRenamedOnce)
{
    ajouter("a.mp3");
    ajouter("a.mp3");
    selectionner({1, 2});
    tools::FRenommer d(t.ctx());
    d.Text1->setText("n[C]");
    t.dialogues().answer(MessageAnswer::Ok);
    d.fnExecuter();
    succes(0, 1);
    EXPECT_TRUE(fs::exists(chemin("n01")));
    EXPECT_FALSE(fs::exists(chemin("n02")));
    for (int ligne : {1, 2})
        EXPECT_EQ(vue.subItem(ligne, playlist::kEmplacement), qchemin("n01")) << ligne;
}

TEST_F(FRenommerTest, ARenameNeverReplacesAFileThatAppearedAfterTheVerification)
{
    ajouter("a.mp3", 10);
    tools::FRenommer d(t.ctx());
    test::writeFile(chemin("arrive.mp3"), test::bytes({7}));
    EXPECT_FALSE(d.fnRenommer(qchemin("a.mp3"), qchemin("arrive.mp3")));
    EXPECT_EQ(test::readFile(chemin("arrive.mp3")), test::bytes({7}));
    EXPECT_EQ(fs::file_size(chemin("a.mp3")), 10u);
}

TEST_F(FRenommerTest, WithoutASelectedRowARunRenamesNothing)
{
    ajouter("a.mp3");
    selectionner({});
    tools::FRenommer d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    d.Text1->setText("[C]");
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command1_Click(1);
    succes(0, 0);
    EXPECT_EQ(ferme.count(), 1);
    EXPECT_TRUE(fs::exists(chemin("a.mp3")));
}

TEST_F(FRenommerTest, CancelRenamesNothing)
{
    ajouter("a.mp3");
    selectionner({1});
    tools::FRenommer d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    d.Text1->setText("[C]");
    d.Command1_Click(0);
    EXPECT_EQ(ferme.count(), 1);
    EXPECT_EQ(questions(), 0u);
    EXPECT_TRUE(fs::exists(chemin("a.mp3")));
}

TEST_F(FRenommerTest, TheMenuCommandOpensIt)
{
    ajouter("a.mp3");
    auto vu = test::pendantDialogue<tools::FRenommer>([](tools::FRenommer& d) {
        EXPECT_EQ(d.ListView1->count(), 1);
        d.Command1_Click(0);
    });
    liste.menu("Renommer")->trigger();
    EXPECT_TRUE(*vu);
}

}  // namespace
