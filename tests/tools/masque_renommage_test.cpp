// New names from a mask and their verification, without a window.
#include "tools/masque_renommage.h"

#include <gtest/gtest.h>

#include <set>

using namespace tulvane::tools;

namespace {

struct CasMasque {
    const char* nom;
    ReglagesMasque reglages;
    std::vector<FichierApercu> fichiers;
    std::vector<std::string> attendus;
};

void PrintTo(const CasMasque& c, std::ostream* os)
{
    *os << c.nom;
}

const std::vector<FichierApercu> kTrois = {{"a.mp3", "20240102", "030405"}, {"b.wav", "20240102", "030405"},
                                           {"c", "20240102", "030405"}};

class Masques : public testing::TestWithParam<CasMasque> {};

TEST_P(Masques, GiveTheNewNames)
{
    const CasMasque& c = GetParam();
    EXPECT_EQ(nouveauxNoms(c.reglages, c.fichiers, [] { return 0.5; }), c.attendus);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Masques,
    testing::Values(
        CasMasque{"counter with the default settings keeps no extension", {"[C]"}, kTrois, {"01", "02", "03"}},
        CasMasque{"counter grows past its digits and a name without a dot has no extension",
                  {"[C][E]", 8, 1, 1}, kTrois, {"8.mp3", "9.wav", "10"}},
        CasMasque{"old name", {"[A]"}, kTrois, {"a.mp3", "b.wav", "c"}},
        CasMasque{"tokens are case-sensitive", {"[a][c][e]x"}, kTrois, {"[a][c][e]x", "[a][c][e]x", "[a][c][e]x"}},
        CasMasque{"date and time", {"[D]-[H][E]"}, {{"a.mp3", "20240102", "030405"}}, {"20240102-030405.mp3"}},
        CasMasque{"an old name brings in the tokens that come after it",
                  {"[A]"},
                  {{"x[D].mp3", "20240102", "030405"}, {"x[N][C][E].mp3", "20240102", "030405"}},
                  {"x20240102.mp3", "x[N][C].mp3.mp3"}},
        CasMasque{"the extension is from the last dot",
                  {"n[E]"},
                  {{"a.b.mp3", "", ""}, {".x", "", ""}},
                  {"n.mp3", "n.x"}},
        CasMasque{"increment and digits", {"p[C]", 0, 10, 15}, kTrois,
                  {"p000000000000000", "p000000000000010", "p000000000000020"}},
        CasMasque{"a fractional start is rounded, a half away from zero", {"[C]", 2.5, 1, 2}, kTrois,
                  {"03", "04", "05"}},
        CasMasque{"every occurrence is replaced", {"[C]-[C]"}, kTrois, {"01-01", "02-02", "03-03"}},
        CasMasque{"a missing file's date and time are empty", {"[D][H]x"}, {{"a", "", ""}}, {"x"}}));

TEST(MasqueRenommage, RandomDigitsAreOneToNineAndDrawnAfreshForEveryFile)
{
    std::vector<double> tirages = {0.0, 0.999999, 0.5, 0.12, 0.34, 0.56};
    std::size_t suivant = 0;
    const auto noms = nouveauxNoms({"[N]", 1, 1, 3}, std::vector<FichierApercu>(2, {"a", "", ""}),
                                   [&] { return tirages.at(suivant++); });
    EXPECT_EQ(noms, (std::vector<std::string>{"195", "246"}));
    EXPECT_EQ(suivant, 6u);
}

TEST(MasqueRenommage, EachEntryOfTheListGivesItsToken)
{
    const std::vector<std::string> jetons = {"[A]", "[E]", "[D]", "[H]", "[C]", "[N]"};
    for (std::size_t i = 0; i < kFonctionnalites.size(); ++i)
        EXPECT_EQ(jetonDe(kFonctionnalites[i]), jetons[i]);
}

TEST(MasqueRenommage, ReplacementDoesNotScanWhatItPutIn)
{
    EXPECT_EQ(remplacerTout("[C][C]", "[C]", "[C][C]"), "[C][C][C][C]");
    EXPECT_EQ(remplacerTout("aaa", "aa", "b"), "ba");
}

TEST(VerificationNoms, RefusesRepeatsAcrossFoldersExistingFilesAndNamesThatAreNotNames)
{
    const std::set<std::string> existants = {"/m/b/pris.mp3"};
    const auto existe = [&](const std::string& chemin) { return existants.count(chemin) > 0; };
    const std::vector<std::string> dossiers = {"/m/a/", "/m/b/", "/m/b/", "/m/a/", "/m/a/", "/m/a/",
                                               "/m/a/", "/m/a/", "/m/a/"};
    const std::vector<std::string> noms = {"meme.mp3", "meme.mp3", "pris.mp3", "ok.mp3", "sous/x.mp3",
                                           ".", "..", "", "..x"};
    EXPECT_EQ(nomsFautifs(dossiers, noms, existe),
              (std::vector<bool>{true, true, true, false, true, true, true, true, false}));
}

TEST(VerificationNoms, ComparesNamesWithTheirCase)
{
    const std::vector<std::string> dossiers = {"/m/", "/m/"};
    const std::vector<std::string> noms = {"A.mp3", "a.mp3"};
    EXPECT_EQ(nomsFautifs(dossiers, noms, [](const std::string&) { return false; }),
              (std::vector<bool>{false, false}));
}

}  // namespace
