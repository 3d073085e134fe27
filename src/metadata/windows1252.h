#pragma once

#include <string>
#include <string_view>

namespace tulvane::metadata {

// Single-byte Windows-1252 text to UTF-8. Bytes that the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; characters outside the code page, and malformed sequences,
// become "?".
std::string utf8ToWindows1252(std::string_view utf8);

// True when the bytes form well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

}  // namespace tulvane::metadata
