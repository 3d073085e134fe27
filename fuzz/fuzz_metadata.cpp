// Feeds arbitrary file contents to the tag parser and the frame scan, as the program reads them.
#include "metadata/id3v1.h"
#include "metadata/mpeg.h"
#include "verifier.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

using namespace tulvane::metadata;

namespace {

// A tag read back from a record written with its own fields is the same tag.
void verifierAllerRetour(const TagID3& tag, std::uint64_t taille)
{
    const auto enregistrement = composerTag(tag.titre, tag.auteur, tag.album, tag.annee, tag.noStyle, tag.commentaire);
    const auto relu = analyserTag(enregistrement, taille);
    verifier(relu.has_value());
    verifier(relu->titre == tag.titre && relu->auteur == tag.auteur && relu->album == tag.album
             && relu->annee == tag.annee && relu->commentaire == tag.commentaire && relu->noStyle == tag.noStyle);
}

void verifierInfos(const InfosMPEG& infos)
{
    if (infos.kbps.empty()) {
        verifier(infos.duree.empty() && infos.secondes.empty() && infos.canaux.empty());
        return;
    }
    const std::size_t deuxPoints = infos.duree.find(':');
    verifier(deuxPoints != std::string::npos && deuxPoints >= 2 && infos.duree.size() - deuxPoints == 3);
    const std::uint64_t minutes = std::stoull(infos.duree.substr(0, deuxPoints));
    const std::uint64_t secondes = std::stoull(infos.duree.substr(deuxPoints + 1));
    verifier(secondes < 60 && minutes * 60 + secondes == std::stoull(infos.secondes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> fichier(data, size);

    const auto tag = analyserTag(fichier.last(std::min(size, kTailleTag)), size);
    if (tag)
        verifierAllerRetour(*tag, size);

    verifierInfos(analyserTrames(fichier.first(std::min(size, kOctetsALire)), size));

    bool valide = false;
    std::string kbps;
    std::string canaux;
    std::int32_t tailleTrame = 0;
    fnAnalyserEntete(std::string_view(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 4)),
                     valide, kbps, canaux, tailleTrame);
    verifier(valide == (tailleTrame > 0));
    return 0;
}
