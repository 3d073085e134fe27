#include "metadata/windows1252.h"

#include <gtest/gtest.h>

using namespace tulvane::metadata;

struct CodePageCase {
    const char* nom;
    std::string utf8;
    std::string bytes;
};

class Windows1252RoundTrip : public testing::TestWithParam<CodePageCase> {};

TEST_P(Windows1252RoundTrip, EncodesAndDecodes)
{
    EXPECT_EQ(utf8ToWindows1252(GetParam().utf8), GetParam().bytes);
    EXPECT_EQ(windows1252ToUtf8(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Text, Windows1252RoundTrip,
    testing::Values(CodePageCase{"plain", "plain", "plain"},
                    CodePageCase{"accents", "été à Noël", "\xE9t\xE9 \xE0 No\xEBl"},
                    CodePageCase{"euro", "5 €", "5 \x80"},
                    CodePageCase{"signsOfTheEightiesRow", "“œuvre” – ŸŽ", "\x93\x9C" "uvre\x94 \x96 \x9F\x8E"},
                    CodePageCase{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToWindows1252("日本 ok"), "?? ok");
    EXPECT_EQ(utf8ToWindows1252("emoji 😀"), "emoji ?");
}

TEST(Windows1252, MalformedUtf8BecomesQuestionMarks)
{
    EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");        // truncated sequence
    EXPECT_EQ(utf8ToWindows1252("\xC0\xAF" "b"), "??b"); // overlong lead byte
    EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???"); // surrogate, then stray continuations
}

TEST(Windows1252, TellsValidUtf8)
{
    EXPECT_TRUE(isValidUtf8("déjà"));
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_FALSE(isValidUtf8("d\xE9j\xE0"));
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));
}
