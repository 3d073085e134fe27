#include "playlist/playlist_file.h"

namespace tulvane::playlist {

namespace {

// Splits at LF, dropping the CR of CR LF; a last line without an end counts, an empty
// tail after the final line end does not.
std::vector<std::string_view> lignesDe(std::string_view texte)
{
    std::vector<std::string_view> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        const std::size_t suivant = fin == std::string_view::npos ? texte.size() : fin + 1;
        if (fin == std::string_view::npos)
            fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        lignes.push_back(ligne);
        debut = suivant;
    }
    return lignes;
}

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
    const std::vector<std::string_view> lignes = lignesDe(texte);
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
