#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace tulvane::metadata {

// An outside file open for reading. Opening never waits: a named pipe without a writer, a
// device or a socket is refused like a missing path or a folder, so only regular files are
// ever read. Nothing is ever created.
class FichierLecture {
public:
    // No value when the path names no readable regular file.
    static std::optional<FichierLecture> ouvrir(const std::filesystem::path& chemin);

    FichierLecture(FichierLecture&& autre) noexcept;
    FichierLecture& operator=(FichierLecture&&) = delete;
    FichierLecture(const FichierLecture&) = delete;
    FichierLecture& operator=(const FichierLecture&) = delete;
    ~FichierLecture();

    // The size when the file was opened.
    std::uint64_t taille() const { return taille_; }

    // Reads from `position` until `destination` is full or the file ends; the number of bytes
    // read, or no value on a read error.
    std::optional<std::size_t> lire(std::uint64_t position, std::span<std::uint8_t> destination) const;

private:
    FichierLecture(int descripteur, std::uint64_t taille) : descripteur_(descripteur), taille_(taille) {}

    int descripteur_;
    std::uint64_t taille_;
};

// Both read in one open and one read, give the file's size and put the number of bytes
// stored in `lus`; no value when the file cannot be read.

// The first min(size, destination.size()) bytes of the file.
std::optional<std::uint64_t> lireDebut(const std::filesystem::path& chemin, std::span<std::uint8_t> destination,
                                       std::size_t& lus);

// The last min(size, destination.size()) bytes of the file.
std::optional<std::uint64_t> lireFin(const std::filesystem::path& chemin, std::span<std::uint8_t> destination,
                                     std::size_t& lus);

}  // namespace tulvane::metadata
