#pragma once

#include <string_view>

namespace tulvane::metadata {

// The ID3v1 genre names in genre-number order, joined by "|": split at "|" and index the
// result by the genre number.
extern const std::string_view ListeGenres;

inline constexpr int kNombreGenres = 148;

// The name of genre `numero`, or "" for a number outside 0 to 147.
std::string_view nomGenre(int numero);

}  // namespace tulvane::metadata
