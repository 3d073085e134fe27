#pragma once

#include "support/bytes.h"

#include <filesystem>
#include <vector>

namespace tulvane::test {

struct PisteDeTon {
    double frequence;  // Hz
    int secteurs;      // 75 a second
};

// A disc image in the folder: "disque.bin" of raw audio sectors and "disque.cue" that
// describes its tracks. Each track is a tone in 16-bit little-endian stereo at 44.1 kHz,
// the right channel at half the left's level, so that swapped channels or bytes show.
struct ImageCd {
    std::filesystem::path cue;
    std::vector<Bytes> pistes;  // the PCM of each track, as written
};

ImageCd ecrireImageCd(const std::filesystem::path& dossier, const std::vector<PisteDeTon>& pistes);

}  // namespace tulvane::test
