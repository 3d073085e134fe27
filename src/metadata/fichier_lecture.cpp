#include "metadata/fichier_lecture.h"

#include <system_error>

namespace tulvane::metadata {

FichierLecture::FichierLecture(const std::filesystem::path& chemin)
{
    // file_size fails for folders, which the stream itself would open on Linux.
    std::error_code erreur;
    taille_ = std::filesystem::file_size(chemin, erreur);
    if (erreur)
        return;
    // Each call reads a few exact ranges: a stream buffer would only add a copy.
    flux_.rdbuf()->pubsetbuf(nullptr, 0);
    flux_.open(chemin, std::ios::binary);
    ouvert_ = flux_.is_open();
}

bool FichierLecture::lire(std::uint64_t position, std::span<std::uint8_t> destination)
{
    if (!ouvert_)
        return false;
    flux_.seekg(static_cast<std::streamoff>(position));
    flux_.read(reinterpret_cast<char*>(destination.data()), static_cast<std::streamsize>(destination.size()));
    return !flux_.fail();
}

}  // namespace tulvane::metadata
