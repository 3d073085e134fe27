#include "playlist/colonnes.h"

#include <gtest/gtest.h>

using namespace tulvane::playlist;

namespace {

struct CasLecture {
    const char* nom;
    std::string texte;
    std::optional<std::vector<int>> attendu;
};

class LecturePositions : public testing::TestWithParam<CasLecture> {};

TEST_P(LecturePositions, ReadsValidFilesAndRefusesTheOthersWhole)
{
    EXPECT_EQ(lirePositionsColonnes(GetParam().texte, 9), GetParam().attendu);
}

using V = std::vector<int>;

INSTANTIATE_TEST_SUITE_P(Cases, LecturePositions,
    testing::Values(
        CasLecture{"written", " 1 \r\n 3 \r\n 2 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n", V{1, 3, 2, 4, 5, 6, 7, 8, 9}},
        CasLecture{"empty", "", V{}},
        CasLecture{"fewerLines", "2\r\n1", V{2, 1}},
        CasLecture{"lineFeedsAndTabs", "\t9\n 8  \n", V{9, 8}},
        CasLecture{"carriageReturns", " 2 \r 1 \r 3 \r", V{2, 1, 3}},
        CasLecture{"emptyLinesAtTheEnd", " 4 \r\n\r\n  \r\n", V{4}},
        CasLecture{"leadingZero", "09\r\n", V{9}},
        CasLecture{"notANumber", " 1 \r\n deux \r\n", std::nullopt},
        CasLecture{"decimal", "3.5\r\n", std::nullopt},
        CasLecture{"signed", "+3\r\n", std::nullopt},
        CasLecture{"negative", "-1\r\n", std::nullopt},
        CasLecture{"zero", "0\r\n", std::nullopt},
        CasLecture{"tooLarge", "10\r\n", std::nullopt},
        CasLecture{"huge", "99999999999999999999\r\n", std::nullopt},
        CasLecture{"emptyLineInside", "1\r\n\r\n3\r\n", std::nullopt},
        CasLecture{"tenLines", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n1\r\n", std::nullopt},
        CasLecture{"twoNumbersOnALine", "1 2\r\n", std::nullopt},
        CasLecture{"binary", std::string("\xff\xfe\x00\x01", 4), std::nullopt}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(EcriturePositions, EachNumberBetweenTwoBlanksThenCrLf)
{
    EXPECT_EQ(ecrirePositionsColonnes({1, 3, 2}), " 1 \r\n 3 \r\n 2 \r\n");
    EXPECT_EQ(ecrirePositionsColonnes({}), "");
    const std::vector<int> positions = {9, 8, 7, 6, 5, 4, 3, 2, 1};
    EXPECT_EQ(lirePositionsColonnes(ecrirePositionsColonnes(positions), 9), positions);
}

}  // namespace
