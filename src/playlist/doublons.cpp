#include "playlist/doublons.h"

#include <unordered_set>

namespace tulvane::playlist {

std::vector<bool> reperesDoublons(std::span<const std::u16string_view> chemins)
{
    std::vector<bool> doublons(chemins.size());
    std::unordered_set<std::u16string_view> vus;
    vus.reserve(chemins.size());
    for (std::size_t i = 0; i < chemins.size(); ++i)
        doublons[i] = !vus.insert(chemins[i]).second;
    return doublons;
}

}  // namespace tulvane::playlist
