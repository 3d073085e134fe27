#pragma once

#include "metadata/id3v1.h"
#include "metadata/mpeg.h"

#include <filesystem>
#include <optional>

namespace tulvane::metadata {

// What a new play-list row shows of a file: its tag and its first frame.
struct InfosFichier {
    std::optional<TagID3> tag;
    InfosMPEG trames;
};

// Reads a file once for a new row: one open and at most two reads, the start for the frame
// scan and, when the start does not reach it, the tag record at the end. The results are
// those of fnLireTag and fnAnalyserMP3. No value when the file cannot be read.
std::optional<InfosFichier> lireInfosFichier(const std::filesystem::path& chemin);

}  // namespace tulvane::metadata
