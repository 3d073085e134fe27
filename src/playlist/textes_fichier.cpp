#include "playlist/textes_fichier.h"

#include "metadata/genres.h"
#include "metadata/infos_fichier.h"
#include "platform/chemin_systeme.h"
#include "player/time_text.h"

#include <sys/stat.h>

namespace tulvane::playlist {

namespace {

QString texte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

}  // namespace

TextesFichier lireTextesFichier(const QString& chemin)
{
    using enum TextesFichier::Lecture;
    TextesFichier textes;
    const std::filesystem::path systeme = platform::cheminSysteme(chemin);
    const std::optional<metadata::InfosFichier> infos = metadata::lireInfosFichier(systeme);
    if (!infos) {
        struct stat etat {};
        textes.lecture = ::stat(systeme.c_str(), &etat) == 0 && S_ISREG(etat.st_mode) ? Illisible : Absent;
        return textes;
    }
    textes.lecture = Lue;
    if (const std::optional<metadata::TagID3>& tag = infos->tag) {
        textes.auteur = texte(tag->auteur);
        textes.titre = texte(tag->titre);
        textes.album = texte(tag->album);
        textes.style = texte(std::string(metadata::nomGenre(tag->noStyle)));
        textes.commentaire = texte(tag->commentaire);
    }
    if (!infos->trames.kbps.empty())
        textes.kbps = texte(player::troisChiffres(std::stoll(infos->trames.kbps))) + " kbps";
    textes.duree = texte(infos->trames.duree);
    return textes;
}

}  // namespace tulvane::playlist
