#include "support/media.h"

namespace tulvane::test {

Bytes mp3Tague(std::size_t taille, const std::string& auteur, const std::string& titre)
{
    Bytes octets = filled(taille);
    put(octets, 0, bytes({0xFF, 0xFB, 0x90, 0x64}));
    put(octets, 417, bytes({0xFF, 0xFB, 0x90, 0x64}));
    Bytes tag = bytesOf("TAG");
    auto champ = [&tag](const std::string& texte, std::size_t largeur) {
        Bytes c = bytesOf(texte);
        c.resize(largeur, ' ');
        tag.insert(tag.end(), c.begin(), c.end());
    };
    champ(titre, 30);
    champ(auteur, 30);
    champ("Album", 30);
    champ("1999", 4);
    champ("Un commentaire", 30);
    tag.push_back(17);  // Rock
    put(octets, taille - 128, tag);
    return octets;
}

}  // namespace tulvane::test
