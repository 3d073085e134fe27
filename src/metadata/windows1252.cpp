#include "metadata/windows1252.h"

#include <array>
#include <cstdint>

namespace tulvane::metadata {

namespace {

// Code points of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t codePointOf(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) ? kHigh[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int byteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes one UTF-8 sequence at `i`; returns false on a malformed one. Advances `i`.
bool decodeUtf8(std::string_view s, std::size_t& i, char32_t& cp)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra;
    if (lead < 0x80) {
        cp = lead;
        extra = 0;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        cp = lead & 0x1F;
        extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        cp = lead & 0x0F;
        extra = 2;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        ++i;
        return false;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size() && extra > 0) {
        ++i;
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (overlong || surrogate || cp > 0x10FFFF) {
        ++i;
        return false;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return true;
}

}  // namespace

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        const int byte = decodeUtf8(utf8, i, cp) ? byteOf(cp) : -1;
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < bytes.size())
        if (!decodeUtf8(bytes, i, cp))
            return false;
    return true;
}

}  // namespace tulvane::metadata
