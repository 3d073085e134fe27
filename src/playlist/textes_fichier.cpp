#include "playlist/textes_fichier.h"

#include "metadata/id3v1.h"
#include "metadata/mpeg.h"
#include "player/time_text.h"

#include <QFile>

namespace tulvane::playlist {

TextesFichier lireTextesFichier(const QString& chemin)
{
    const std::filesystem::path fichier(QFile::encodeName(chemin).toStdString());
    std::string titre, auteur, album, annee, style, commentaire;
    int noStyle = 0;
    const bool lisible = metadata::fnLireTag(fichier, titre, auteur, album, annee, style, commentaire, noStyle);
    std::string duree, secondes, kbps, canaux;
    if (lisible)
        metadata::fnAnalyserMP3(fichier, duree, secondes, kbps, canaux);
    if (kbps.empty())
        kbps = "128";
    return {QString::fromStdString(auteur),
            QString::fromStdString(titre),
            QString::fromStdString(album),
            QString::fromStdString(style),
            QString::fromStdString(player::troisChiffres(std::stoll(kbps))) + " kbps",
            QString::fromStdString(duree),
            QString::fromStdString(commentaire),
            lisible};
}

}  // namespace tulvane::playlist
