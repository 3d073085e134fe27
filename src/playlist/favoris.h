#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// "Favoris.dat": two lines per favourite, its name then the full path of its play-list file,
// every line ended by CR LF, no header. The order of the pairs is the order of the menu.
namespace tulvane::playlist {

// In the program's folder.
inline constexpr const char* kFichierFavoris = "Favoris.dat";

struct Favori {
    std::string nom;
    std::string chemin;
};

// A favourite as read, with the number of its pair in the file (from 1): its menu entry.
struct FavoriLu {
    int entree = 0;
    Favori favori;
};

struct LectureFavoris {
    std::vector<FavoriLu> favoris;  // the pairs whose name is not empty, in file order
    int paires = 0;                 // every pair, those with an empty name included
};

// Lines may end in CR LF, LF or CR. A pair whose name line is empty is skipped, its number
// is not reused; a last name without its path line gives a favourite with an empty path.
LectureFavoris lireFavoris(std::string_view texte);

// Every favourite is written, an empty name too. A line break inside a text becomes a blank,
// so that the pairs stay on their two lines.
std::string ecrireFavoris(std::span<const Favori> favoris);

}  // namespace tulvane::playlist
