#include "platform/ansi_text.h"
#include "platform/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tulvane::platform;

namespace {

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

void PrintTo(const SplitCase& c, std::ostream* out)
{
    *out << c.name;
}

class LineEnds : public testing::TestWithParam<SplitCase> {};

// Every reader splits its text by one rule, whether it holds bytes or decoded text.
TEST_P(LineEnds, CrLfLfAndCrEndALineAlike)
{
    const std::vector<std::string_view> bytes = decouperLignes(GetParam().text);
    EXPECT_EQ(std::vector<std::string>(bytes.begin(), bytes.end()), GetParam().lines);

    QStringList expected;
    for (const std::string& line : GetParam().lines)
        expected << QString::fromStdString(line);
    EXPECT_EQ(splitLines(QString::fromStdString(GetParam().text)), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineEnds,
    testing::Values(SplitCase{"empty", "", {}},
                    SplitCase{"noLineEnd", "a", {"a"}},
                    SplitCase{"crLf", "a\r\nb\r\n", {"a", "b"}},
                    SplitCase{"lastLineWithoutItsEnd", "a\r\nb", {"a", "b"}},
                    SplitCase{"lf", "a\nb\n", {"a", "b"}},
                    SplitCase{"cr", "a\rb\r", {"a", "b"}},
                    SplitCase{"crLastLineWithoutItsEnd", "a\rb", {"a", "b"}},
                    SplitCase{"oneEmptyLine", "\r\n", {""}},
                    SplitCase{"emptyLinesAndBlanks", "a\r\n\r\n b ", {"a", "", " b "}},
                    SplitCase{"lfThenCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                    SplitCase{"crThenCrLf", "a\r\r\nb", {"a", "", "b"}},
                    SplitCase{"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                    SplitCase{"nulKept", std::string("a\0b\r", 4), {std::string("a\0b", 3)}}),
    [](const auto& info) { return std::string(info.param.name); });

struct DecodeCase {
    const char* name;
    std::string bytes;
    const char* expected;  // UTF-8
};

void PrintTo(const DecodeCase& c, std::ostream* out)
{
    *out << c.name;
}

class DecodeLines : public testing::TestWithParam<DecodeCase> {};

// Each line is UTF-8 when it is valid UTF-8, else Windows-1252: one stray byte damages its
// own line only.
TEST_P(DecodeLines, Utf8ElseWindows1252LineByLine)
{
    EXPECT_EQ(decoderTexte(GetParam().bytes), GetParam().expected);
    EXPECT_EQ(decodeText(QByteArray::fromStdString(GetParam().bytes)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, DecodeLines,
    testing::Values(DecodeCase{"windows1252", "d\xE9j\xE0", "déjà"},
                    DecodeCase{"utf8", "d\xC3\xA9j\xC3\xA0", "déjà"},
                    DecodeCase{"byteOrderMarkDropped", "\xEF\xBB\xBF" "abc", "abc"},
                    DecodeCase{"byteOrderMarkBeforeWindows1252", "\xEF\xBB\xBF" "\xE9t\xE9\r\n", "été\r\n"},
                    DecodeCase{"windows1252High", "\x80 \x9C\x92", "€ œ’"},
                    DecodeCase{"strayByteDamagesItsLine", "\xC3\xA9 \xE9", "Ã© é"},
                    DecodeCase{"oneWindows1252LineAmongUtf8",
                               "\xC3\xA9t\xC3\xA9\r\nNo\xEBl\r\nd\xC3\xA9j\xC3\xA0\r\n", "été\r\nNoël\r\ndéjà\r\n"},
                    DecodeCase{"crOnly", "\xE9\r\xC3\xA9\r", "é\ré\r"},
                    DecodeCase{"lfOnly", "\xC3\xA9\n\xE9", "é\né"},
                    DecodeCase{"sequenceCutByALineEnd", "\xC3\n\xA9", "Ã\n©"},
                    DecodeCase{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
