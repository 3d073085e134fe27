// The search bar: matching, the search over the rows, the history of queries.
#include "fenetre_liste.h"
#include "playlist/recherche.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageIcon;

namespace {

TEST(TexteDuChamp, AllFieldsJoinTheNineCellsAndFieldKIsColumnK)
{
    const std::array<QString, 9> cellules = {"a.mp3", "Auteur", "Titre", "", "Rock", "128 kbps", "/m/a.mp3",
                                             "03:00", "fin"};
    EXPECT_EQ(playlist::texteDuChamp(cellules, 0), "a.mp3AuteurTitreRock128 kbps/m/a.mp303:00fin");
    for (int champ = 1; champ <= 9; ++champ)
        EXPECT_EQ(playlist::texteDuChamp(cellules, champ), cellules[std::size_t(champ - 1)]) << champ;
}

TEST(RequeteRecherche, MatchesInAnyCaseAndHashAnchorsAtTheStart)
{
    const std::vector<std::tuple<const char*, const char*, bool>> cas = {
        {"abc", "xxABCyy", true},       {"ABC", "xxabcyy", true},        {"abd", "xxabcyy", false},
        {"#ab", "Abba.mp3", true},      {"#ab", "xab.mp3", false},       {"#", "", true},
        {"#", "n'importe", true},       {"é", "CAFÉ", true},             {"É", "café", true},
        {"ça", "FAÇADE", true},         {"kbps", "128 kbps", true},      {"e", "É", false},
        {"a#b", "a#B", true},           {"##", "#x", true},              {"#x", "y#x", true},  // a "#" inside the text counts too
    };
    for (const auto& [requete, texte, trouve] : cas)
        EXPECT_EQ(playlist::RequeteRecherche(QString::fromUtf8(requete)).trouveDans(QString::fromUtf8(texte)), trouve)
            << requete << " in " << texte;
}

class Recherche : public test::FenetreListe {
protected:
    void SetUp() override
    {
        vue.addItems({{"Abba.mp3", "ABBA", "Waterloo", "", "Pop", "128 kbps", "/m/Abba.mp3", "02:45", ""},
                      {"xab.mp3", "Inconnu", "", "", "", "064 kbps", "/m/xab.mp3", "", "rock"},
                      {"café.wav", "Éric", "Façade", "", "", "", "/m/café.wav", "", "Rock"},
                      {"abc.mp3", "", "", "", "", "320 kbps", "/m/abc.mp3", "", ""}});
    }

    std::size_t chercher(const QString& requete, int champ, bool cocher, MessageAnswer reponse = MessageAnswer::Ok)
    {
        liste.Combo1->setEditText(requete);
        liste.Combo2->setCurrentIndex(champ);
        liste.Check1->setChecked(cocher);
        t.dialogues().answer(reponse);
        liste.Command1->click();
        return t.dialogues().questions().size();
    }

    test::ScriptedDialogs::Question resultat(int trouves) const
    {
        return message(QString("%1 élément(s) trouvé(s) pour la requête en cours.").arg(trouves),
                       "Recherhce terminée", MessageIcon::Information);
    }

