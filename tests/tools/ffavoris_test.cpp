// The favourites manager: its rows, "Favoris.dat" and the favourites menu.
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "platform/twips.h"
#include "playlist/fliste.h"
#include "support/bytes.h"
#include "tools/ffavoris.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using test::ScriptedDialogs;

namespace {

using Lignes = std::vector<std::pair<QString, QString>>;

class Favoris : public testing::Test {
protected:
    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();

    std::filesystem::path fichier() const { return t.dossier() / "Favoris.dat"; }
    void ecrire(const std::string& texte) { test::writeFile(fichier(), test::bytesOf(texte)); }
    std::string lu() const
    {
        const test::Bytes octets = test::readFile(fichier());
        return {octets.begin(), octets.end()};
    }

    // What the window's menu holds: the entries after the separator (caption and path), and
    // whether "(aucun Favoris)" shows.
    Lignes menu() const
    {
        Lignes entrees;
        const QList<QAction*> actions = liste.menu("Playlist")->menu()->actions();
        for (qsizetype i = 3; i < actions.size(); ++i)
            entrees.emplace_back(actions[i]->text(), actions[i]->data().toString());
        return entrees;
    }
    bool aucun() const { return liste.menu("liste_favoris0")->isVisible(); }

    static Lignes lignes(const tools::FFavoris& d)
    {
        Lignes l;
        for (int i = 1; i <= d.ListView1->count(); ++i)
            l.emplace_back(d.ListView1->text(i), d.ListView1->subItem(i, 1));
        return l;
    }

    static ScriptedDialogs::Question message(const QString& texte, const QString& titre, MessageIcon icone,
                                             MessageButtons boutons = MessageButtons::Ok)
    {
        return {.text = texte, .title = titre, .icon = icone, .buttons = boutons};
    }

    // The two questions of "&Ajouter", as the dialog puts them.
    static std::vector<ScriptedDialogs::Question> questionsAjout()
    {
        return {{.kind = ScriptedDialogs::Kind::Open,
                 .title = "Ajouter une Play-List",
                 .defaultText = "",
                 .filter = "Play-List Tulvane (*.tvl4)|*.tvl4",
                 .mustExist = false},
                {.kind = ScriptedDialogs::Kind::InputBox,
                 .text = "Veuillez affecter un nom à la Play-List choisie :",
                 .title = "Ajouter une liste",
                 .defaultText = ""}};
    }
};

TEST_F(Favoris, TheDialogAsDrawn)
{
    tools::FFavoris d(t.ctx());
    EXPECT_EQ(d.windowTitle(), " Gestion de la liste des favoris    ");
    EXPECT_EQ(d.size(), QSize(platform::twipsEnPixels(7650), platform::twipsEnPixels(5970)));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_TRUE(d.isModal());
    EXPECT_FALSE(d.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint));
    EXPECT_EQ(d.frameGeometry().center(), d.screen()->availableGeometry().center());

    EXPECT_EQ(d.Label1->text(), "Les favoris de Play-List permettent l'accès direct à toutes vos listes de fichiers "
                                "musicaux préférés. Il vous suffit d'ajouter des fichiers Tulvane de types TVL de votre "
                                "choix.");
    EXPECT_EQ(d.Image1->pixmap().size(), QSize(32, 32));
    ASSERT_EQ(d.ListView1->columnCount(), 2);
    EXPECT_EQ(d.ListView1->columnCaption(1), "Nom");
    EXPECT_EQ(d.ListView1->columnCaption(2), "Emplacement");
    EXPECT_EQ(d.ListView1->columnWidth(1), platform::twipsEnPixels(2300));
    EXPECT_EQ(d.ListView1->columnWidth(2), platform::twipsEnPixels(8000));

    // The buttons along the bottom, left to right.
    const std::vector<std::pair<QPushButton*, QString>> boutons = {
        {d.Command2, "&Ajouter"}, {d.Command3, "&Supprimer"}, {d.Command4, "&Renommer"}, {d.Command1, "&Fermer"}};
    for (std::size_t i = 0; i < boutons.size(); ++i) {
        EXPECT_EQ(boutons[i].first->text(), boutons[i].second);
        EXPECT_LE(boutons[i].first->geometry().bottom(), d.height());
        if (i > 0) {
            EXPECT_GT(boutons[i].first->x(), boutons[i - 1].first->geometry().right());
        }
    }
    EXPECT_FALSE(d.Command3->isEnabled()) << "disabled until the timer sees a row";
    EXPECT_TRUE(d.Command4->isEnabled());
    EXPECT_TRUE(d.Timer1.isActive());
    EXPECT_EQ(d.Timer1.interval(), 100);
    EXPECT_TRUE(t.dialogues().questions().empty());
}

