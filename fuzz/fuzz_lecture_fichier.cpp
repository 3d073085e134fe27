// The file-reading layer under the tag reader and the frame analysis: the fuzzer's bytes
// become a real file, read back through open, fstat and pread as a new play-list row reads
// it and as the two readers read it, and every road must give what the parsers find in the
// same bytes in memory. Its max_len goes past the 51445 bytes read for the frame scan, so
// that the tag record is also read on its own at the end of the file.
#include "metadata/genres.h"
#include "metadata/id3v1.h"
#include "metadata/infos_fichier.h"
#include "metadata/mpeg.h"
#include "verifier.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>

#include <fcntl.h>
#include <unistd.h>

using namespace tulvane::metadata;

namespace {

// One file for the whole run, removed at exit.
const std::filesystem::path& fichier()
{
    static const std::filesystem::path chemin = [] {
        std::string modele = (std::filesystem::temp_directory_path() / "fuzz-lecture-XXXXXX").string();
        const int fd = ::mkstemp(modele.data());
        verifier(fd >= 0);
        ::close(fd);
        std::atexit([] { std::filesystem::remove(fichier()); });
        return std::filesystem::path(modele);
    }();
    return chemin;
}

void ecrire(const std::uint8_t* data, std::size_t size)
{
    const int fd = ::open(fichier().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    verifier(fd >= 0);
    for (std::size_t ecrits = 0; ecrits < size;) {
        const ssize_t n = ::write(fd, data + ecrits, size - ecrits);
        verifier(n > 0);
        ecrits += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

bool memesTrames(const InfosMPEG& a, const InfosMPEG& b)
{
    return a.duree == b.duree && a.secondes == b.secondes && a.kbps == b.kbps && a.canaux == b.canaux;
}

bool memesTags(const std::optional<TagID3>& a, const std::optional<TagID3>& b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a
        || (a->titre == b->titre && a->auteur == b->auteur && a->album == b->album && a->annee == b->annee
            && a->commentaire == b->commentaire && a->noStyle == b->noStyle);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ecrire(data, size);
    const std::span<const std::uint8_t> octets(data, size);
    const std::optional<TagID3> tagAttendu = analyserTag(octets.last(std::min(size, kTailleTag)), size);
    const InfosMPEG tramesAttendues = analyserTrames(octets.first(std::min(size, kOctetsALire)), size);

    const std::optional<InfosFichier> infos = lireInfosFichier(fichier());
    verifier(infos.has_value());
    verifier(memesTags(infos->tag, tagAttendu));
    verifier(memesTrames(infos->trames, tramesAttendues));

    std::string titre, auteur, album, annee, style, commentaire;
    std::int32_t noStyle = -1;
    verifier(fnLireTag(fichier(), titre, auteur, album, annee, style, commentaire, noStyle));
    if (tagAttendu) {
        verifier(titre == tagAttendu->titre && auteur == tagAttendu->auteur && album == tagAttendu->album
                 && annee == tagAttendu->annee && commentaire == tagAttendu->commentaire
                 && noStyle == tagAttendu->noStyle && style == nomGenre(noStyle));
    } else {
        verifier(titre.empty() && style.empty() && noStyle == -1);
    }

    InfosMPEG trames;
    fnAnalyserMP3(fichier(), trames.duree, trames.secondes, trames.kbps, trames.canaux);
    verifier(memesTrames(trames, tramesAttendues));
    return 0;
}
