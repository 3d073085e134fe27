#include "platform/text_lines.h"

namespace tulvane::platform {

std::vector<std::string_view> decouperLignes(std::string_view texte)
{
    std::vector<std::string_view> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        const std::size_t suivant = fin == std::string_view::npos ? texte.size() : fin + 1;
        if (fin == std::string_view::npos)
            fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        lignes.push_back(ligne);
        debut = suivant;
    }
    return lignes;
}

}  // namespace tulvane::platform
