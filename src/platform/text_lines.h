#pragma once

#include <string_view>
#include <vector>

namespace tulvane::platform {

// Splits a text file's contents at LF, dropping the CR of CR LF. A last line without its
// line end counts; nothing follows the final line end.
std::vector<std::string_view> decouperLignes(std::string_view texte);

}  // namespace tulvane::platform
