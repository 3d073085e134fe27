#include "platform/text_lines.h"

#include "metadata/windows1252.h"

namespace tulvane::platform {

namespace {

// Calls visite(line, lineEnd) for each line of the text, in order.
template <typename Char, typename Visite>
void parcourirLignes(std::basic_string_view<Char> texte, Visite&& visite)
{
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = debut;
        while (fin < texte.size() && texte[fin] != Char('\r') && texte[fin] != Char('\n'))
            ++fin;
        std::size_t suivant = fin;
        if (suivant < texte.size())
            suivant += texte[suivant] == Char('\r') && suivant + 1 < texte.size() && texte[suivant + 1] == Char('\n') ? 2 : 1;
        visite(texte.substr(debut, fin - debut), texte.substr(fin, suivant - fin));
        debut = suivant;
    }
}

template <typename Char>
std::vector<std::basic_string_view<Char>> lignesDe(std::basic_string_view<Char> texte)
{
    std::vector<std::basic_string_view<Char>> lignes;
    parcourirLignes(texte, [&lignes](auto ligne, auto) { lignes.push_back(ligne); });
    return lignes;
}

}  // namespace

std::vector<std::string_view> decouperLignes(std::string_view texte)
{
    return lignesDe(texte);
}

std::vector<std::u16string_view> decouperLignes(std::u16string_view texte)
{
    return lignesDe(texte);
}

std::string decoderTexte(std::string_view octets)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (octets.starts_with(bom))
        octets.remove_prefix(bom.size());
    std::string texte;
    texte.reserve(octets.size());
    parcourirLignes(octets, [&texte](std::string_view ligne, std::string_view fin) {
        if (metadata::isValidUtf8(ligne))
            texte += ligne;
        else
            texte += metadata::windows1252ToUtf8(ligne);
        texte += fin;
    });
    return texte;
}

}  // namespace tulvane::platform
