#include "playlist/textes_fichier.h"

#include "metadata/genres.h"
#include "metadata/id3v1.h"
#include "metadata/mpeg.h"
#include "player/time_text.h"

#include <QFile>

#include <array>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace tulvane::playlist {

namespace {

class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// As many bytes as the file has, up to the buffer's size; -1 on a read error.
long long lireDebut(int fd, std::span<std::uint8_t> tampon)
{
    std::size_t lus = 0;
    while (lus < tampon.size()) {
        const ssize_t n = ::read(fd, tampon.data() + lus, tampon.size() - lus);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        lus += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(lus);
}

QString texte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

}  // namespace

LecteurTextesFichier::LecteurTextesFichier() : debut_(metadata::kOctetsALire)
{
}

TextesFichier LecteurTextesFichier::lire(const QString& chemin)
{
    using enum TextesFichier::Lecture;
    TextesFichier textes;
    const QByteArray nom = QFile::encodeName(chemin);
    const Descripteur fichier(::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat etat {};
    if (fichier.fd() < 0) {
        textes.lecture = ::stat(nom.constData(), &etat) == 0 && S_ISREG(etat.st_mode) ? Illisible : Absent;
        return textes;
    }
    if (::fstat(fichier.fd(), &etat) != 0 || !S_ISREG(etat.st_mode))
        return textes;
    textes.lecture = Illisible;
    const long long lus = lireDebut(fichier.fd(), debut_);
    if (lus < 0)
        return textes;
    const std::span<const std::uint8_t> debut(debut_.data(), static_cast<std::size_t>(lus));
    // A short read met the end: the file is what was read.
    const std::uint64_t taille =
        debut.size() < debut_.size() ? debut.size() : static_cast<std::uint64_t>(etat.st_size);

    std::array<std::uint8_t, metadata::kTailleTag> queue{};
    std::span<const std::uint8_t> fin = debut.last(std::min(debut.size(), queue.size()));
    if (taille > debut.size()) {
        if (::pread(fichier.fd(), queue.data(), queue.size(), static_cast<off_t>(taille - queue.size()))
            != static_cast<ssize_t>(queue.size()))
            return textes;
        fin = queue;
    }
    textes.lecture = Lue;
    if (const std::optional<metadata::TagID3> tag = metadata::analyserTag(fin, taille)) {
        textes.auteur = texte(tag->auteur);
        textes.titre = texte(tag->titre);
        textes.album = texte(tag->album);
        textes.style = texte(std::string(metadata::nomGenre(tag->noStyle)));
        textes.commentaire = texte(tag->commentaire);
    }
    const metadata::InfosMPEG infos = metadata::analyserTrames(debut, taille);
    if (!infos.kbps.empty())
        textes.kbps = texte(player::troisChiffres(std::stoll(infos.kbps))) + " kbps";
    textes.duree = texte(infos.duree);
    return textes;
}

}  // namespace tulvane::playlist
