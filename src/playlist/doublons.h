#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tulvane::playlist {

// For each path, whether a path equal to it (exactly, letter case included) comes earlier:
// the first row of each path is kept, every later one is a duplicate. One pass.
std::vector<bool> reperesDoublons(std::span<const std::u16string_view> chemins);

}  // namespace tulvane::playlist
