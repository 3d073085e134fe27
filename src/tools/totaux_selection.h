#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The totals of the selected play-list rows and the texts that show them, without a window.
namespace tulvane::tools {

// What a selected row gives: its bitrate and duration texts as the list shows them
// ("128 kbps", "03:20") and the size of its file, empty when it could not be had.
struct LigneTotaux {
    std::string kbps;
    std::string duree;
    std::optional<std::uint64_t> taille;
};

struct TotauxSelection {
    std::uint64_t fichiers = 0;
    std::uint64_t octets = 0;
    std::uint64_t secondes = 0;
    std::uint64_t sommeKbps = 0;
};

// A text that is not a number adds nothing, but its row still counts.
TotauxSelection totaliser(std::span<const LigneTotaux> lignes);

// The seconds of a duration text: the minutes before the ":" (any number of digits) and the
// last two characters; none when it does not read so.
std::optional<std::uint64_t> secondesDeDuree(std::string_view duree);

// The number formed by the first three characters of a bitrate text; none when they are not
// digits.
std::optional<std::uint64_t> kbpsDeTexte(std::string_view kbps);

// Kilobytes in the format "0'000": a whole number of at least four digits, an apostrophe
// before the last three.
std::string formaterMilliers(std::uint64_t nombre);

struct TextesTotaux {
    std::string quantite;        // "3 fichiers"
    std::string poids;           // "1'235 ko (1 Mo)"
    std::string dureeTotale;     // "10:00 min. (600 sec.)"
    std::string qualiteMoyenne;  // "160 Kbps"
    std::string dureeMoyenne;    // "03:20 min. (200 sec.)"
};

// Without a file the means read "000 Kbps" and "00:00 min. (0 sec.)".
TextesTotaux formaterTotaux(const TotauxSelection& totaux);

}  // namespace tulvane::tools
