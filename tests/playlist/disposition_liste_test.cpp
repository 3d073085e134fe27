#include "playlist/disposition_liste.h"

#include "support/case_names.h"

#include <gtest/gtest.h>

using namespace tulvane::playlist;

namespace {

// The window as it opens: client area 10140 x 7500, the list as drawn, every bar shown.
EtatFenetre aLOuverture()
{
    EtatFenetre e;
    e.largeur = 10140 + 120;
    e.hauteur = 7500 + 685;
    e.largeurListe = 10035;
    e.largeurColonne2 = 2000;
    e.largeurColonne3 = 2300;
    return e;
}

TEST(DispositionListe, TheFirstLayoutFillsTheClientAreaAndWidensTheColumns)
{
    const auto d = disposerFenetre(aLOuverture());
    ASSERT_TRUE(d);
    EXPECT_EQ(d->largeur, 10260);
    EXPECT_EQ(d->hauteur, 8185);
    EXPECT_EQ(d->colonnes, (LargeursInitiales{5415, 8028, 3010.5}));
    EXPECT_EQ(d->liste, (Rectangle{0, 360, 10140, 6270}));
    EXPECT_EQ(d->gaucheAide, 2602.5);
    EXPECT_EQ(d->hautAide, 1535);
    EXPECT_EQ(d->hautProgression, 7220);
    EXPECT_EQ(d->barreOutils, (Rectangle{0, 0, 10140, 360}));
    EXPECT_EQ(d->barreRecherche, (Rectangle{0, 6630, 10140, 555}));
    EXPECT_EQ(d->barreEtat, (Rectangle{0, 7185, 10140, 315}));
    // The list ends where the search bar begins.
    EXPECT_EQ(d->liste.haut + d->liste.hauteur, d->barreRecherche.haut);
}

TEST(DispositionListe, NothingAtAllWhileMinimised)
{
    EtatFenetre e = aLOuverture();
    e.minimisee = true;
    e.largeur = 100;
    EXPECT_FALSE(disposerFenetre(e));
}

TEST(DispositionListe, TheFirstTimeWidthsOnlyOnce)
{
    EtatFenetre e = aLOuverture();
    e.colonnesInit = true;
    EXPECT_FALSE(disposerFenetre(e)->colonnes);
}

struct CasMinimum {
    double largeur, hauteur;
    double largeurAttendue, hauteurAttendue;
};

class MinimumFenetre : public testing::TestWithParam<CasMinimum> {};

TEST_P(MinimumFenetre, EachSideSnapsBackOnItsOwn)
{
    EtatFenetre e = aLOuverture();
    e.largeur = GetParam().largeur;
    e.hauteur = GetParam().hauteur;
    const auto d = disposerFenetre(e);
    EXPECT_EQ(d->largeur, GetParam().largeurAttendue);
    EXPECT_EQ(d->hauteur, GetParam().hauteurAttendue);
    // The rest of the layout follows the corrected size.
    EXPECT_EQ(d->liste.largeur, GetParam().largeurAttendue - 120);
    EXPECT_EQ(d->liste.hauteur, GetParam().hauteurAttendue - 685 - 555 - 360 - 315);
    EXPECT_EQ(d->hautProgression, GetParam().hauteurAttendue - 965);
}

INSTANTIATE_TEST_SUITE_P(Cases, MinimumFenetre,
    testing::Values(CasMinimum{8000, 9000, 9100, 9000}, CasMinimum{12000, 7000, 12000, 7600},
                    CasMinimum{3000, 2000, 9100, 7600}, CasMinimum{9100, 7600, 9100, 7600},
                    CasMinimum{9099.5, 7601, 9100, 7601}),
    [](const auto& info) {
        return "outer" + tulvane::test::caseName(info.param.largeur) + "x" + tulvane::test::caseName(info.param.hauteur);
    });

struct CasBarre {
    const char* nom;
    bool outils, recherche, etat;
    double haut, hauteur;
};

class BarresMasquees : public testing::TestWithParam<CasBarre> {};

TEST_P(BarresMasquees, AHiddenBarGivesItsHeightToTheList)
{
    EtatFenetre e = aLOuverture();
    e.barreOutils = GetParam().outils;
    e.barreRecherche = GetParam().recherche;
    e.barreEtat = GetParam().etat;
    const auto d = disposerFenetre(e);
    EXPECT_EQ(d->liste.haut, GetParam().haut);
    EXPECT_EQ(d->liste.hauteur, GetParam().hauteur);
    // The help panel and the progress bar do not move with the bars.
    EXPECT_EQ(d->hautAide, 1535);
    EXPECT_EQ(d->hautProgression, 7220);
    // The search bar sits on the status bar, or on the bottom edge without it.
    EXPECT_EQ(d->barreRecherche.haut, GetParam().etat ? 6630 : 6945);
}

INSTANTIATE_TEST_SUITE_P(Cases, BarresMasquees,
    testing::Values(CasBarre{"all", true, true, true, 360, 6270}, CasBarre{"noToolBar", false, true, true, 0, 6630},
                    CasBarre{"noSearchBar", true, false, true, 360, 6825},
                    CasBarre{"noStatusBar", true, true, false, 360, 6585},
                    CasBarre{"none", false, false, false, 0, 7500}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(DispositionListe, TheHelpPanelStaysCentredOnAMovedList)
{
    EtatFenetre e = aLOuverture();
    e.gaucheListe = 300;
    const auto d = disposerFenetre(e);
    EXPECT_EQ(d->liste.largeur, 10260 - 300 - 120);
    EXPECT_EQ(d->gaucheAide, 300 + (9840 - 4935) / 2.0);
}

}  // namespace
