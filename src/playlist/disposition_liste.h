#pragma once

#include <optional>

// Where the play-list window puts its controls for a window size. Every length is in twips;
// the window's outer size is its client area plus the frame, caption and menu bar, which
// the window system counts as 120 across and 685 down.
namespace tulvane::playlist {

inline constexpr double kLargeurMinimale = 9100;
inline constexpr double kHauteurMinimale = 7600;
inline constexpr double kCadreLargeur = 120;
inline constexpr double kCadreHauteur = 685;
inline constexpr double kHauteurBarreOutils = 360;
inline constexpr double kHauteurRecherche = 555;
inline constexpr double kHauteurBarreEtat = 315;
inline constexpr double kLargeurAide = 4935;
inline constexpr double kHauteurAide = 3315;
inline constexpr double kHauteurProgression = 255;

struct Rectangle {
    double gauche = 0;
    double haut = 0;
    double largeur = 0;
    double hauteur = 0;
    bool operator==(const Rectangle&) const = default;
};

// What the layout reads of the window as it stands.
struct EtatFenetre {
    double largeur = 0;  // outer size
    double hauteur = 0;
    bool minimisee = false;
    bool barreOutils = true;
    bool barreRecherche = true;
    bool barreEtat = true;
    bool colonnesInit = false;  // the first-time column widths are already applied
    double gaucheListe = 0;
    double largeurListe = 0;  // the list's width before this layout
    double largeurColonne2 = 0;
    double largeurColonne3 = 0;
};

// The first-time widths of columns 1, 7 and 9.
struct LargeursInitiales {
    double colonne1 = 0;
    double colonne7 = 0;
    double colonne9 = 0;
    bool operator==(const LargeursInitiales&) const = default;
};

struct Disposition {
    double largeur = 0;  // outer size, raised to the minimum
    double hauteur = 0;
    std::optional<LargeursInitiales> colonnes;
    Rectangle liste;
    double gaucheAide = 0;  // the help panel keeps its size
    double hautAide = 0;
    double hautProgression = 0;  // the progress bar keeps its left edge and size
    // The docked bars, in client-area coordinates, whether shown or not.
    Rectangle barreOutils;
    Rectangle barreRecherche;
    Rectangle barreEtat;
    bool operator==(const Disposition&) const = default;
};

// Nothing at all while the window is minimised.
std::optional<Disposition> disposerFenetre(const EtatFenetre& etat);

}  // namespace tulvane::playlist
