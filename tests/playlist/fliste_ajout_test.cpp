// Adding files by dialog and by drop, and moving rows by drag.
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "player/module3.h"
#include "playlist/deplacement_lignes.h"
#include "playlist/extensions.h"
#include "playlist/fliste.h"
#include "support/case_names.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tulvane;
using test::ScriptedDialogs;

namespace {

class AjoutTest : public testing::Test {
protected:
    AjoutTest() { playlist::fnInitExtensions(t.ctx()); }

    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;

    QStringList chemins()
    {
        QStringList c;
        for (int i = 1; i <= vue.count(); ++i)
            c << vue.subItem(i, playlist::kEmplacement);
        return c;
    }

    // The player plays the first row, with the list holding these files.
    void enLecture(const QStringList& noms)
    {
        for (const QString& nom : noms)
            liste.fnAjouterFichierLite(t.fichier(nom));
        liste.vcmd_d_Click();
        ASSERT_EQ(t.piste().PlayState(), 2);
        t.piste().clearCalls();
    }

    bool misEnPause()
    {
        const auto& appels = t.piste().calls();
        return std::find(appels.begin(), appels.end(), "Pause") != appels.end();
    }

    QWidget* zone() { return vue.findChild<QTreeView*>()->viewport(); }

    // A drag that enters the list, moves to the point and drops there, as Qt delivers it;
    // true when taken.
    bool deposer(QPoint point, const QMimeData* donnees, Qt::DropAction action)
    {
        QDragEnterEvent entree(point, action, donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone(), &entree);
        QDragMoveEvent mouvement(point, action, donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone(), &mouvement);
        QDropEvent depot(point, action, donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone(), &depot);
        return depot.isAccepted();
    }
};

TEST_F(AjoutTest, ImportAddsTheChosenFilesInTheDialogsOrderAndPausesThePlayer)
{
    enLecture({"deja.wav"});
    const QStringList choix = {t.fichier("c.wav"), t.fichier("a.wav"), t.fichier("b.wav"), chemins()[0]};
    t.dialogues().answerOpen(choix);
    liste.Importation_emplac_Click();

    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    const ScriptedDialogs::Question& q = t.dialogues().questions()[0];
    EXPECT_EQ(q.kind, ScriptedDialogs::Kind::Open);
    EXPECT_EQ(q.title, "Importer depuis emplacement...");
    EXPECT_EQ(q.filter, playlist::filtreMedias(t.ctx().vExtensions));
    EXPECT_EQ(q.defaultText, "");
    EXPECT_TRUE(q.multiSelect);
    // A file already listed is added again.
    EXPECT_EQ(chemins(), QStringList({choix[3]}) + choix);
    EXPECT_EQ(vue.text(2), "c.wav");
    EXPECT_TRUE(misEnPause());
    EXPECT_EQ(t.piste().PlayState(), 1);
    EXPECT_EQ(t.ctx().vEtat, 2);
}

// A name that is not UTF-8 on disk reaches the program without its bytes: chosen in a file
// dialog, it is left out with one message, and the command goes on with the other files.
TEST_F(AjoutTest, ANameThatIsNotUtf8ChosenInAFileDialogIsLeftOut)
{
    enLecture({"a.wav"});
    const QString latin1 = t.fichierNonUtf8("caf\xE9.wav").chemin;
    const QString bon = t.fichier("bon.wav");
    struct Cas {
        const char* nom;
        std::function<void()> commande;
        QStringList choix;
        QStringList lignes;  // the paths listed afterwards
    };
    const std::vector<Cas> cas = {
        {"import", [this] { liste.Importation_emplac_Click(); }, {latin1, bon}, chemins() + QStringList{bon}},
        {"play list", [this] { liste.Ouvrir_Click(); }, {latin1}, chemins() + QStringList{bon}},
        {"new source", [this] { liste.modifier_source_Click(); }, {latin1}, chemins() + QStringList{bon}},
    };
    std::size_t questions = 0;
    for (const Cas& c : cas) {
        vue.setSelected(1, true);
        t.dialogues().answerOpen(c.choix);
        t.dialogues().answer(platform::MessageAnswer::Ok);
        c.commande();
        questions += 2;
        ASSERT_EQ(t.dialogues().questions().size(), questions) << c.nom;
        EXPECT_TRUE(t.dialogues().questions().back().text.startsWith("Un fichier a été laissé de côté")) << c.nom;
        EXPECT_EQ(chemins(), c.lignes) << c.nom;
        EXPECT_EQ(t.ctx().vAdresseListe, "") << c.nom;
    }
}

// A file manager gives the name's own bytes, which no text path can hold.
TEST_F(AjoutTest, ADroppedNameThatIsNotUtf8IsLeftOut)
{
    enLecture({"a.wav"});
    const QStringList avant = chemins();
    const QString bon = t.fichier("bon.wav");
    QMimeData fichiers;
    fichiers.setUrls({t.fichierNonUtf8("caf\xE9.wav").adresse, QUrl::fromLocalFile(bon)});
    t.dialogues().answer(platform::MessageAnswer::Ok);
    EXPECT_TRUE(deposer({10, 10}, &fichiers, Qt::CopyAction));
    EXPECT_EQ(chemins(), avant + QStringList{bon});
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_TRUE(t.dialogues().questions()[0].text.startsWith("Un fichier a été laissé de côté"));
    EXPECT_TRUE(misEnPause());
}

TEST_F(AjoutTest, CancellingTheImportChangesNothing)
{
    enLecture({"a.wav"});
    t.dialogues().answerOpen({});
    liste.Importation_emplac_Click();
    EXPECT_EQ(vue.count(), 1);
    EXPECT_FALSE(misEnPause());
    EXPECT_EQ(t.piste().PlayState(), 2);
}

TEST_F(AjoutTest, ADropAddsOnlyTheFilesNotListedYetOnceEach)
{
    enLecture({"a.wav", "b.wav"});
    const QString a = chemins()[0];
    const QString c = t.fichier("c.wav");
    const QString d = t.fichier("d.wav");
    liste.Liste_OLEDragDrop(QStringList{d, a, c, d, a.toUpper()}, 300);
    // The comparison of paths is exact: another letter case is another file.
    EXPECT_EQ(chemins(), QStringList({a, chemins()[1], d, c, a.toUpper()}));
    EXPECT_TRUE(misEnPause());
    EXPECT_EQ(t.ctx().vEtat, 2);
}

TEST_F(AjoutTest, ADropOfAFileAlreadyListedAddsNothing)
{
    enLecture({"a.wav"});
    const QStringList avant = chemins();
    liste.Liste_OLEDragDrop(QStringList{avant[0]}, 300);
    EXPECT_EQ(chemins(), avant);
    EXPECT_TRUE(misEnPause());
}

// ---- Rows dragged inside the list ----

class DeplacementTest : public AjoutTest {
protected:
    void SetUp() override
    {
        for (const char* nom : {"P", "Q", "R", "S", "T", "U", "V"})
            liste.fnAjouterFichierLite(t.fichier(QString(nom) + ".wav"));
        for (int i = 1; i <= 7; ++i)
            vue.setSelected(i, false);
    }

