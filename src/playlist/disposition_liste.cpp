#include "playlist/disposition_liste.h"

#include <algorithm>

namespace tulvane::playlist {

std::optional<Disposition> disposerFenetre(const EtatFenetre& etat)
{
    if (etat.minimisee)
        return std::nullopt;
    Disposition d;
    d.liste.gauche = etat.gaucheListe;
    d.liste.haut = etat.barreOutils ? kHauteurBarreOutils : 0;
    d.largeur = std::max(etat.largeur, kLargeurMinimale);
    d.hauteur = std::max(etat.hauteur, kHauteurMinimale);

    if (!etat.colonnesInit) {
        const double w = etat.largeurListe;
        d.colonnes = LargeursInitiales{w - etat.largeurColonne2 - etat.largeurColonne3 - 320, w * 0.8, w * 0.3};
    }

    const double hs = etat.barreRecherche ? kHauteurRecherche : 0;
    const double hb = etat.barreEtat ? kHauteurBarreEtat : 0;
    d.liste.largeur = d.largeur - d.liste.gauche - kCadreLargeur;
    d.liste.hauteur = d.hauteur - kCadreHauteur - hs - d.liste.haut - hb;
    d.gaucheAide = d.liste.gauche + (d.liste.largeur - kLargeurAide) / 2;
    d.hautAide = (d.hauteur - kHauteurAide) / 2 - 900;
    d.hautProgression = d.hauteur - kHauteurProgression - 710;

    const double largeurClient = d.largeur - kCadreLargeur;
    const double hauteurClient = d.hauteur - kCadreHauteur;
    d.barreOutils = {0, 0, largeurClient, kHauteurBarreOutils};
    d.barreEtat = {0, hauteurClient - kHauteurBarreEtat, largeurClient, kHauteurBarreEtat};
    d.barreRecherche = {0, hauteurClient - hb - kHauteurRecherche, largeurClient, kHauteurRecherche};
    return d;
}

}  // namespace tulvane::playlist
