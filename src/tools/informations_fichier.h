#pragma once

#include "metadata/mpeg.h"
#include "tools/valeurs_tag.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The fourteen rows of the file-information dialog and their text export, without a window.
namespace tulvane::tools {

struct LigneInformation {
    std::string libelle;
    std::string valeur;
};

inline constexpr std::size_t kNombreLignesInformation = 14;
using LignesInformation = std::array<LigneInformation, kNombreLignesInformation>;

// What the rows are made of. `taille` is empty when the file could not be measured.
struct SourceInformations {
    std::string emplacement;
    std::string nomFichier;
    std::optional<std::uint64_t> taille;
    metadata::InfosMPEG audio;
    ValeursTag tag;
};

// A length in bytes divided by 1000: the shortest decimal text of the exact quotient, with at
// most 15 significant digits, no grouping, and `separateurDecimal` before the decimals
// ("0,999", "0,5", "2000").
std::string formaterKilo(std::uint64_t octets, std::string_view separateurDecimal);

LignesInformation lignesInformations(const SourceInformations& source, std::string_view separateurDecimal);

// One line per row, each ended by CR LF: the label, then " : " and the value when the value
// is not empty. The bytes are the texts' own (UTF-8), nothing quoted or trimmed.
std::string ExportTXT(std::span<const LigneInformation> lignes);

}  // namespace tulvane::tools
