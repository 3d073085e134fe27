#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace tulvane::metadata {

// Reads the bytes a parser needs in as few system calls as possible. Both give the file's size
// and put the number of bytes stored in `lus`; no value when the path names no readable file
// (a missing path, a folder). Nothing is ever created.

// The first min(size, destination.size()) bytes of the file.
std::optional<std::uint64_t> lireDebut(const std::filesystem::path& chemin, std::span<std::uint8_t> destination,
                                       std::size_t& lus);

// The last min(size, destination.size()) bytes of the file.
std::optional<std::uint64_t> lireFin(const std::filesystem::path& chemin, std::span<std::uint8_t> destination,
                                     std::size_t& lus);

}  // namespace tulvane::metadata
