#include "playlist/deplacement_lignes.h"

#include "support/case_names.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace tulvane::playlist;

namespace {

// The move done step by step: insert a copy at the target, remove the old row, start the
// scan again at row 1.
DeplacementLignes pasAPas(const std::vector<bool>& selection, int d)
{
    struct Ligne {
        int origine;
        bool choisie;
    };
    std::vector<Ligne> lignes;
    for (std::size_t i = 0; i < selection.size(); ++i)
        lignes.push_back({int(i), selection[i]});
    DeplacementLignes r;
    r.deplacees.assign(selection.size(), false);
    bool bouge = true;
    while (bouge) {
        bouge = false;
        const int n = int(lignes.size());
        for (int i = 1; i <= n; ++i) {
            const int t = i + d;
            if (!lignes[std::size_t(i - 1)].choisie || t <= 1 || t >= n)
                continue;
            const Ligne copie{lignes[std::size_t(i - 1)].origine, false};
            lignes.insert(lignes.begin() + (t - 1), copie);
            lignes.erase(lignes.begin() + (d > 0 ? i - 1 : i));
            r.deplacees[std::size_t(copie.origine)] = true;
            bouge = true;
            break;
        }
    }
    for (const Ligne& l : lignes)
        r.ordre.push_back(l.origine);
    return r;
}

std::string lettres(const DeplacementLignes& r)
{
    std::string s;
    for (int i : r.ordre)
        s += char('P' + i);
    return s;
}

struct CasPQRSTUV {
    int distance;
    const char* ordre;
    bool rDeplacee;
};

class SeptLignes : public testing::TestWithParam<CasPQRSTUV> {};

// P Q R S T U V with only R selected.
TEST_P(SeptLignes, DragOfR)
{
    const std::vector<bool> selection = {false, false, true, false, false, false, false};
    const DeplacementLignes r = deplacerLignes(selection, GetParam().distance);
    EXPECT_EQ(lettres(r), GetParam().ordre);
    EXPECT_EQ(r.deplacees[2], GetParam().rDeplacee);
    for (int autre : {0, 1, 3, 4, 5, 6})
        EXPECT_FALSE(r.deplacees[std::size_t(autre)]);
}

INSTANTIATE_TEST_SUITE_P(Cases, SeptLignes,
    testing::Values(CasPQRSTUV{-1, "PRQSTUV", true}, CasPQRSTUV{-2, "PQRSTUV", false},
                    CasPQRSTUV{2, "PQSRTUV", true}, CasPQRSTUV{1, "PQRSTUV", true},
                    CasPQRSTUV{3, "PQSTRUV", true}, CasPQRSTUV{4, "PQRSTUV", false},
                    CasPQRSTUV{0, "PQRSTUV", false}),
    [](const auto& info) { return "by" + tulvane::test::caseName(info.param.distance); });

TEST(DeplacementLignes, ARowWhoseTargetIsTheLastIndexStays)
{
    const DeplacementLignes r = deplacerLignes({false, false, false, false, true, false, false}, 2);
    EXPECT_EQ(lettres(r), "PQRSTUV");
    EXPECT_FALSE(r.deplacees[4]);
}

TEST(DeplacementLignes, SeveralSelectedRowsMoveOneAtATimeLowestFirst)
{
    // Q and S up one band: Q would reach index 1 and stays; S goes before R.
    EXPECT_EQ(lettres(deplacerLignes({false, true, false, true, false}, -1)), "PQSRT");
    // Q and R up one band: R passes Q, then Q, pushed to 3, passes R back.
    EXPECT_EQ(lettres(deplacerLignes({false, true, true, false, false}, -1)), "PQRST");
    // Q and R down three bands: each goes down two places, Q first.
    EXPECT_EQ(lettres(deplacerLignes({false, true, true, false, false, false}, 3)), "PSQRTU");
}

TEST(DeplacementLignes, MatchesTheStepByStepMoveOnRandomLists)
{
    std::mt19937 hasard(20240611);
    for (int essai = 0; essai < 3000; ++essai) {
        const int n = int(hasard() % 25);
        std::vector<bool> selection(static_cast<std::size_t>(n));
        const unsigned part = hasard() % 4;
        for (std::size_t i = 0; i < selection.size(); ++i)
            selection[i] = hasard() % 4 <= part;
        int d = int(hasard() % 17) - 8;
        if (d == 0)
            d = 1;
        const DeplacementLignes attendu = pasAPas(selection, d);
        const DeplacementLignes obtenu = deplacerLignes(selection, d);
        ASSERT_EQ(obtenu.ordre, attendu.ordre) << "n " << n << " d " << d << " essai " << essai;
        ASSERT_EQ(obtenu.deplacees, attendu.deplacees) << "n " << n << " d " << d << " essai " << essai;
    }
}

TEST(DeplacementLignes, EveryRowSelectedAndDraggedOnAFullList)
{
    const std::vector<bool> toutes(2000, true);
    for (int d : {1, -1, 5, -5})
        EXPECT_EQ(deplacerLignes(toutes, d).ordre, pasAPas(toutes, d).ordre) << d;
}

TEST(BandeDe, WholeBandsRoundedDown)
{
    EXPECT_EQ(bandeDe(0), 0);
    EXPECT_EQ(bandeDe(255.1), 0);
    EXPECT_EQ(bandeDe(255.1181), 1);
    EXPECT_EQ(bandeDe(2551.181), 10);
    EXPECT_EQ(bandeDe(-1), -1);
}

}  // namespace
