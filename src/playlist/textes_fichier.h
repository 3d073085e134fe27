#pragma once

#include <QString>

#include <cstdint>
#include <vector>

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

// Reads files one after the other, each opened once (without waiting on anything that is not
// a regular file), into one buffer kept from file to file. Absent is what is not a regular
// file, or a link to one; Illisible a file that is there but could not be read.
class LecteurTextesFichier {
public:
    LecteurTextesFichier();
    TextesFichier lire(const QString& chemin);

private:
    std::vector<std::uint8_t> debut_;
};

}  // namespace tulvane::playlist
