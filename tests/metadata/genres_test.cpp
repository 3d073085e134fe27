#include "metadata/genres.h"

#include "support/case_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

using namespace tulvane::metadata;

TEST(ListeGenres, Holds148NamesJoinedByBars)
{
    EXPECT_EQ(std::count(ListeGenres.begin(), ListeGenres.end(), '|'), kNombreGenres - 1);
    EXPECT_TRUE(ListeGenres.starts_with("Blues|Classic Rock|Country|"));
    EXPECT_TRUE(ListeGenres.ends_with("|Anime|JPop|Synth Pop"));
}

struct GenreCase {
    int numero;
    std::string nom;
};

void PrintTo(const GenreCase& c, std::ostream* os)
{
    *os << c.numero;
}

class NomGenre : public testing::TestWithParam<GenreCase> {};

TEST_P(NomGenre, IsTheEntryOfThatNumber)
{
    EXPECT_EQ(nomGenre(GetParam().numero), GetParam().nom);
}

// The unusual spellings are the ones to keep.
INSTANTIATE_TEST_SUITE_P(Names, NomGenre,
    testing::Values(GenreCase{0, "Blues"}, GenreCase{12, "Other"}, GenreCase{27, "Trip Hop"},
                    GenreCase{40, "Alt. Rock"}, GenreCase{62, "Pop/Punk"}, GenreCase{67, "Phychedelic"},
                    GenreCase{84, "Fast-Fusion"}, GenreCase{90, "Avantegarde"},
                    GenreCase{117, "power Ballad"}, GenreCase{123, "A Capella"},
                    GenreCase{140, "Comteporary Christian"}, GenreCase{144, "Trash Metal"},
                    GenreCase{146, "JPop"}, GenreCase{147, "Synth Pop"},
                    GenreCase{148, ""}, GenreCase{255, ""}, GenreCase{-1, ""}),
    [](const auto& info) { return "Number" + tulvane::test::caseName(info.param.numero); });
