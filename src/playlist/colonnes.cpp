#include "playlist/colonnes.h"

#include "platform/text_lines.h"

#include <algorithm>

namespace tulvane::playlist {

namespace {

std::string_view sansBlancs(std::string_view ligne)
{
    constexpr std::string_view blancs = " \t";
    const std::size_t debut = ligne.find_first_not_of(blancs);
    if (debut == std::string_view::npos)
        return {};
    return ligne.substr(debut, ligne.find_last_not_of(blancs) - debut + 1);
}

}  // namespace

std::optional<std::vector<int>> lirePositionsColonnes(std::string_view texte, int nombreColonnes)
{
    std::vector<std::string_view> lignes = platform::decouperLignes(texte);
    for (std::string_view& ligne : lignes)
        ligne = sansBlancs(ligne);
    while (!lignes.empty() && lignes.back().empty())
        lignes.pop_back();
    if (lignes.size() > static_cast<std::size_t>(std::max(nombreColonnes, 0)))
        return std::nullopt;

    std::vector<int> positions;
    positions.reserve(lignes.size());
    for (const std::string_view ligne : lignes) {
        if (ligne.empty() || ligne.size() > 9
            || !std::all_of(ligne.begin(), ligne.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        int n = 0;
        for (const char c : ligne)
            n = n * 10 + (c - '0');
        if (n < 1 || n > nombreColonnes)
            return std::nullopt;
        positions.push_back(n);
    }
    return positions;
}

std::string ecrirePositionsColonnes(const std::vector<int>& positions)
{
    std::string texte;
    for (const int position : positions)
        texte += " " + std::to_string(position) + " \r\n";
    return texte;
}

}  // namespace tulvane::playlist
