#pragma once

#include <QString>

namespace tulvane::playlist {

// What a play-list row shows of its file, read from the file's tag and first MPEG frame.
struct TextesFichier {
    QString auteur;
    QString titre;
    QString album;
    QString style;
    QString kbps;  // three digits at least, then " kbps"; "128 kbps" when no frame was found
    QString duree;
    QString commentaire;
    bool lisible = true;  // false when the file could not be read: the texts are then as without tag
};

TextesFichier lireTextesFichier(const QString& chemin);

}  // namespace tulvane::playlist
