#include "metadata/infos_fichier.h"

#include "metadata/fichier_lecture.h"

#include <algorithm>
#include <array>
#include <memory>

namespace tulvane::metadata {

std::optional<InfosFichier> lireInfosFichier(const std::filesystem::path& chemin)
{
    const std::optional<FichierLecture> fichier = FichierLecture::ouvrir(chemin);
    if (!fichier)
        return std::nullopt;
    // A size of 0 may be a pseudo-file whose bytes come all the same: it is read up to the
    // limit, and what it gave is its size.
    const std::uint64_t annoncee = fichier->taille();
    const auto voulus =
        annoncee == 0 ? kOctetsALire : static_cast<std::size_t>(std::min<std::uint64_t>(annoncee, kOctetsALire));
    const auto tampon = std::make_unique_for_overwrite<std::uint8_t[]>(voulus);
    const std::optional<std::size_t> lus = fichier->lire(0, {tampon.get(), voulus});
    if (!lus)
        return std::nullopt;
    const std::uint64_t taille = annoncee == 0 ? *lus : annoncee;
    const std::span<const std::uint8_t> debut(tampon.get(), *lus);

    std::span<const std::uint8_t> fin = debut.last(std::min(debut.size(), kTailleTag));
    std::array<std::uint8_t, kTailleTag> enregistrement;
    // Files of 1024 bytes or fewer have no tag to read, and always fit in the start.
    if (debut.size() < taille && taille > kTailleMaxSansTag) {
        const std::optional<std::size_t> n = fichier->lire(taille - kTailleTag, enregistrement);
        if (!n)
            return std::nullopt;
        fin = std::span(enregistrement).first(*n);
    }
    return InfosFichier{analyserTag(fin, taille), analyserTrames(debut, taille)};
}

}  // namespace tulvane::metadata
