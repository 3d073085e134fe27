#include "playlist/actualisation.h"

#include <vector>

namespace tulvane::playlist {

void actualiserLignes(int nombreLignes, const EtapesActualisation& etapes)
{
    using enum ReponseLigneAbsente;
    std::vector<int> gardees;  // missing rows the user kept, in row order
    int suivante = 1;          // the first row no pass has reached yet
    int nombre = nombreLignes;

    // A removal renumbers the rows below the removed one.
    const auto traiterAbsente = [&](int ligne) {
        const ReponseLigneAbsente reponse = etapes.demander(ligne);
        if (reponse == Supprimer) {
            etapes.supprimer(ligne);
            --nombre;
            std::erase(gardees, ligne);
            for (int& g : gardees)
                if (g > ligne)
                    --g;
            if (suivante > ligne)
                --suivante;
        }
        return reponse;
    };

    // One turn per pass from row 1.
    for (;;) {
        ReponseLigneAbsente derniere = Garder;
        for (std::size_t k = 0; k < gardees.size();) {
            const int ligne = gardees[k];
            if (etapes.relire(ligne)) {
                gardees.erase(gardees.begin() + static_cast<std::ptrdiff_t>(k));
                continue;
            }
            derniere = traiterAbsente(ligne);
            if (derniere != Garder)
                break;
            ++k;
        }
        while (derniere == Garder && suivante <= nombre) {
            const int ligne = suivante;
            if (etapes.relire(ligne)) {
                ++suivante;
                continue;
            }
            derniere = traiterAbsente(ligne);
            if (derniere == Garder) {
                gardees.push_back(ligne);
                ++suivante;
            }
        }
        if (derniere != Supprimer)
            return;
    }
}

}  // namespace tulvane::playlist
