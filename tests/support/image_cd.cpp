#include "support/image_cd.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace tulvane::test {

namespace {

constexpr int kOctetsParSecteur = 2352;

Bytes ton(double frequence, int secteurs)
{
    const int echantillons = secteurs * kOctetsParSecteur / 4;
    Bytes pcm;
    pcm.reserve(static_cast<std::size_t>(echantillons) * 4);
    for (int i = 0; i < echantillons; ++i) {
        const auto gauche = static_cast<std::int16_t>(std::lround(12000 * std::sin(2 * std::numbers::pi * frequence * i / 44100)));
        const auto droite = static_cast<std::int16_t>(gauche / 2);
        for (const std::int16_t valeur : {gauche, droite}) {
            pcm.push_back(static_cast<std::uint8_t>(valeur & 0xFF));
            pcm.push_back(static_cast<std::uint8_t>((valeur >> 8) & 0xFF));
        }
    }
    return pcm;
}

}  // namespace

ImageCd ecrireImageCd(const std::filesystem::path& dossier, const std::vector<PisteDeTon>& pistes)
{
    ImageCd image{dossier / "disque.cue", {}};
    Bytes bin;
    std::string cue = "FILE \"disque.bin\" BINARY\r\n";
    int debut = 0;
    for (std::size_t i = 0; i < pistes.size(); ++i) {
        image.pistes.push_back(ton(pistes[i].frequence, pistes[i].secteurs));
        bin.insert(bin.end(), image.pistes.back().begin(), image.pistes.back().end());
        char ligne[80];
        std::snprintf(ligne, sizeof ligne, "  TRACK %02zu AUDIO\r\n    INDEX 01 %02d:%02d:%02d\r\n", i + 1,
                      debut / 75 / 60, debut / 75 % 60, debut % 75);
        cue += ligne;
        debut += pistes[i].secteurs;
    }
    writeFile(dossier / "disque.bin", bin);
    writeFile(image.cue, bytesOf(cue));
    return image;
}

}  // namespace tulvane::test
