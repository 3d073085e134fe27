#include "metadata/mpeg.h"

#include "metadata/fichier_lecture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <memory>

namespace tulvane::metadata {

const std::string_view TableDebits =
    "32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320,"
    "32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384,"
    "32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448,"
    "8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160,"
    "8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160,"
    "32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256";

namespace {

constexpr std::size_t kValeursParLigne = 14;
using Debits = std::array<std::string_view, 6 * kValeursParLigne>;

Debits decouperTable()
{
    Debits debits{};
    std::size_t debut = 0;
    for (auto& debit : debits) {
        const std::size_t fin = std::min(TableDebits.find(',', debut), TableDebits.size());
        debit = TableDebits.substr(debut, fin - debut);
        debit.remove_prefix(std::min(debit.find_first_not_of(' '), debit.size()));
        debit = debit.substr(0, debit.find_last_not_of(' ') + 1);
        debut = fin + 1;
    }
    return debits;
}

const Debits& debits()
{
    static const Debits table = decouperTable();
    return table;
}

std::string deuxChiffres(std::uint64_t valeur)
{
    std::string texte = std::to_string(valeur);
    return texte.size() < 2 ? "0" + texte : texte;
}

// Seconds = bits / (kbit/s x 1000) = bytes / (kbit/s x 125), rounded half to even, exact for any size.
std::uint64_t secondesArrondies(std::uint64_t tailleFichier, std::uint64_t kbps)
{
    const std::uint64_t diviseur = kbps * 125;
    std::uint64_t secondes = tailleFichier / diviseur;
    const std::uint64_t reste2 = 2 * (tailleFichier % diviseur);
    if (reste2 > diviseur || (reste2 == diviseur && secondes % 2 == 1))
        ++secondes;
    return secondes;
}

InfosMPEG infosTrame(std::string kbps, std::string canaux, std::uint64_t tailleFichier)
{
    std::uint64_t debit = 0;
    std::from_chars(kbps.data(), kbps.data() + kbps.size(), debit);
    const std::uint64_t secondes = secondesArrondies(tailleFichier, debit);
    InfosMPEG infos;
    infos.duree = deuxChiffres(secondes / 60) + ":" + deuxChiffres(secondes % 60);
    infos.secondes = std::to_string(secondes);
    infos.kbps = std::move(kbps);
    infos.canaux = std::move(canaux);
    return infos;
}

}  // namespace

std::string fnDebitBinaire(std::uint8_t vfnOctet, std::string_view vfnVersion, std::string_view vfnCouche)
{
    std::size_t base = vfnVersion == "1.0" ? 0 : 3 * kValeursParLigne;
    if (vfnCouche == "2")
        base += kValeursParLigne;
    else if (vfnCouche == "1")
        base += 2 * kValeursParLigne;
    // Index 15 matches 224 first and reads as 14; index 0 (free format) matches nothing.
    for (unsigned masque = 224; masque >= 16; masque -= 16)
        if ((vfnOctet & masque) == masque)
            return std::string(debits()[masque / 16 - 1 + base]);
    return "???";
}

void fnAnalyserEntete(std::string_view vfnEntete, bool& vfnValide, std::string& vfnKbps,
                      std::string& vfnCanaux, std::int32_t& vfnTailleTrame)
{
    vfnValide = false;
    vfnKbps.clear();
    vfnCanaux.clear();
    vfnTailleTrame = 0;
    const auto octet = [&](std::size_t k) {
        return static_cast<std::uint8_t>(k < vfnEntete.size() ? vfnEntete[k] : 0);
    };
    const std::uint8_t b1 = octet(1);
    const std::uint8_t b2 = octet(2);
    const std::uint8_t b3 = octet(3);

    std::string_view version;
    int diviseurFrequence = 1;
    switch (b1 & 0x18) {
    case 0x18: version = "1.0"; break;
    case 0x10: version = "2.0"; diviseurFrequence = 2; break;
    case 0x00: version = "2.5"; diviseurFrequence = 4; break;
    default: return;
    }
    std::string_view couche;
    switch (b1 & 0x06) {
    case 0x06: couche = "1"; break;
    case 0x04: couche = "2"; break;
    case 0x02: couche = "3"; break;
    default: return;
    }
    std::string debit = fnDebitBinaire(b2, version, couche);
    int frequence = 0;
    switch (b2 & 0x0C) {
    case 0x00: frequence = 44100; break;
    case 0x04: frequence = 48000; break;
    case 0x08: frequence = 32000; break;
    default: return;
    }
    frequence /= diviseurFrequence;
    std::string_view canaux;
    switch (b3 & 0xC0) {
    case 0xC0: canaux = "Mono"; break;
    case 0x80: canaux = "Dual Channel"; break;
    case 0x40: canaux = "Joint Stereo"; break;
    default: canaux = "Stereo"; break;
    }
    if (debit == "???")
        return;

    std::int32_t kbps = 0;
    std::from_chars(debit.data(), debit.data() + debit.size(), kbps);
    const std::int32_t remplissage = (b2 & 0x02) ? 1 : 0;
    // Integer division gives exactly the whole part of the quotient.
    vfnTailleTrame = couche == "1" ? kbps * 1000 * 12 * 4 / frequence + 4 * remplissage
                                   : kbps * 1000 * 144 / frequence + remplissage;
    vfnValide = true;
    vfnKbps = std::move(debit);
    vfnCanaux = canaux;
}

InfosMPEG analyserTrames(std::span<const std::uint8_t> debut, std::uint64_t tailleFichier)
{
    const std::size_t disponibles = static_cast<std::size_t>(std::min<std::uint64_t>(debut.size(), tailleFichier));
    // Positions are 1-based; bytes past the end of the file read as 0.
    const auto octet = [&](std::uint64_t position) -> char {
        return position >= 1 && position <= disponibles ? static_cast<char>(debut[position - 1]) : 0;
    };

    const std::size_t n = std::min(kOctetsExplores, disponibles);
    bool precedentFF = false;
    bool valide = false;
    std::string kbps;
    std::string canaux;
    std::int32_t tailleTrame = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const std::uint8_t b = debut[i - 1];
        if ((b == 0xFA || b == 0xFB) && precedentFF) {
            const char entete[4] = {octet(i - 1), octet(i), octet(i + 1), octet(i + 2)};
            fnAnalyserEntete(std::string_view(entete, 4), valide, kbps, canaux, tailleTrame);
            // An unusable header keeps the flag, so that a following 0xFA / 0xFB is tried too.
            if (valide) {
                const std::uint64_t suivante = (i - 1) + static_cast<std::uint64_t>(tailleTrame);
                const auto s0 = static_cast<std::uint8_t>(octet(suivante));
                const auto s1 = static_cast<std::uint8_t>(octet(suivante + 1));
                if (s0 == 0xFF && (s1 & 0xE0) == 0xE0)
                    return infosTrame(std::move(kbps), std::move(canaux), tailleFichier);
                precedentFF = false;
            }
        } else {
            precedentFF = false;
        }
        if (b == 0xFF)
            precedentFF = true;
    }
    return {};
}

void fnAnalyserMP3(const std::filesystem::path& vfnAdresse, std::string& vfnDuree, std::string& vfnSecondes,
                   std::string& vfnKbps, std::string& vfnCanaux)
{
    vfnDuree.clear();
    vfnSecondes.clear();
    vfnKbps.clear();
    vfnCanaux.clear();
    // One read covers the explored bytes and every second-sync position they can lead to.
    const auto tampon = std::make_unique_for_overwrite<std::uint8_t[]>(kOctetsALire);
    const std::span<std::uint8_t> debut(tampon.get(), kOctetsALire);
    std::size_t lus = 0;
    const std::optional<std::uint64_t> taille = lireDebut(vfnAdresse, debut, lus);
    if (!taille)
        return;
    InfosMPEG infos = analyserTrames(debut.first(lus), *taille);
    vfnDuree = std::move(infos.duree);
    vfnSecondes = std::move(infos.secondes);
    vfnKbps = std::move(infos.kbps);
    vfnCanaux = std::move(infos.canaux);
}

}  // namespace tulvane::metadata