    QStringList historique() const
    {
        QStringList entrees;
        for (int i = 0; i < liste.Combo1->count(); ++i)
            entrees << liste.Combo1->itemText(i);
        return entrees;
    }
};

TEST_F(Recherche, TheBarHoldsItsControls)
{
    EXPECT_EQ(liste.Label1[0]->text(), "Rechercher :");
    EXPECT_EQ(liste.Label1[1]->text(), "sur :");
    EXPECT_EQ(liste.Command1->text(), "OK");
    EXPECT_EQ(liste.Check1->text(), "Cocher les élém. trouvés");
    EXPECT_FALSE(liste.Check1->isChecked());
    EXPECT_TRUE(liste.Combo1->isEditable());
    EXPECT_EQ(liste.Combo1->count(), 0);
    EXPECT_EQ(liste.Combo1->parentWidget(), liste.Picture6);
    EXPECT_EQ(liste.Combo2->count(), 10);
    EXPECT_EQ(liste.Combo2->itemText(0), "<Tous les champs>");
}

TEST_F(Recherche, TheHitsBecomeTheSelectionAndWithTheBoxTheMarks)
{
    marquer({true, true, false, false});
    selectionner({false, true, true, false});
    chercher("ab", 0, false);
    EXPECT_EQ(selection(), std::vector<bool>({true, true, false, true}));
    EXPECT_EQ(marques(), std::vector<bool>({true, true, false, false})) << "marks untouched";
    EXPECT_EQ(t.dialogues().questions().back(), resultat(3));

    chercher("rock", 0, true);
    EXPECT_EQ(selection(), std::vector<bool>({false, true, true, false}));
    EXPECT_EQ(marques(), std::vector<bool>({false, true, true, false}));
    EXPECT_EQ(t.dialogues().questions().back(), resultat(2));
}

TEST_F(Recherche, FieldChoicesAndTheHashSign)
{
    const std::vector<std::tuple<const char*, int, std::vector<bool>>> cas = {
        {"#ab", 1, {true, false, false, true}},   // names that begin with AB
        {"ab", 1, {true, true, false, true}},
        {"kbps", 6, {true, true, false, true}},   // every row with a bitrate text
        {"#", 4, {true, true, true, true}},
        {"é", 0, {false, false, true, false}},
        {"ÉRIC", 2, {false, false, true, false}},
        {"ic", 2, {false, false, true, false}},
        {"ic", 3, {false, false, false, false}},
        {"mp3abba", 0, {true, false, false, false}},  // across the joint of two fields
    };
    for (const auto& [requete, champ, attendu] : cas) {
        chercher(QString::fromUtf8(requete), champ, false);
        EXPECT_EQ(selection(), attendu) << requete << " in field " << champ;
    }
}

TEST_F(Recherche, NoHitClearsTheSelectionAndWithTheBoxEveryMark)
{
    marquer({true, true, true, true});
    selectionner({true, true, true, true});
    chercher("introuvable", 0, true);
    EXPECT_EQ(selection(), std::vector<bool>(4, false));
    EXPECT_EQ(marques(), std::vector<bool>(4, false));
    EXPECT_EQ(t.dialogues().questions().back(), resultat(0));
}

TEST_F(Recherche, AnEmptyQueryDoesNothingAndAnEmptyListCountsZero)
{
    selectionner({true, false, false, false});
    liste.Combo1->setEditText("");
    liste.Command1_Click();
    EXPECT_TRUE(t.dialogues().questions().empty());
    EXPECT_EQ(selection(), std::vector<bool>({true, false, false, false}));
    EXPECT_EQ(liste.Combo1->count(), 0);

    vue.clear();
    chercher("ab", 0, false);
    EXPECT_EQ(t.dialogues().questions().back(), resultat(0));
}

TEST_F(Recherche, EnterInTheQueryBoxSearchesAndTheHistoryTellsCase)
{
    liste.show();
    liste.Combo1->setFocus();
    t.dialogues().answer(MessageAnswer::Ok);
    QTest::keyClicks(liste.Combo1, "Rock");
    QTest::keyClick(liste.Combo1, Qt::Key_Return);
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_EQ(t.dialogues().questions().back(), resultat(2));
    EXPECT_EQ(historique(), QStringList({"Rock"}));

    chercher("Rock", 0, false);
    EXPECT_EQ(historique(), QStringList({"Rock"}));
    chercher("rock", 0, false);
    EXPECT_EQ(historique(), QStringList({"Rock", "rock"}));
}

TEST_F(Recherche, LeavingTheQueryBoxAddsItToTheHistory)
{
    liste.Combo1->setEditText("Jazz");
    liste.Combo1_LostFocus();
    liste.Combo1->setEditText("");
    liste.Combo1_LostFocus();
    liste.Combo1->setEditText("Jazz");
    liste.Combo1_LostFocus();
    EXPECT_EQ(historique(), QStringList({"Jazz"}));
    EXPECT_TRUE(t.dialogues().questions().empty());
}

TEST_F(Recherche, TheFirstHitIsScrolledIntoView)
{
    vue.clear();
    remplir(400);
    vue.setSubItem(350, playlist::kCommentaires, "cherché");
    liste.show();
    QApplication::processEvents();
    ASSERT_LT(vue.itemAt(5, vue.height() / 2), 350);
    chercher("cherché", 0, false);
    QApplication::processEvents();
    bool visible = false;
    for (int y = 0; y < vue.height(); y += 2)
        visible = visible || vue.itemAt(5, y) == 350;
    EXPECT_TRUE(visible);
    EXPECT_TRUE(vue.isAncestorOf(liste.focusWidget()));
}

}  // namespace
