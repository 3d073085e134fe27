// Marks, random marking, selection and sorting of the play list.
#include "fenetre_liste.h"

#include <QAction>

#include <cmath>

using namespace tulvane;

namespace {

using Marques = test::FenetreListe;

struct CasMarques {
    const char* commande;
    std::vector<bool> attendu;
};

// Four rows marked 1 0 1 0, rows 2 and 3 selected.
TEST_F(Marques, EachMarkCommandSetsItsMarksAndLeavesTheSelection)
{
    const std::vector<CasMarques> cas = {
        {"Marquer_tout0", {true, true, true, true}},
        {"Marquer_tout1", {false, false, false, false}},
        {"Inverser", {false, true, false, true}},
        {"marquer_selec0", {true, true, false, false}},
        {"Sélectionner_tout", {true, false, true, false}},
    };
    remplir(4);
    for (const CasMarques& c : cas) {
        marquer({true, false, true, false});
        selectionner({false, true, true, false});
        liste.menu(QString::fromUtf8(c.commande))->trigger();
        EXPECT_EQ(marques(), c.attendu) << c.commande;
        if (std::string_view(c.commande) == "Sélectionner_tout")
            EXPECT_EQ(selection(), std::vector<bool>(4, true));
        else
            EXPECT_EQ(selection(), std::vector<bool>({false, true, true, false})) << c.commande;
    }
}

TEST_F(Marques, TheSelectionsMarksFlipThroughTheToolBarAndNothingWithoutASelection)
{
    remplir(3);
    marquer({true, false, false});
    liste.Toolbar1_ButtonClick(16);
    EXPECT_EQ(marques(), std::vector<bool>({true, false, false}));
    selectionner({true, true, false});
    liste.Toolbar1_ButtonClick(16);
    EXPECT_EQ(marques(), std::vector<bool>({false, true, false}));
}

class MarquageAleatoire : public test::FenetreListe, public testing::WithParamInterface<int> {};

// Every row is set anew from its own draw of the one generator: marked when the draw gives 2.
TEST_P(MarquageAleatoire, MarksExactlyTheRowsWhoseDrawGivesTwo)
{
    const int entree = GetParam();
    const int frequence = (entree + 1) * 3;
    remplir(300);
    marquer(std::vector<bool>(300, true));
    liste.menu(QString::fromUtf8("choixFréquence%1").arg(entree))->trigger();
    EXPECT_EQ(liste.vFrequence, frequence);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(liste.menu(QString::fromUtf8("choixFréquence%1").arg(i))->isChecked(), i == entree);
    EXPECT_EQ(marques(), std::vector<bool>(300, true)) << "choosing a frequency marks nothing";

    t.ctx().aleatoire().suivant();  // draws made elsewhere move the shared sequence on
    platform::Aleatoire tirages = t.ctx().aleatoire();
    liste.menu(QString::fromUtf8("cocher_aléatoirement"))->trigger();
    std::vector<bool> attendu;
    for (int i = 0; i < 300; ++i)
        attendu.push_back(int(std::floor(tirages.suivant() * frequence + 1)) == 2);
    EXPECT_EQ(marques(), attendu);
    const auto marquees = std::count(attendu.begin(), attendu.end(), true);
    EXPECT_GT(marquees, 300 / frequence / 2);
    EXPECT_LT(marquees, 300 / frequence * 2);
    EXPECT_EQ(t.ctx().aleatoire().suivant(), tirages.suivant()) << "one draw per row";
}

INSTANTIATE_TEST_SUITE_P(Frequences, MarquageAleatoire, testing::Values(0, 1, 2, 3));

TEST_F(Marques, OnAnEmptyListNothingHappensAndNothingIsDrawn)
{
    platform::Aleatoire tirages = t.ctx().aleatoire();
    for (const char* commande : {"Marquer_tout0", "Marquer_tout1", "Inverser", "cocher_aléatoirement",
                                 "marquer_selec0", "Sélectionner_tout", "ordre_tri0"})
        liste.menu(QString::fromUtf8(commande))->trigger();
    EXPECT_EQ(vue.count(), 0);
    EXPECT_EQ(t.ctx().aleatoire().suivant(), tirages.suivant());
}

// ---- Sorting ----

class Tri : public test::FenetreListe {
protected:
    void SetUp() override
    {
        vue.addItems({{"b.mp3", "Zoé", "", "", "", "320 kbps", "/m/b.mp3", "10:00", ""},
                      {"c.mp3", "alain", "", "", "", "064 kbps", "/m/c.mp3", "03:00", ""},
                      {"a.mp3", "Émile", "", "", "", "128 kbps", "/m/a.mp3", "03:30", ""}});
    }

    QStringList colonne(int k) const
    {
        QStringList textes;
        for (int i = 1; i <= vue.count(); ++i)
            textes << vue.subItem(i, k);
        return textes;
    }
};

TEST_F(Tri, KbpsAndDurationSortByTheirValue)
{
    liste.menu("ordre_tri5")->trigger();
    EXPECT_EQ(colonne(5), QStringList({"064 kbps", "128 kbps", "320 kbps"}));
    liste.menu("ordre_tri7")->trigger();
    EXPECT_EQ(colonne(7), QStringList({"03:00", "03:30", "10:00"}));
    EXPECT_EQ(vue.sortKey(), 7);
    EXPECT_TRUE(vue.isSorted());
}

TEST_F(Tri, TheMenuAndAClickOnTheHeaderGiveTheSameOrder)
{
    liste.ordre_tri_Click(1);
    const QStringList parMenu = colonne(0);
    EXPECT_EQ(colonne(1), QStringList({"alain", "Émile", "Zoé"}));
    liste.ordre_tri_Click(0);
    emit vue.columnClick(2);  // the "Auteur" header
    EXPECT_EQ(colonne(0), parMenu);
    EXPECT_EQ(vue.sortKey(), 1);
    emit vue.columnClick(1);
    EXPECT_EQ(colonne(0), QStringList({"a.mp3", "b.mp3", "c.mp3"}));
    emit vue.columnClick(1);  // again: still ascending
    EXPECT_EQ(colonne(0), QStringList({"a.mp3", "b.mp3", "c.mp3"}));
}

}  // namespace
