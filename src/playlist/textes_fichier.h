#pragma once

#include <QString>

namespace tulvane::playlist {

// What a play-list row shows of its file, read from the file's tag and first MPEG frame.
struct TextesFichier {
    QString auteur;
    QString titre;
    QString album;
    QString style;
    QString kbps = "128 kbps";  // three digits at least, then " kbps"; 128 when no frame was found
    QString duree;
    QString commentaire;
    // Without a file that could be read, the texts are those of a file without tag or frame.
    enum class Lecture { Lue, Absent, Illisible };
    Lecture lecture = Lecture::Absent;
};

// Reads the file once, without waiting on anything that is not a regular file. Absent is what
// is not a regular file, or a link to one; Illisible a file that is there but could not be read.
TextesFichier lireTextesFichier(const QString& chemin);

}  // namespace tulvane::playlist
