#include "playlist/favoris.h"

#include "platform/text_lines.h"

#include <algorithm>

namespace tulvane::playlist {

namespace {

void ecrireLigne(std::string& sortie, std::string_view texte)
{
    const std::size_t debut = sortie.size();
    sortie += texte;
    std::replace_if(sortie.begin() + static_cast<std::ptrdiff_t>(debut), sortie.end(),
                    [](char c) { return c == '\r' || c == '\n'; }, ' ');
    sortie += "\r\n";
}

}  // namespace

LectureFavoris lireFavoris(std::string_view texte)
{
    const std::vector<std::string_view> lignes = platform::decouperLignes(texte);
    LectureFavoris lecture;
    for (std::size_t i = 0; i < lignes.size(); i += 2) {
        ++lecture.paires;
        if (lignes[i].empty())
            continue;
        const std::string_view chemin = i + 1 < lignes.size() ? lignes[i + 1] : std::string_view();
        lecture.favoris.push_back({lecture.paires, {std::string(lignes[i]), std::string(chemin)}});
    }
    return lecture;
}

std::string ecrireFavoris(std::span<const Favori> favoris)
{
    std::string sortie;
    for (const Favori& favori : favoris) {
        ecrireLigne(sortie, favori.nom);
        ecrireLigne(sortie, favori.chemin);
    }
    return sortie;
}

}  // namespace tulvane::playlist
