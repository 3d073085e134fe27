#include "playlist/playlist_file.h"

#include "platform/text_lines.h"

namespace tulvane::playlist {

namespace {

std::string_view champDe(std::string_view ligne)
{
    const std::size_t premier = ligne.find('"');
    const std::size_t dernier = ligne.rfind('"');
    if (premier == std::string_view::npos || premier == dernier)
        return ligne;
    return ligne.substr(premier + 1, dernier - premier - 1);
}

void ajouterChamp(std::string& sortie, const std::string& champ)
{
    sortie += '"';
    for (char c : champ)
        sortie += (c == '\r' || c == '\n') ? ' ' : c;
    sortie += "\"\r\n";
}

}  // namespace

LectureFichierPlayList lireFichierPlayList(std::string_view texte)
{
    LectureFichierPlayList lecture;
    const std::vector<std::string_view> lignes = platform::decouperLignes(texte);
    if (lignes.empty()) {
        lecture.entete = false;
        lecture.complet = false;
        return lecture;
    }
    std::size_t i = 1;  // the header's text is not checked, only its place
    for (; i + 9 <= lignes.size(); i += 9) {
        TextesLigne& ligne = lecture.lignes.emplace_back();
        for (std::size_t j = 0; j < 9; ++j)
            ligne[j] = std::string(champDe(lignes[i + j]));
    }
    lecture.complet = i >= lignes.size();
    return lecture;
}

std::string ecrireFichierPlayList(const std::vector<const TextesLigne*>& lignes)
{
    std::string sortie;
    sortie.reserve(32 + lignes.size() * 256);
    sortie += kEnteteFichierPlayList;
    sortie += "\r\n";
    for (const TextesLigne* ligne : lignes)
        for (const std::string& champ : *ligne)
            ajouterChamp(sortie, champ);
    return sortie;
}

}  // namespace tulvane::playlist
