#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The stored station list "Radios.sys" and its readable three-line form.
//
// "Radios.sys" (all numbers little-endian):
//   offset 0   4 bytes  "TVRS"
//          4   1 byte   format version, 1
//          5   4 bytes  key check: the first 4 bytes of the keystream's block 0
//          9   4 bytes  length n of the text, at most kTailleMaxTexteRadios
//         13   n bytes  the text XOR the keystream from block 1 on
//       13+n   4 bytes  FNV-1a 32 of the plain text
// and nothing after. The keystream is SplitMix64 seeded with the FNV-1a 64 of the key's
// bytes, 8 bytes per block, low byte first. The text is the three-line form in UTF-8.
// This keeps the list from being read or edited by accident; it is no protection against
// someone who has the program, which holds the key.

namespace tulvane::components {

// The key text the program hands to the decoder with the two paths.
inline constexpr std::string_view kCleListeRadios = "###mix-KoravelDistantHarborSong###";

inline constexpr std::size_t kTailleMaxTexteRadios = 1024 * 1024;

struct EntreeRadio {
    std::string nom;
    std::string canal1;
    std::string canal2;
    bool operator==(const EntreeRadio&) const = default;
};

enum class ErreurListeRadios {
    aucune,
    pasUneListe,      // no "TVRS" at the start
    tronquee,         // shorter than its header or its stated length
    versionInconnue,
    cleIncorrecte,
    tropGrande,
    alteree,          // bytes after the end, or the checksum does not match
    texteInvalide,    // the text is not UTF-8 or not three lines per station
};

// The French text to show the user for an error.
std::string messageErreurRadios(ErreurListeRadios erreur);

// Three lines per station: name, address of channel 1, address of channel 2. Lines end in
// CR LF, LF or CR; the last one may lack its end. A station cut short, an empty line or a
// control character stops the reading: `ligneFautive` is then its 1-based line number.
struct LectureListeRadios {
    std::vector<EntreeRadio> stations;
    std::size_t ligneFautive = 0;
    bool valide() const { return ligneFautive == 0; }
};
LectureListeRadios lireTroisLignes(std::string_view texteUtf8);

// The three-line form with CR LF after every line.
std::string ecrireTroisLignes(const std::vector<EntreeRadio>& stations);

std::vector<std::uint8_t> chiffrerListeRadios(const std::vector<EntreeRadio>& stations,
                                              std::string_view cle);

struct ListeRadiosDechiffree {
    ErreurListeRadios erreur = ErreurListeRadios::aucune;
    std::vector<EntreeRadio> stations;
};

// Any bytes are accepted: every fault of the input comes back as an error, never as a
// partial list.
ListeRadiosDechiffree dechiffrerListeRadios(std::span<const std::uint8_t> octets,
                                            std::string_view cle);

}  // namespace tulvane::components
