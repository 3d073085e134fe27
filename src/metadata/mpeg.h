#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace tulvane::metadata {

// What the frame analysis reports; all four texts are empty when no frame was confirmed.
struct InfosMPEG {
    std::string duree;     // "03:07", "123:05"
    std::string secondes;  // "187"
    std::string kbps;      // "128"
    std::string canaux;    // "Stereo", "Joint Stereo", "Dual Channel" or "Mono"
};

// Bitrates in kbit/s for the indexes 1 to 14, six rows of 14: MPEG-1 Layer III, II, I, then
// the same layers for MPEG-2 and 2.5.
extern const std::string_view TableDebits;

// Frame headers are looked for in this many bytes from the start of a file.
inline constexpr std::size_t kOctetsExplores = 50000;
// The longest frame the scan can meet (MPEG-1 Layer III, 320 kbit/s, 32000 Hz, padded).
inline constexpr std::size_t kTrameMaximale = 144 * 320 * 1000 / 32000 + 1;
// Enough of the start of a file to confirm any candidate found in the explored bytes.
inline constexpr std::size_t kOctetsALire = kOctetsExplores + kTrameMaximale + 4;

// Finds and confirms the first MPEG-1 Layer III frame. `debut` holds the first bytes of a file
// of `tailleFichier` bytes (kOctetsALire of them, or the whole file); bytes past it count as 0.
// The duration is estimated from the whole file size at the first frame's bitrate.
InfosMPEG analyserTrames(std::span<const std::uint8_t> debut, std::uint64_t tailleFichier);

// Bitrate text for header byte b2, version "1.0" / "2.0" / "2.5" and layer "1" / "2" / "3";
// "???" when the index gives none.
std::string fnDebitBinaire(std::uint8_t vfnOctet, std::string_view vfnVersion, std::string_view vfnCouche);

// Decodes a four-byte header (missing bytes count as 0). When it is not usable, `vfnValide` is
// false, the texts are empty and the frame length is 0.
void fnAnalyserEntete(std::string_view vfnEntete, bool& vfnValide, std::string& vfnKbps,
                      std::string& vfnCanaux, std::int32_t& vfnTailleTrame);

// Analyses a file; a missing path, a folder, a named pipe or a device gives empty outputs.
void fnAnalyserMP3(const std::filesystem::path& vfnAdresse, std::string& vfnDuree, std::string& vfnSecondes,
                   std::string& vfnKbps, std::string& vfnCanaux);

}  // namespace tulvane::metadata