TEST_F(Favoris, OpeningShowsThePairsWithANameAndNothingElse)
{
    ecrire("Rock\r\n/m/rock.tvl4\r\n\r\n/m/sans_nom.tvl4\r\n Jazz & co \r\n/m/jazz.tvl4\r\nSeul");
    tools::FFavoris d(t.ctx());
    EXPECT_EQ(lignes(d), (Lignes{{"Rock", "/m/rock.tvl4"}, {" Jazz & co ", "/m/jazz.tvl4"}, {"Seul", ""}}));
}

TEST_F(Favoris, TheTimerEnablesRemoveAndRenameWhileThereAreRows)
{
    ecrire("Rock\r\n/m/rock.tvl4\r\n");
    tools::FFavoris d(t.ctx());
    d.Timer1_Timer();
    EXPECT_TRUE(d.Command3->isEnabled());
    EXPECT_TRUE(d.Command4->isEnabled());
    d.ListView1->clear();
    d.Timer1_Timer();
    EXPECT_FALSE(d.Command3->isEnabled());
    EXPECT_FALSE(d.Command4->isEnabled());
}

struct CasAjout {
    const char* nom;
    QStringList fichier;  // none: the file dialog cancelled
    const char* saisi;    // nullptr: the input box is not reached
    bool ajoute;
};

TEST_F(Favoris, AddingTakesAFileThenAName)
{
    const QString chemin = QString::fromStdString((t.dossier() / "rock.tvl4").string());
    const std::vector<CasAjout> cas = {
        {"a file and a name", {chemin}, "Mon rock", true},
        {"a file not there yet", {"/nulle/part/future.tvl4"}, "Future", true},
        {"the file dialog cancelled", {}, nullptr, false},
        {"the name cancelled or left empty", {chemin}, "", false},
    };
    for (const CasAjout& c : cas) {
        test::ContexteDeTest ct;
        tools::FFavoris d(ct.ctx());
        ct.dialogues().answerOpen(c.fichier);
        if (c.saisi)
            ct.dialogues().answerText(c.saisi);
        d.Command2_Click();
        std::vector<ScriptedDialogs::Question> attendues = questionsAjout();
        if (!c.saisi)
            attendues.pop_back();
        EXPECT_EQ(ct.dialogues().questions(), attendues) << c.nom;
        const Lignes attendu =
            c.ajoute ? Lignes{{QString::fromUtf8(c.saisi), c.fichier.value(0)}} : Lignes{};
        EXPECT_EQ(lignes(d), attendu) << c.nom;
    }
}

TEST_F(Favoris, APlayListWhoseNameIsNotUtf8IsNotAddedAndNoNameIsAsked)
{
    tools::FFavoris d(t.ctx());
    t.dialogues().answerOpen({t.fichierNonUtf8("f\xEAte.tvl4").chemin});
    t.dialogues().answer(platform::MessageAnswer::Ok);
    d.Command2_Click();
    ASSERT_EQ(t.dialogues().questions().size(), 2u);
    EXPECT_TRUE(t.dialogues().questions()[1].text.startsWith("Un fichier a été laissé de côté"));
    EXPECT_EQ(lignes(d), Lignes{});
}

TEST_F(Favoris, TheSameListCanBeAddedTwiceAfterTheOthers)
{
    ecrire("Rock\r\n/m/rock.tvl4\r\n");
    tools::FFavoris d(t.ctx());
    for (const char* nom : {"Jazz", "Jazz"}) {
        t.dialogues().answerOpen({"/m/jazz.tvl4"});
        t.dialogues().answerText(nom);
        d.Command2_Click();
    }
    EXPECT_EQ(lignes(d), (Lignes{{"Rock", "/m/rock.tvl4"}, {"Jazz", "/m/jazz.tvl4"}, {"Jazz", "/m/jazz.tvl4"}}));
}

