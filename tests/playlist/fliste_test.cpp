#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "player/module3.h"
#include "playlist/fliste.h"
#include "support/bytes.h"
#include "support/case_names.h"
#include "support/media.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using test::ScriptedDialogs;

namespace {

class FListeTest : public testing::Test {
protected:
    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;

    QString ajouter(const QString& nom)
    {
        const QString chemin = t.fichier(nom);
        liste.fnAjouterFichierLite(chemin);
        return chemin;
    }

    void remplir(int n)
    {
        for (int i = 1; i <= n; ++i)
            ajouter(QString("piste%1.wav").arg(i));
    }
};

TEST_F(FListeTest, AddingToAnEmptyListLoadsRowOneWithoutPlaying)
{
    const QString chemin = ajouter("son.wav");
    ASSERT_EQ(vue.count(), 1);
    EXPECT_TRUE(vue.isSelected(1));
    EXPECT_EQ(t.piste().FileName(), chemin);
    EXPECT_EQ(t.piste().PlayState(), 0);
    EXPECT_EQ(t.ctx().vEtat, 0);
}

TEST_F(FListeTest, AFileWithoutTagOrFrameGetsEmptyCellsAnd128Kbps)
{
    const QString chemin = ajouter("son.wav");
    EXPECT_EQ(vue.text(1), "son.wav");
    for (int k : {1, 2, 3, 4, 7, 8})
        EXPECT_EQ(vue.subItem(1, k), "") << "sub-item " << k;
    EXPECT_EQ(vue.subItem(1, 5), "128 kbps");
    EXPECT_EQ(vue.subItem(1, 6), chemin);
}

TEST_F(FListeTest, ATaggedMp3FillsEveryColumn)
{
    const auto chemin = t.dossier() / "chanson.mp3";
    test::writeFile(chemin, test::mp3Tague(4000, "Artiste", "Titre"));
    liste.fnAjouterFichierLite(QString::fromStdString(chemin.string()));
    EXPECT_EQ(vue.text(1), "chanson.mp3");
    EXPECT_EQ(vue.subItem(1, 1), "Artiste");
    EXPECT_EQ(vue.subItem(1, 2), "Titre");
    EXPECT_EQ(vue.subItem(1, 3), "Album");
    EXPECT_EQ(vue.subItem(1, 4), "Rock");
    EXPECT_EQ(vue.subItem(1, 5), "128 kbps");
    EXPECT_EQ(vue.subItem(1, 7), "00:00");
    EXPECT_EQ(vue.subItem(1, 8), "Un commentaire");
}

TEST_F(FListeTest, AddingWhileAnotherRowIsCurrentKeepsThePlayersFile)
{
    const QString premier = ajouter("a.wav");
    ajouter("b.wav");
    EXPECT_EQ(t.piste().FileName(), premier);
    EXPECT_TRUE(vue.isBold(1));
    EXPECT_FALSE(vue.isBold(2));
}

TEST_F(FListeTest, TheSamePathTwiceGivesTwoRowsBothPaintedCurrent)
{
    const QString chemin = ajouter("a.wav");
    liste.fnAjouterFichierLite(chemin);
    ASSERT_EQ(vue.count(), 2);
    EXPECT_EQ(vue.subItem(2, 6), chemin);
    for (int i : {1, 2}) {
        EXPECT_TRUE(vue.isBold(i));
        EXPECT_EQ(vue.foreColor(i), 0xFF0000u);
    }
    EXPECT_EQ(t.ctx().module3().fnMarquerPiste(), 2);
    liste.Timer1_Timer();
    EXPECT_EQ(t.ctx().vIndexPiste, 1);
}

TEST_F(FListeTest, CurrentRowDetailsGoToThePlayerWindow)
{
    const auto chemin = t.dossier() / "chanson.mp3";
    test::writeFile(chemin, test::mp3Tague(4000, "", "Titre seul"));
    liste.fnAjouterFichierLite(QString::fromStdString(chemin.string()));
    vue.setSubItem(1, 3, "Album");
    vue.setSubItem(1, 4, "R&B");
    liste.Timer1_Timer();
    player::FInterface& f = t.ctx().fInterface();
    EXPECT_EQ(f.Label10->text(), "128 kbps - Joint Stereo");
    EXPECT_EQ(f.Label11->text(), "Titre seul");
    EXPECT_EQ(f.Label12->text(), "Album - RB");
}

// Tags and file names are shown as typed, never read as markup.
TEST_F(FListeTest, TagsAndNamesShowAsTypedOnThePlayerWindowAndTheStatusBar)
{
    const auto chemin = t.dossier() / "<b>Titre.mp3";
    test::writeFile(chemin, test::mp3Tague(4000, "<i>Auteur</i>", "<b>Titre</b>"));
    liste.fnAjouterFichierLite(QString::fromStdString(chemin.string()));
    vue.setSubItem(1, 3, "<u>Album</u>");
    vue.setSubItem(1, 4, "<s>Rock</s>");
    t.ctx().vNomListe = "<b>rock</b>";
    player::FInterface& f = t.ctx().fInterface();
    f.Timer1_Timer();
    liste.Timer1_Timer();

    EXPECT_EQ(f.Label2->text(), "<b>Titre.mp3");
    EXPECT_EQ(f.Label11->text(), "<i>Auteur</i> - <b>Titre</b>");
    EXPECT_EQ(f.Label12->text(), "<u>Album</u> - <s>Rock</s>");
    EXPECT_EQ(liste.Panels[0]->text(), "<b>rock</b>");
    EXPECT_EQ(liste.Panels[5]->text(), "<b>Titre.mp3");
    for (const QLabel* label : {f.Label2, f.Label10, f.Label11, f.Label12, liste.Panels[0], liste.Panels[5]})
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    QTextDocument bulle;
    bulle.setHtml(f.Label2->toolTip());
    EXPECT_EQ(bulle.toPlainText(), "<b>Titre.mp3");
}

// A huge field shows no more than a label can show; the row keeps it whole.
TEST_F(FListeTest, AHugeFieldShowsOnThePlayerWindowAsMuchAsALabelCanShow)
{
    ajouter("a.wav");
    const QString enorme(1 << 20, u'x');
    vue.setSubItem(1, 2, enorme);
    liste.Timer1_Timer();
    player::FInterface& f = t.ctx().fInterface();
    EXPECT_LE(f.Label11->text().size(), 10000);
    EXPECT_TRUE(enorme.startsWith(f.Label11->text()));
    EXPECT_EQ(vue.subItem(1, 2), enorme);
}

// ---- Timers and status bar ----

TEST_F(FListeTest, AnEmptyListShowsItsStateAndDisablesTheCommandsThatNeedRows)
{
    liste.Timer1_Timer();
    liste.Timer2_Timer();
    EXPECT_EQ(liste.Panels[0]->text(), "Liste sans nom");
    EXPECT_EQ(liste.Panels[1]->text(), "0 fichier(s)");
    EXPECT_EQ(liste.Panels[2]->text(), "Etat : STOP");
    EXPECT_EQ(t.ctx().fInterface().vPistes->text(), "000 / 000");
    EXPECT_EQ(t.ctx().vIndexPiste, 0);
    EXPECT_FALSE(vue.hasCheckboxes());
    EXPECT_FALSE(liste.Picture1->isHidden());
    for (const char* nom : {"Enregistrer", "Enregistrer_sous", "Enregistrer_selection", "Fonctions"})
        EXPECT_FALSE(liste.menu(nom)->isEnabled()) << nom;
    EXPECT_TRUE(liste.menu("nouvelle")->isEnabled());
    EXPECT_TRUE(liste.menu("Ouvrir")->isEnabled());

    remplir(2);
    liste.Timer1_Timer();
    liste.Timer2_Timer();
    EXPECT_TRUE(vue.hasCheckboxes());
    EXPECT_TRUE(liste.Picture1->isHidden());
    EXPECT_TRUE(liste.menu("Enregistrer")->isEnabled());
    EXPECT_TRUE(liste.menu("Fonctions")->isEnabled());
}

TEST_F(FListeTest, StatusBarPanelsAndCounterFollowThePlayer)
{
    remplir(42);
    t.piste().setFileName(vue.subItem(7, 6));
    t.ctx().vEtat = 1;
    t.ctx().vNomListe = "rock";
    player::FInterface& f = t.ctx().fInterface();
    f.Label2->setText("piste7.wav");
    f.Label4->setText("01:02");
    f.Label6->setText("02:03");
    liste.Timer1_Timer();
    EXPECT_EQ(liste.Panels[0]->text(), "rock");
    EXPECT_EQ(liste.Panels[1]->text(), "42 fichier(s)");
    EXPECT_EQ(liste.Panels[2]->text(), "Etat : PAUSE");
    EXPECT_EQ(liste.Panels[3]->text(), "D : 01:02");
    EXPECT_EQ(liste.Panels[4]->text(), "R : 02:03");
    EXPECT_EQ(liste.Panels[5]->text(), "piste7.wav");
    EXPECT_EQ(f.vPistes->text(), "007 / 042");
    EXPECT_EQ(t.ctx().vIndexPiste, 7);

    t.ctx().vEtat = 2;
    t.piste().setFileName(vue.subItem(7, 6).toUpper());  // letter case matters
    liste.Timer1_Timer();
    EXPECT_EQ(liste.Panels[2]->text(), "Etat : LECT.");
    EXPECT_EQ(t.ctx().vIndexPiste, 0);
    EXPECT_EQ(f.vPistes->text(), "000 / 042");
}

// ---- Play commands ----

TEST_F(FListeTest, PlayTakesTheSelectedRow)
{
    remplir(3);
    vue.setSelected(1, false);
    vue.setSelected(3, true);
    liste.vcmd_d_Click();
    EXPECT_EQ(t.piste().FileName(), vue.subItem(3, 6));
    EXPECT_FALSE(t.piste().autoStart());
    EXPECT_EQ(t.ctx().vEtat, 2);
    EXPECT_EQ(t.piste().PlayState(), 2);
    EXPECT_TRUE(vue.isBold(3));
    EXPECT_FALSE(vue.isBold(1));
}

TEST_F(FListeTest, EnterAndDoubleClickOnAnEmptyListDoNothing)
{
    liste.Liste_KeyPress(13);
    liste.Liste_DblClick();
    EXPECT_EQ(t.ctx().vEtat, 0);
    remplir(1);
    liste.Liste_KeyPress(32);
    EXPECT_EQ(t.ctx().vEtat, 0);
    liste.Liste_KeyPress(13);
    EXPECT_EQ(t.ctx().vEtat, 2);
}

struct Voisine {
    int indexPiste;
    bool suivante;
    int attendue;
};

class PrecedentSuivant : public FListeTest, public testing::WithParamInterface<Voisine> {};

TEST_P(PrecedentSuivant, WrapsAroundTheList)
{
    remplir(4);
    t.ctx().vIndexPiste = GetParam().indexPiste;
    GetParam().suivante ? liste.vcmd_b_Click() : liste.vcmd_a_Click();
    EXPECT_EQ(t.piste().FileName(), vue.subItem(GetParam().attendue, 6));
    EXPECT_TRUE(vue.isBold(GetParam().attendue));
    EXPECT_EQ(t.ctx().vEtat, 0);  // stopped: the file is only loaded
    EXPECT_EQ(t.piste().PlayState(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrecedentSuivant,
    testing::Values(Voisine{4, true, 1}, Voisine{1, false, 4}, Voisine{0, true, 1}, Voisine{0, false, 4},
                    Voisine{2, true, 3}, Voisine{2, false, 1},
                    // rows removed since the tracked row was found
                    Voisine{7, false, 4}, Voisine{5, false, 4}, Voisine{7, true, 1}),
    [](const auto& info) {
        const Voisine& v = info.param;
        return std::string(v.suivante ? "next" : "previous") + "From" + std::to_string(v.indexPiste) + "To"
            + std::to_string(v.attendue);
    });

TEST_F(FListeTest, NextWhilePausedPlaysTheNextFile)
{
    remplir(2);
    liste.vcmd_d_Click();
    liste.vcmd_e_Click();
    liste.Timer1_Timer();
    liste.vcmd_b_Click();
    EXPECT_EQ(t.ctx().vEtat, 2);
    EXPECT_EQ(t.piste().FileName(), vue.subItem(2, 6));
    EXPECT_EQ(t.piste().PlayState(), 2);
}

TEST_F(FListeTest, PreviousAndNextOnAnEmptyListDoNothing)
{
    liste.vcmd_a_Click();
    liste.vcmd_b_Click();
    EXPECT_EQ(t.piste().FileName(), "");
}

TEST_F(FListeTest, ChoosingAPlayModeLeavesExactlyThatEntryChecked)
{
    for (int mode : {3, 1, 0, 2}) {
        liste.vModeLect_Click(mode);
        EXPECT_EQ(liste.modeLecture(), mode);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(liste.menu(QString("vModeLect%1").arg(i))->isChecked(), i == mode);
    }
}

TEST_F(FListeTest, MenusCarryTheirCaptionsAndShortcuts)
{
    EXPECT_EQ(liste.menu("Enregistrer")->text(), "Enregistrer  la Play-List");
    EXPECT_EQ(liste.menu("vcmd_g")->text(), "Avance rapide          ");
    EXPECT_EQ(liste.menu("vModeLect2")->shortcut(), QKeySequence("Ctrl+F3"));
    EXPECT_EQ(liste.menu("vcmd_h")->shortcut(), QKeySequence("Shift+F8"));
    EXPECT_EQ(liste.menu("voir_lecteur")->shortcut(), QKeySequence("F12"));
}

TEST_F(FListeTest, TheVolumeControlNotInstalledIsSaid)
{
    t.dialogues().answer(MessageAnswer::Ok);
    liste.volumes_Click();
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_EQ(t.dialogues().questions()[0].title, "Annulation de procédure");
}

}  // namespace
