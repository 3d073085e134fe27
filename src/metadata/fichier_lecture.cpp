#include "metadata/fichier_lecture.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tulvane::metadata {

std::optional<FichierLecture> FichierLecture::ouvrir(const std::filesystem::path& chemin)
{
    // O_NONBLOCK makes opening a pipe or a device return at once; it changes nothing for
    // reads of a regular file.
    int descripteur;
    do
        descripteur = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    while (descripteur < 0 && errno == EINTR);
    if (descripteur < 0)
        return std::nullopt;
    struct stat etat {};
    if (::fstat(descripteur, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(descripteur);
        return std::nullopt;
    }
    return FichierLecture(descripteur, static_cast<std::uint64_t>(etat.st_size));
}

FichierLecture::FichierLecture(FichierLecture&& autre) noexcept
    : descripteur_(std::exchange(autre.descripteur_, -1)), taille_(autre.taille_)
{
}

FichierLecture::~FichierLecture()
{
    if (descripteur_ >= 0)
        ::close(descripteur_);
}

std::optional<std::size_t> FichierLecture::lire(std::uint64_t position, std::span<std::uint8_t> destination) const
{
    std::size_t lus = 0;
    while (lus < destination.size()) {
        const ssize_t n = ::pread(descripteur_, destination.data() + lus, destination.size() - lus,
                                  static_cast<off_t>(position + lus));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        lus += static_cast<std::size_t>(n);
    }
    return lus;
}

namespace {

enum class Bout { debut, fin };

// The first or the last min(size, destination.size()) bytes of the file.
std::optional<std::uint64_t> lireBout(const std::filesystem::path& chemin, Bout bout,
                                      std::span<std::uint8_t> destination, std::size_t& lus)
{
    lus = 0;
    const std::optional<FichierLecture> fichier = FichierLecture::ouvrir(chemin);
    if (!fichier)
        return std::nullopt;
    const std::uint64_t taille = fichier->taille();
    const std::size_t voulus = static_cast<std::size_t>(std::min<std::uint64_t>(taille, destination.size()));
    const std::optional<std::size_t> n =
        fichier->lire(bout == Bout::debut ? 0 : taille - voulus, destination.first(voulus));
    if (!n)
        return std::nullopt;
    lus = *n;
    return taille;
}

}  // namespace

std::optional<std::uint64_t> lireDebut(const std::filesystem::path& chemin, std::span<std::uint8_t> destination,
                                       std::size_t& lus)
{
    return lireBout(chemin, Bout::debut, destination, lus);
}

std::optional<std::uint64_t> lireFin(const std::filesystem::path& chemin, std::span<std::uint8_t> destination,
                                     std::size_t& lus)
{
    return lireBout(chemin, Bout::fin, destination, lus);
}

}  // namespace tulvane::metadata
