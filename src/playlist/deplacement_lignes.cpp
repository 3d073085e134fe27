#include "playlist/deplacement_lignes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tulvane::playlist {

int bandeDe(double y)
{
    return static_cast<int>(std::floor(y / kHauteurBande));
}

DeplacementLignes deplacerLignes(const std::vector<bool>& selection, int distance)
{
    const int n = static_cast<int>(selection.size());
    DeplacementLignes resultat;
    resultat.ordre.resize(selection.size());
    std::iota(resultat.ordre.begin(), resultat.ordre.end(), 0);
    resultat.deplacees.assign(selection.size(), false);
    if (distance == 0)
        return resultat;

    std::vector<int>& ordre = resultat.ordre;
    std::vector<bool> choisie = selection;  // by row before the move
    const auto choisieA = [&](int index) { return choisie[static_cast<std::size_t>(ordre[index - 1])]; };
    const auto deplacer = [&](int de, int vers) {
        const int ligne = ordre[de - 1];
        choisie[static_cast<std::size_t>(ligne)] = false;
        resultat.deplacees[static_cast<std::size_t>(ligne)] = true;
        const auto debut = ordre.begin();
        if (de < vers)
            std::rotate(debut + de - 1, debut + de, debut + vers);
        else
            std::rotate(debut + vers - 1, debut + de - 1, debut + de);
    };

    // Every scan of the list starts at row 1; the rows before `debut` are known to hold no
    // row that could move, so the scan resumes there.
    if (distance > 0) {
        // Every row can reach past 1; a target at the last index or beyond stops the scan,
        // and all selected rows further down would too.
        for (int i = 1; i + distance < n; ++i) {
            if (!choisieA(i))
                continue;
            deplacer(i, i + distance - 1);
            --i;  // the rows after it moved up by one
        }
    } else {
        const int k = -distance;
        // A row above k + 2 cannot move, but the rows put back above it push it down; the
        // one pushed to k + 2 becomes movable.
        for (int i = k + 2; i <= n; ++i) {
            if (!choisieA(i))
                continue;
            const int cible = i - k;
            deplacer(i, cible);
            i = std::max(k + 2, cible + 1) - 1;
        }
    }
    return resultat;
}

}  // namespace tulvane::playlist