TEST_F(Favoris, RemovingAsksAndTakesOnlyTheSelectedRowOnYes)
{
    ecrire("A\r\n/a\r\nB\r\n/b\r\nC\r\n/c\r\n");
    tools::FFavoris d(t.ctx());
    d.Command3_Click();
    EXPECT_TRUE(t.dialogues().questions().empty()) << "nothing selected, nothing asked";

    d.ListView1->setSelected(2, true);
    t.dialogues().answer(MessageAnswer::No);
    d.Command3_Click();
    EXPECT_EQ(lignes(d).size(), 3u);
    t.dialogues().answer(MessageAnswer::Yes);
    d.Command3_Click();
    EXPECT_EQ(lignes(d), (Lignes{{"A", "/a"}, {"C", "/c"}}));
    const auto question = message("Souhaitez-vous réellement supprimer la sélection ?", "Suppression",
                                  MessageIcon::Critical, MessageButtons::YesNo);
    EXPECT_EQ(t.dialogues().questions(), std::vector({question, question}));
}

TEST_F(Favoris, RenamingEditsTheSelectedNameInPlace)
{
    ecrire("A\r\n/a\r\nB\r\n/b\r\n");
    tools::FFavoris d(t.ctx());
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.Command4_Click();
    EXPECT_EQ(d.findChild<QLineEdit*>(), nullptr) << "no selected row, no edit";

    d.ListView1->setSelected(2, true);
    d.Command4_Click();
    auto* edition = d.findChild<QLineEdit*>();
    ASSERT_NE(edition, nullptr);
    EXPECT_TRUE(edition->hasFocus());
    edition->setText("Blues du soir");
    QTest::keyClick(edition, Qt::Key_Return);
    // The editor confirms through a posted call, and the list answers through another.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(lignes(d), (Lignes{{"A", "/a"}, {"Blues du soir", "/b"}}));

    // A name still being typed when the user presses "&Fermer" is kept: the press takes the
    // focus from the editor, which confirms it before the button's release.
    d.ListView1->setSelected(1, true);
    d.Command4_Click();
    edition = d.findChild<QLineEdit*>();
    ASSERT_NE(edition, nullptr);
    edition->setText("Ambiance");
    QTest::mousePress(d.Command1, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::mouseRelease(d.Command1, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(lu(), "Ambiance\r\n/a\r\nBlues du soir\r\n/b\r\n");
}

TEST_F(Favoris, ClosingWritesTheRowsAndRebuildsTheMenu)
{
    ecrire("A\r\n/a\r\n\r\n/sans_nom\r\nB\r\n/b\r\nC\r\n/c\r\n");
    liste.fnChargerFavoris();
    tools::FFavoris d(t.ctx());
    d.ListView1->setSelected(2, true);  // B
    t.dialogues().answer(MessageAnswer::Yes);
    d.Command3_Click();
    t.dialogues().answerOpen({"/autre/c.tvl4"});
    t.dialogues().answerText("C");
    d.Command2_Click();
    d.Command1_Click();

    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(lu(), "A\r\n/a\r\nC\r\n/c\r\nC\r\n/autre/c.tvl4\r\n") << "the pair without a name is gone";
    EXPECT_EQ(menu(), (Lignes{{"A", "/a"}, {"C", "/c"}, {"C", "/autre/c.tvl4"}}));
    EXPECT_EQ(liste.menu("liste_favoris3")->data().toString(), "/autre/c.tvl4");
    EXPECT_FALSE(aucun());
}

TEST_F(Favoris, AnEmptyListClosedLeavesAnEmptyFileAndThePlaceholder)
{
    ecrire("A\r\n/a\r\n");
    liste.fnChargerFavoris();
    tools::FFavoris d(t.ctx());
    d.ListView1->setSelected(1, true);
    t.dialogues().answer(MessageAnswer::Yes);
    d.Command3_Click();
    d.Command1_Click();
    EXPECT_EQ(lu(), "");
    EXPECT_TRUE(menu().empty());
    EXPECT_TRUE(aucun());
}

TEST_F(Favoris, ClosingAnyOtherWayKeepsFileAndMenuAndTheNextOpeningRereadsTheFile)
{
    ecrire("A\r\n/a\r\n");
    liste.fnChargerFavoris();
    {
        tools::FFavoris d(t.ctx());
        t.dialogues().answerOpen({"/b.tvl4"});
        t.dialogues().answerText("B");
        d.Command2_Click();
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Rejected);
    }
    EXPECT_EQ(lu(), "A\r\n/a\r\n");
    EXPECT_EQ(menu(), (Lignes{{"A", "/a"}}));
    tools::FFavoris suivant(t.ctx());
    EXPECT_EQ(lignes(suivant), (Lignes{{"A", "/a"}}));
}

TEST_F(Favoris, WithoutTheFileTheListStartsEmptyAndClosingMakesIt)
{
    tools::FFavoris d(t.ctx());
    EXPECT_TRUE(lignes(d).empty());
    EXPECT_TRUE(t.dialogues().questions().empty());
    t.dialogues().answerOpen({"/m/rock.tvl4"});
    t.dialogues().answerText("Rock");
    d.Command2_Click();
    d.Command1_Click();
    EXPECT_EQ(lu(), "Rock\r\n/m/rock.tvl4\r\n");
    EXPECT_EQ(menu(), (Lignes{{"Rock", "/m/rock.tvl4"}}));
}

// A file that cannot be written: the old file, the menu and the rows all stay, and the user
// is told why, with the dialog still open to try again.
TEST_F(Favoris, AFailedWriteKeepsEverythingAndTheDialogOpen)
{
    ecrire("A\r\n/a\r\n");
    liste.fnChargerFavoris();
    std::filesystem::permissions(fichier(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    tools::FFavoris d(t.ctx());
    d.show();
    t.dialogues().answerOpen({"/b.tvl4"});
    t.dialogues().answerText("B");
    d.Command2_Click();
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command1_Click();

    const QString chemin = QString::fromStdString(fichier().string());
    EXPECT_EQ(t.dialogues().questions().back(),
              message("Impossible d'enregistrer le fichier '" + chemin + "' : il est en lecture seule.\n"
                      "Les favoris n'ont pas été enregistrés ; vos modifications restent dans la liste.",
                      "Annulation de procédure", MessageIcon::Critical));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(lignes(d), (Lignes{{"A", "/a"}, {"B", "/b.tvl4"}}));
    EXPECT_EQ(lu(), "A\r\n/a\r\n");
    EXPECT_EQ(menu(), (Lignes{{"A", "/a"}}));

    std::filesystem::permissions(fichier(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    d.Command1_Click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(lu(), "A\r\n/a\r\nB\r\n/b.tvl4\r\n");
    EXPECT_EQ(menu(), (Lignes{{"A", "/a"}, {"B", "/b.tvl4"}}));
}

TEST_F(Favoris, AFileThatCannotBeReadIsToldAndTheListStartsEmpty)
{
    std::filesystem::create_directory(fichier());
    t.dialogues().answer(MessageAnswer::Ok);
    tools::FFavoris d(t.ctx());
    const QString chemin = QString::fromStdString(fichier().string());
    EXPECT_EQ(t.dialogues().questions(),
              std::vector({message("Impossible de lire le fichier '" + chemin + "'.\nLa liste des favoris s'ouvre vide.",
                                   "Erreur d'ouverture", MessageIcon::Exclamation)}));
    EXPECT_TRUE(lignes(d).empty());
}

TEST_F(Favoris, TheMenuEntryOpensTheDialogModallyAndItGoesAtClose)
{
    ecrire("A\r\n/a\r\n");
    QPointer<tools::FFavoris> ouvert;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        ouvert = dynamic_cast<tools::FFavoris*>(QApplication::activeModalWidget());
        if (!ouvert)
            return;
        modal = ouvert->isModal() && ouvert->isVisible();
        t.dialogues().answerOpen({"/b.tvl4"});
        t.dialogues().answerText("B");
        ouvert->Command2->click();
        ouvert->Command1->click();
    });
    liste.menu("Ajouter_Favoris")->trigger();
    EXPECT_TRUE(modal);
    EXPECT_TRUE(ouvert.isNull()) << "destroyed at close";
    EXPECT_EQ(menu(), (Lignes{{"A", "/a"}, {"B", "/b.tvl4"}}));
}

}  // namespace
