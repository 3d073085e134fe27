#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace tulvane::metadata {

// A regular file opened for binary reading. A missing path or a folder does not open, and
// nothing is created.
class FichierLecture {
public:
    explicit FichierLecture(const std::filesystem::path& chemin);

    bool ouvert() const { return ouvert_; }
    std::uint64_t taille() const { return taille_; }

    // Fills `destination` from byte `position` (0-based); false when not all of it could be read.
    bool lire(std::uint64_t position, std::span<std::uint8_t> destination);

private:
    std::ifstream flux_;
    std::uint64_t taille_ = 0;
    bool ouvert_ = false;
};

}  // namespace tulvane::metadata
