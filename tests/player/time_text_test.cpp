#include "player/time_text.h"

#include "support/case_names.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tulvane::player;

struct TempsCase {
    double secondes;
    const char* texte;
};

class TexteTemps : public testing::TestWithParam<TempsCase> {};

TEST_P(TexteTemps, Formats)
{
    EXPECT_EQ(texteTemps(GetParam().secondes), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(Cases, TexteTemps,
    testing::Values(TempsCase{239.7, "04:00"}, TempsCase{238.4, "03:58"}, TempsCase{59.2, "01:00"},
                    TempsCase{187.0, "03:07"}, TempsCase{58.5, "00:59"}, TempsCase{0.0, "00:00"},
                    TempsCase{6240.0, "104:00"}, TempsCase{-0.4, "00:00"}, TempsCase{NAN, "00:00"}),
    [](const auto& info) { return "s" + tulvane::test::caseName(info.param.secondes); });

TEST(TroisChiffres, PadsToThreeDigitsAndKeepsLongerNumbers)
{
    EXPECT_EQ(troisChiffres(0), "000");
    EXPECT_EQ(troisChiffres(7), "007");
    EXPECT_EQ(troisChiffres(42), "042");
    EXPECT_EQ(troisChiffres(1234), "1234");
}
