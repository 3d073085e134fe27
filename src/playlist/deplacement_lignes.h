#pragma once

#include <vector>

// Rows of the play list dragged to another place of the same list.
namespace tulvane::playlist {

// The height of a row band of the list, in twips; a drag is measured in whole bands.
inline constexpr double kHauteurBande = 255.1181;

// The band under a point y twips below the list's top edge: the largest whole number of
// bands not above it.
int bandeDe(double y);

struct DeplacementLignes {
    std::vector<int> ordre;       // ordre[j] = the row (0-based, before the move) now at j
    std::vector<bool> deplacees;  // by row before the move: it was moved and keeps its texts only
};

// Moves the selected rows by `distance` bands (negative: up). The lowest selected row
// whose target index t = index + distance lies strictly between 1 and the row count is
// taken out and put back before the row that stood at t, unselected; then the scan starts
// over, until no selected row can move. So a row dragged up k bands goes up k places and
// one dragged down k bands goes down k - 1 places. Runs in O(rows + moves x |distance|).
DeplacementLignes deplacerLignes(const std::vector<bool>& selection, int distance);

}  // namespace tulvane::playlist