    QString ordre()
    {
        QString s;
        for (int i = 1; i <= vue.count(); ++i)
            s += vue.text(i).left(1);
        return s;
    }

    int ligneDe(const QString& lettre)
    {
        return vue.find(0, lettre + ".wav");
    }

    // A drag that begins in the band of row `de` (rows are one band high under a header of
    // one band) and ends `bandes` bands lower.
    void glisser(int de, double bandes)
    {
        const double y = (de + 0.5) * playlist::kHauteurBande;
        liste.Liste_MouseDown(y);
        liste.Liste_OLEDragDrop(std::nullopt, y + bandes * playlist::kHauteurBande);
    }
};

struct CasGlisser {
    double bandes;
    const char* ordre;
    bool resteChoisie;
};

class GlisserR : public DeplacementTest, public testing::WithParamInterface<CasGlisser> {};

TEST_P(GlisserR, MovesAsTheBandsSay)
{
    vue.setSelected(3, true);
    vue.setChecked(3, true);
    vue.setTag(3, "étiquette");
    vue.setChecked(5, true);
    glisser(3, GetParam().bandes);
    EXPECT_EQ(ordre(), GetParam().ordre);
    const int r = ligneDe("R");
    EXPECT_EQ(vue.isSelected(r), GetParam().resteChoisie);
    EXPECT_EQ(vue.isChecked(r), GetParam().resteChoisie);
    EXPECT_EQ(vue.tag(r), GetParam().resteChoisie ? "étiquette" : "");
    EXPECT_EQ(vue.subItem(r, playlist::kEmplacement), t.fichier("R.wav"));
    // The other rows keep their marks, wherever they went.
    EXPECT_TRUE(vue.isChecked(ligneDe("T")));
    EXPECT_FALSE(vue.isChecked(ligneDe("S")));
    EXPECT_FALSE(vue.isSorted());
}

INSTANTIATE_TEST_SUITE_P(Cases, GlisserR,
    testing::Values(CasGlisser{-1, "PRQSTUV", false}, CasGlisser{-2, "PQRSTUV", true},
                    CasGlisser{2, "PQSRTUV", false}, CasGlisser{1, "PQRSTUV", false},
                    CasGlisser{-1.2, "PRQSTUV", false}, CasGlisser{2.4, "PQSRTUV", false}),
    [](const auto& info) { return "bands" + tulvane::test::caseName(info.param.bandes); });

// The list view's own events, as Qt delivers them, reach the handlers.
TEST_F(DeplacementTest, TheViewsPressesAndDropsReachTheAddAndMoveHandlers)
{
    auto* arbre = vue.findChild<QTreeView*>();
    ASSERT_NE(arbre, nullptr);
    const auto centre = [arbre](int ligne) { return arbre->visualRect(arbre->model()->index(ligne - 1, 0)).center(); };

    // R taken by its row and dropped on Q's: one band up.
    QTest::mousePress(zone(), Qt::LeftButton, {}, centre(3));
    QTest::mouseRelease(zone(), Qt::LeftButton, {}, centre(3));
    vue.setSelected(3, true);
    const std::unique_ptr<QMimeData> lignes(arbre->model()->mimeData({}));
    EXPECT_TRUE(deposer(centre(2), lignes.get(), Qt::MoveAction));
    EXPECT_EQ(ordre(), "PRQSTUV");

    // Files from the desktop: the one already listed is skipped, the player paused.
    t.piste().clearCalls();
    QMimeData fichiers;
    fichiers.setUrls({QUrl::fromLocalFile(t.fichier("W.wav")), QUrl::fromLocalFile(t.fichier("P.wav"))});
    EXPECT_TRUE(deposer(centre(7), &fichiers, Qt::CopyAction));
    EXPECT_EQ(ordre(), "PRQSTUVW");
    EXPECT_TRUE(misEnPause());
}

TEST_F(DeplacementTest, ADropInTheBandWhereTheDragBeganChangesNothing)
{
    vue.setSortKey(0);
    vue.setSorted(true);
    vue.setSelected(3, true);
    vue.setChecked(3, true);
    glisser(3, 0.4);
    EXPECT_EQ(ordre(), "PQRSTUV");
    EXPECT_TRUE(vue.isSelected(3));
    EXPECT_TRUE(vue.isChecked(3));
    EXPECT_TRUE(vue.isSorted());
}

TEST_F(DeplacementTest, AfterADropOfRowsTheListIsNoLongerSortedEvenWithoutAMove)
{
    vue.setSorted(true);
    vue.setSelected(5, true);
    glisser(5, 2);  // target 7, the last index
    EXPECT_EQ(ordre(), "PQRSTUV");
    EXPECT_TRUE(vue.isSelected(5));
    EXPECT_FALSE(vue.isSorted());
}

TEST_F(DeplacementTest, TheCurrentRowIsRepaintedWhereItWent)
{
    t.piste().setFileName(t.fichier("R.wav"));
    t.ctx().module3().fnMarquerPiste();
    vue.setSelected(3, true);
    glisser(3, -1);
    EXPECT_TRUE(vue.isBold(2));
    EXPECT_EQ(vue.foreColor(2), 0xFF0000u);
    EXPECT_FALSE(vue.isBold(3));
}

TEST_F(DeplacementTest, TheMouseDownKeepsItsBand)
{
    liste.Liste_MouseDown(10 * playlist::kHauteurBande + 1);
    EXPECT_EQ(liste.vLigneClic, 10);
    liste.Liste_MouseDown(0);
    EXPECT_EQ(liste.vLigneClic, 0);
}

}  // namespace
