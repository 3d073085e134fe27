#include "support/case_names.h"

#include <array>
#include <cmath>
#include <sstream>
#include <utility>

namespace tulvane::test {

namespace {

// The accented letters of French, in UTF-8, and their plain letter.
constexpr std::array<std::pair<std::string_view, char>, 32> kAccents = {{
    {"à", 'a'}, {"â", 'a'}, {"ä", 'a'}, {"é", 'e'}, {"è", 'e'}, {"ê", 'e'}, {"ë", 'e'}, {"î", 'i'},
    {"ï", 'i'}, {"ô", 'o'}, {"ö", 'o'}, {"ù", 'u'}, {"û", 'u'}, {"ü", 'u'}, {"ç", 'c'}, {"ÿ", 'y'},
    {"À", 'A'}, {"Â", 'A'}, {"Ä", 'A'}, {"É", 'E'}, {"È", 'E'}, {"Ê", 'E'}, {"Ë", 'E'}, {"Î", 'I'},
    {"Ï", 'I'}, {"Ô", 'O'}, {"Ö", 'O'}, {"Ù", 'U'}, {"Û", 'U'}, {"Ü", 'U'}, {"Ç", 'C'}, {"Ÿ", 'Y'},
}};

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

std::string caseName(std::string_view text)
{
    std::string name;
    bool gap = false;
    for (std::size_t i = 0; i < text.size();) {
        char plain = text[i];
        std::size_t length = 1;
        for (const auto& [accented, letter] : kAccents) {
            if (text.substr(i, accented.size()) == accented) {
                plain = letter;
                length = accented.size();
                break;
            }
        }
        i += length;
        if (!isNameChar(plain)) {
            gap = true;
            continue;
        }
        if (gap && !name.empty())
            name += '_';
        gap = false;
        name += plain;
    }
    return name.empty() ? "empty" : name;
}

std::string caseName(double number)
{
    if (std::isnan(number))
        return "nan";
    std::ostringstream text;
    text << std::abs(number);
    return (number < 0 ? "minus" : "") + caseName(text.str());
}

}  // namespace tulvane::test
