#include "metadata/fichier_lecture.h"

#include <cstdio>
#include <memory>

namespace tulvane::metadata {

namespace {

struct Fermeture {
    void operator()(std::FILE* fichier) const { std::fclose(fichier); }
};
using Fichier = std::unique_ptr<std::FILE, Fermeture>;

// Unbuffered: each read goes straight into the caller's bytes.
Fichier ouvrir(const std::filesystem::path& chemin)
{
    Fichier fichier(std::fopen(chemin.c_str(), "rb"));
    if (fichier)
        std::setvbuf(fichier.get(), nullptr, _IONBF, 0);
    return fichier;
}

// Reading a folder fails here (EISDIR), so folders give no value.
bool lireTout(std::FILE* fichier, std::span<std::uint8_t> destination, std::size_t& lus)
{
    lus = std::fread(destination.data(), 1, destination.size(), fichier);
    return !std::ferror(fichier);
}

std::optional<std::uint64_t> positionFin(std::FILE* fichier)
{
    if (std::fseek(fichier, 0, SEEK_END) != 0)
        return std::nullopt;
    const long fin = std::ftell(fichier);
    if (fin < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(fin);
}

}  // namespace

std::optional<std::uint64_t> lireDebut(const std::filesystem::path& chemin, std::span<std::uint8_t> destination,
                                       std::size_t& lus)
{
    lus = 0;
    const Fichier fichier = ouvrir(chemin);
    if (!fichier || !lireTout(fichier.get(), destination, lus))
        return std::nullopt;
    // A short read met the end of the file: its size is known without asking.
    if (lus < destination.size())
        return lus;
    return positionFin(fichier.get());
}

std::optional<std::uint64_t> lireFin(const std::filesystem::path& chemin, std::span<std::uint8_t> destination,
                                     std::size_t& lus)
{
    lus = 0;
    const Fichier fichier = ouvrir(chemin);
    if (!fichier)
        return std::nullopt;
    const auto recul = static_cast<long>(destination.size());
    if (std::fseek(fichier.get(), -recul, SEEK_END) == 0) {
        const long debut = std::ftell(fichier.get());
        if (debut < 0 || !lireTout(fichier.get(), destination, lus) || lus != destination.size())
            return std::nullopt;
        return static_cast<std::uint64_t>(debut) + lus;
    }
    // Shorter than the bytes asked for: the whole file.
    std::rewind(fichier.get());
    if (!lireTout(fichier.get(), destination, lus))
        return std::nullopt;
    return lus;
}

}  // namespace tulvane::metadata
