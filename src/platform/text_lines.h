#pragma once

#include <string>
#include <string_view>
#include <vector>

// The one rule by which every text file of the program is cut into lines and decoded.
namespace tulvane::platform {

// The lines of a text: CR LF, LF and CR each end a line. A last line without its line end
// counts; nothing follows the final line end. Bytes and decoded text split alike.
std::vector<std::string_view> decouperLignes(std::string_view texte);
std::vector<std::u16string_view> decouperLignes(std::u16string_view texte);

// A file's bytes as UTF-8, line by line: a line that is valid UTF-8 stays as it is, any other
// line is read as Windows-1252, so one stray byte damages its own line only. A leading
// byte-order mark is dropped; the line ends stay as they were.
std::string decoderTexte(std::string_view octets);

}  // namespace tulvane::platform
