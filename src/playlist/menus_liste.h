#pragma once

#include <span>

// The menu tree of the play-list window. An entry of a menu array carries its index in its
// name ("vModeLect2"); a caption is followed by `blancs` blanks.
namespace tulvane::playlist {

enum class GenreEntree { Commande, Separateur, SousMenu, FinSousMenu };
enum class Coche { Aucune, Cochee, Decochee };

struct EntreeMenu {
    GenreEntree genre = GenreEntree::Commande;
    const char* nom = "";
    const char* legende = "";
    int blancs = 0;
    const char* raccourci = "";
    Coche coche = Coche::Aucune;
};

struct MenuPrincipal {
    const char* nom;
    const char* legende;
    std::span<const EntreeMenu> entrees;
};

std::span<const MenuPrincipal> menusListe();

}  // namespace tulvane::playlist
