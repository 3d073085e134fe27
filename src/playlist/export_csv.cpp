#include "playlist/export_csv.h"

namespace tulvane::playlist {

namespace {

void ajouterChamp(std::string& sortie, const std::string& valeur)
{
    sortie += '"';
    for (const char c : valeur) {
        if (c == '"')
            sortie += '"';
        sortie += c;
    }
    sortie += '"';
}

}  // namespace

void ajouterEnteteCsv(std::string& sortie, std::span<const std::string> titres)
{
    for (const std::string& titre : titres) {
        ajouterChamp(sortie, titre);
        sortie += ';';
    }
    sortie += "\r\n";
}

void ajouterLigneCsv(std::string& sortie, std::span<const std::string> valeurs)
{
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
        if (i > 0)
            sortie += ';';
        ajouterChamp(sortie, valeurs[i]);
    }
    sortie += "\r\n";
}

}  // namespace tulvane::playlist
