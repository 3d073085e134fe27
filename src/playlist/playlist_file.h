#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tulvane::playlist {

// The nine texts of one play-list row, in column order: file name, artist, title, album,
// genre, bitrate, full path, duration, comment.
using TextesLigne = std::array<std::string, 9>;

inline constexpr std::string_view kEnteteFichierPlayList = "### Tulvane PlayList";

struct LectureFichierPlayList {
    std::vector<TextesLigne> lignes;
    bool entete = true;   // false when the text has not even a first line: no play list at all
    bool complet = true;  // false when the text ended before its header or in the middle of a row
};

// Reads the play-list text (already decoded to UTF-8), whatever its line ends. The first
// line is skipped whatever it holds; each row is nine field lines. A field is the text between the first and the
// last double quote of its line, so a quote inside a field survives; a line without two
// quotes (edited by hand) is taken whole. A row cut short is not added.
LectureFichierPlayList lireFichierPlayList(std::string_view texte);

// The whole file: header, then nine quoted lines per row, every line ending in CR LF.
// CR and LF inside a field become blanks so that the rows stay on their nine lines.
std::string ecrireFichierPlayList(const std::vector<const TextesLigne*>& lignes);

}  // namespace tulvane::playlist
