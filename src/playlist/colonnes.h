#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "Colonnes.dat": the display position (1 = leftmost) of each column of the play list, one
// line per column in column index order, the number between two blanks, CR LF after each.
namespace tulvane::playlist {

// The positions of the first columns, as many as the file has lines (none for an empty
// file); nothing when a line is not a whole number from 1 to nombreColonnes, or when there
// are more lines than columns. Blanks around a number, empty lines at the end and any line
// ends are allowed.
std::optional<std::vector<int>> lirePositionsColonnes(std::string_view texte, int nombreColonnes);

std::string ecrirePositionsColonnes(const std::vector<int>& positions);

}  // namespace tulvane::playlist
