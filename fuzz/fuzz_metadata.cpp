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

bool memesChamps(const TagID3& a, const TagID3& b)
{
    return a.titre == b.titre && a.auteur == b.auteur && a.album == b.album && a.annee == b.annee
        && a.commentaire == b.commentaire && a.noStyle == b.noStyle;
}

// A tag read back from a record written with its own fields is the same tag.
void verifierAllerRetour(const TagID3& tag, std::uint64_t taille)
{
    const auto enregistrement = composerTag(tag.titre, tag.auteur, tag.album, tag.annee, tag.noStyle, tag.commentaire);
    const auto relu = analyserTag(enregistrement, taille);
    verifier(relu.has_value() && memesChamps(*relu, tag));
}

// An edit that modifies nothing gives the record back byte for byte; one that modifies every
// field with the fields read gives a record that reads back the same.
void verifierEdition(std::span<const std::uint8_t, kTailleTag> enregistrement, const TagID3& tag,
                     std::uint64_t taille)
{
    const auto inchange = recomposerTag(enregistrement, {"x", "x", "x", "x", "x", 0},
                                        {false, false, false, false, false, false});
    verifier(std::equal(inchange.begin(), inchange.end(), enregistrement.begin()));
    const auto relu = analyserTag(recomposerTag(enregistrement, tag, {}), taille);
    verifier(relu.has_value() && memesChamps(*relu, tag));
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
    if (tag) {
        verifierAllerRetour(*tag, size);
        verifierEdition(fichier.last<kTailleTag>(), *tag, size);
    }

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
