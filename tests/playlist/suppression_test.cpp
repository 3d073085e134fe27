// Removing rows: duplicates, the selected rows, a file sent to the trash.
#include "fenetre_liste.h"
#include "playlist/doublons.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

TEST(ReperesDoublons, EveryLaterCopyOfAPathAndOnlyAnExactCopy)
{
    const std::vector<std::u16string_view> chemins = {u"/a", u"/b", u"/a", u"/A", u"/a ", u"/a", u"/b", u""};
    EXPECT_EQ(playlist::reperesDoublons(chemins),
              std::vector<bool>({false, false, true, false, false, true, true, false}));
    EXPECT_TRUE(playlist::reperesDoublons({}).empty());
}

using Suppression = test::FenetreListe;

test::ScriptedDialogs::Question compteDoublons(int n)
{
    test::ScriptedDialogs::Question q;
    q.text = QString("%1 doublon(s) a/ont été supprimé(s) de la Play-Liste active.").arg(n);
    q.title = "Opération terminée";
    q.icon = MessageIcon::Information;
    return q;
}

TEST_F(Suppression, TheFirstRowOfAPathStaysAndItsLaterCopiesGo)
{
    lignesDe({"/m/1", "/m/x", "/m/3", "/m/4", "/m/x", "/m/6", "/m/x", "/m/X"});
    vue.setSubItem(5, playlist::kAuteur, "copie");
    marquer({true, true, false, true, true, false, true, false});
    selectionner({false, false, true, false, false, false, false, true});
    t.dialogues().answer(MessageAnswer::Ok);
    liste.menu("suppr_doublons")->trigger();
    EXPECT_EQ(chemins(), QStringList({"/m/1", "/m/x", "/m/3", "/m/4", "/m/6", "/m/X"}));
    EXPECT_EQ(vue.subItem(2, playlist::kAuteur), "");
    EXPECT_EQ(marques(), std::vector<bool>(6, false));
    EXPECT_EQ(selection(), std::vector<bool>({false, false, true, false, false, true}));
    EXPECT_EQ(t.dialogues().questions(), std::vector({compteDoublons(2)}));
    EXPECT_FALSE(liste.ProgressBar1->isVisible());
}

TEST_F(Suppression, WithoutDuplicatesTheMarksAreClearedAndTheCountIsZero)
{
    remplir(3);
    marquer({true, false, true});
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Toolbar1_ButtonMenuClick("k102");
    EXPECT_EQ(vue.count(), 3);
    EXPECT_EQ(marques(), std::vector<bool>(3, false));
    EXPECT_EQ(t.dialogues().questions(), std::vector({compteDoublons(0)}));
}

TEST_F(Suppression, TheSelectedRowsGoOnYesOnly)
{
    const auto question = message("Toous les éléments sélectionnés seront supprimés de la liste.\n"
                                  "Souhaitez-vous effectuer cette action ?",
                                  "Suppression", MessageIcon::Exclamation, MessageButtons::YesNo);
    remplir(5);
    marquer({false, true, false, true, false});
    selectionner({true, false, true, false, true});
    t.dialogues().answer(MessageAnswer::No);
    liste.Toolbar1_ButtonClick(10);
    EXPECT_EQ(vue.count(), 5);
    t.dialogues().answer(MessageAnswer::Yes);
    liste.menu("Supprimer")->trigger();
    EXPECT_EQ(chemins(), QStringList({"/musique/piste2.mp3", "/musique/piste4.mp3"}));
    EXPECT_EQ(marques(), std::vector<bool>({true, true}));
    EXPECT_EQ(t.dialogues().questions(), std::vector({question, question}));

    selectionner({false, false});
    t.dialogues().answer(MessageAnswer::Yes);
    liste.Toolbar1_ButtonMenuClick("k101");
    EXPECT_EQ(vue.count(), 2);
}

// The trash is a private one: the user's data folder points into the test's folder.
class Corbeille : public test::FenetreListe {
protected:
    void SetUp() override
    {
        ancien_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((donnees_.path() / "donnees").string()));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", ancien_); }

    QStringList dansLaCorbeille() const
    {
        return QDir(QString::fromStdString((donnees_.path() / "donnees" / "Trash" / "files").string()))
            .entryList(QDir::Files);
    }

    test::ScriptedDialogs::Question confirmation(const QString& nom) const
    {
        return message("Le fichier '" + nom + "' sera supprimé vers la corbeille.\n"
                       "Souhaitez-vous réellement effectuer cette opération ?",
                       "Suppression", MessageIcon::Critical, MessageButtons::YesNo);
    }

private:
    test::TempFolder donnees_;
    QByteArray ancien_;
};

TEST_F(Corbeille, ThePlayersFileIsRefused)
{
    const QString chemin = t.fichier("joue.mp3");
    lignesDe({chemin});
    t.piste().setFileName(chemin);
    vue.setSelected(1, true);
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Toolbar1_ButtonMenuClick("k103");
    EXPECT_EQ(t.dialogues().questions(),
              std::vector({message("Vous ne pouvez pas supprimer le fichier qui en cours de lecture ou qui est chargé "
                                   "dans le cache du lecteur.",
                                   "Procédure impossible", MessageIcon::Critical)}));
    EXPECT_TRUE(QFile::exists(chemin));
    EXPECT_EQ(vue.count(), 1);
}

TEST_F(Corbeille, TheSelectedItemsFileGoesToTheTrashWithItsRowAlone)
{
    const QString a = t.fichier("a.mp3"), b = t.fichier("b.mp3"), c = t.fichier("c.mp3");
    lignesDe({a, b, c});
    t.piste().setFileName(a);
    vue.setSelected(3, true);
    vue.setSelected(2, true);  // the current item
    t.dialogues().answer(MessageAnswer::No);
    liste.menu("Supprimer_source")->trigger();
    EXPECT_TRUE(QFile::exists(b));
    t.dialogues().answer(MessageAnswer::Yes);
    liste.menu("Supprimer_source")->trigger();
    EXPECT_EQ(t.dialogues().questions(), std::vector({confirmation("b.mp3"), confirmation("b.mp3")}));
    EXPECT_FALSE(QFile::exists(b));
    EXPECT_EQ(dansLaCorbeille(), QStringList({"b.mp3"}));
    EXPECT_EQ(chemins(), QStringList({a, c}));
}

TEST_F(Corbeille, AFileThatCouldNotBeTrashedKeepsItsRowAndIsSaid)
{
    const QString parti = QString::fromStdString((t.dossier() / "parti.mp3").string());
    lignesDe({parti});
    vue.setSelected(1, true);
    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Supprimer_source_Click();
    const auto& q = t.dialogues().questions();
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[1].title, "Annulation de procédure");
    EXPECT_EQ(q[1].icon, MessageIcon::Critical);
    EXPECT_TRUE(q[1].text.contains(parti)) << q[1].text.toStdString();
    EXPECT_EQ(vue.count(), 1);
}

TEST_F(Corbeille, WithoutASelectedRowNothingHappens)
{
    remplir(2);
    liste.Supprimer_source_Click();
    EXPECT_TRUE(t.dialogues().questions().empty());
    EXPECT_EQ(vue.count(), 2);
}

}  // namespace
