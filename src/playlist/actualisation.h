#pragma once

#include <functional>

// The order of the refresh of a play list: every row whose file exists is read again; for a
// missing file the user chooses to remove the row, keep it, or stop. A removal starts the
// pass over from the first row, so every row kept earlier is asked about again, in order.
namespace tulvane::playlist {

enum class ReponseLigneAbsente { Supprimer, Garder, Arreter };

struct EtapesActualisation {
    std::function<bool(int ligne)> relire;  // false when the row's file is missing
    std::function<ReponseLigneAbsente(int ligne)> demander;
    std::function<void(int ligne)> supprimer;  // the rows after it move up by one
};

// Rows numbered from 1. A new pass reads again only what it must: the rows kept though
// missing, which are asked about again (or read, if their file came back); the rows read
// already are not read twice. So the questions come in the order of a pass that restarts
// at row 1 after each removal, in a time that grows with the rows plus the answers.
void actualiserLignes(int nombreLignes, const EtapesActualisation& etapes);

}  // namespace tulvane::playlist
