#include "components/station_cipher.h"

#include "platform/text_lines.h"

#include "metadata/windows1252.h"

#include <algorithm>
#include <array>

namespace tulvane::components {

namespace {

constexpr std::array<std::uint8_t, 4> kMagique = {'T', 'V', 'R', 'S'};
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kTailleEntete = 13;
constexpr std::size_t kTailleSomme = 4;

std::uint64_t fnv1a64(std::string_view octets)
{
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (unsigned char c : octets) {
        h ^= c;
        h *= 0x100000001b3ULL;
    }
    return h;
}

std::uint32_t fnv1a32(std::string_view octets)
{
    std::uint32_t h = 0x811c9dc5U;
    for (unsigned char c : octets) {
        h ^= c;
        h *= 0x01000193U;
    }
    return h;
}

class FluxCle {
public:
    explicit FluxCle(std::string_view cle) : etat_(fnv1a64(cle)) {}

    std::uint64_t bloc()
    {
        etat_ += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = etat_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // Block 0 gives the key check; the text is mixed from block 1 on.
    void melanger(std::string& texte)
    {
        std::uint64_t b = 0;
        for (std::size_t i = 0; i < texte.size(); ++i) {
            if (i % 8 == 0)
                b = bloc();
            const auto octet = static_cast<std::uint8_t>(b >> (8 * (i % 8)));
            texte[i] = static_cast<char>(static_cast<std::uint8_t>(texte[i]) ^ octet);
        }
    }

private:
    std::uint64_t etat_;
};

void ajouter32(std::vector<std::uint8_t>& sortie, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        sortie.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t lire32(std::span<const std::uint8_t> octets, std::size_t position)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(octets[position + static_cast<std::size_t>(i)]) << (8 * i);
    return v;
}

bool champValide(std::string_view champ)
{
    return !champ.empty() && std::none_of(champ.begin(), champ.end(), [](char c) {
        const auto o = static_cast<unsigned char>(c);
        return o < 0x20 || o == 0x7f;
    });
}

}  // namespace

std::string messageErreurRadios(ErreurListeRadios erreur)
{
    switch (erreur) {
    case ErreurListeRadios::aucune:
        return {};
    case ErreurListeRadios::pasUneListe:
        return "Ce fichier n'est pas une liste de radios.";
    case ErreurListeRadios::tronquee:
        return "La liste des radios est incomplète.";
    case ErreurListeRadios::versionInconnue:
        return "La liste des radios a été faite pour une autre version du logiciel.";
    case ErreurListeRadios::cleIncorrecte:
        return "La clé ne correspond pas à cette liste des radios.";
    case ErreurListeRadios::tropGrande:
        return "La liste des radios est trop volumineuse.";
    case ErreurListeRadios::alteree:
        return "La liste des radios est endommagée.";
    case ErreurListeRadios::texteInvalide:
        return "La liste des radios contient un texte illisible.";
    }
    return {};
}

LectureListeRadios lireTroisLignes(std::string_view texte)
{
    std::vector<std::string_view> lignes = platform::decouperLignes(texte);
    // Blank lines left at the end of a file edited by hand are no station.
    while (!lignes.empty() && lignes.back().empty())
        lignes.pop_back();

    LectureListeRadios lecture;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (!champValide(lignes[i])) {
            lecture.ligneFautive = i + 1;
            break;
        }
    }
    if (lecture.valide() && lignes.size() % 3 != 0)
        lecture.ligneFautive = lignes.size() + 1;
    if (!lecture.valide())
        return lecture;
    for (std::size_t i = 0; i < lignes.size(); i += 3)
        lecture.stations.push_back({std::string(lignes[i]), std::string(lignes[i + 1]), std::string(lignes[i + 2])});
    return lecture;
}

std::string ecrireTroisLignes(const std::vector<EntreeRadio>& stations)
{
    std::string texte;
    for (const auto& s : stations)
        texte += s.nom + "\r\n" + s.canal1 + "\r\n" + s.canal2 + "\r\n";
    return texte;
}

std::vector<std::uint8_t> chiffrerListeRadios(const std::vector<EntreeRadio>& stations, std::string_view cle)
{
    std::string texte = ecrireTroisLignes(stations);
    const std::uint32_t somme = fnv1a32(texte);
    FluxCle flux(cle);
    const auto controle = static_cast<std::uint32_t>(flux.bloc());
    flux.melanger(texte);

    std::vector<std::uint8_t> sortie(kMagique.begin(), kMagique.end());
    sortie.push_back(kVersion);
    ajouter32(sortie, controle);
    ajouter32(sortie, static_cast<std::uint32_t>(texte.size()));
    sortie.insert(sortie.end(), texte.begin(), texte.end());
    ajouter32(sortie, somme);
    return sortie;
}

ListeRadiosDechiffree dechiffrerListeRadios(std::span<const std::uint8_t> octets, std::string_view cle)
{
    const auto echec = [](ErreurListeRadios e) { return ListeRadiosDechiffree{e, {}}; };

    const std::size_t debutMagique = std::min(octets.size(), kMagique.size());
    if (!std::equal(octets.begin(), octets.begin() + static_cast<std::ptrdiff_t>(debutMagique), kMagique.begin()))
        return echec(ErreurListeRadios::pasUneListe);
    if (octets.size() < kTailleEntete + kTailleSomme)
        return echec(ErreurListeRadios::tronquee);
    if (octets[4] != kVersion)
        return echec(ErreurListeRadios::versionInconnue);

    FluxCle flux(cle);
    if (lire32(octets, 5) != static_cast<std::uint32_t>(flux.bloc()))
        return echec(ErreurListeRadios::cleIncorrecte);

    const std::size_t taille = lire32(octets, 9);
    if (taille > kTailleMaxTexteRadios)
        return echec(ErreurListeRadios::tropGrande);
    const std::size_t attendu = kTailleEntete + taille + kTailleSomme;
    if (octets.size() < attendu)
        return echec(ErreurListeRadios::tronquee);
    if (octets.size() > attendu)
        return echec(ErreurListeRadios::alteree);

    const auto chiffre = octets.subspan(kTailleEntete, taille);
    std::string texte(chiffre.begin(), chiffre.end());
    flux.melanger(texte);
    if (fnv1a32(texte) != lire32(octets, kTailleEntete + taille))
        return echec(ErreurListeRadios::alteree);
    if (!metadata::isValidUtf8(texte))
        return echec(ErreurListeRadios::texteInvalide);
    auto lecture = lireTroisLignes(texte);
    if (!lecture.valide())
        return echec(ErreurListeRadios::texteInvalide);
    return {ErreurListeRadios::aucune, std::move(lecture.stations)};
}

}  // namespace tulvane::components
