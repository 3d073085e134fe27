#include "tools/informations_fichier.h"

#include <cstdio>

namespace tulvane::tools {

std::string formaterKilo(std::uint64_t octets, std::string_view separateurDecimal)
{
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.15g", static_cast<double>(octets) / 1000.0);
    std::string texte = tampon;
    if (const std::size_t point = texte.find('.'); point != std::string::npos)
        texte.replace(point, 1, separateurDecimal);
    return texte;
}

LignesInformation lignesInformations(const SourceInformations& source, std::string_view separateurDecimal)
{
    const std::string kbps = source.audio.kbps.empty() ? "128" : source.audio.kbps;
    return {{
        {"Emplacement", source.emplacement},
        {"Nom du fichier", source.nomFichier},
        {"Taille", source.taille ? formaterKilo(*source.taille, separateurDecimal) + " ko" : ""},
        {"Durée", source.audio.duree},
        {"", ""},
        {"Qualité audio", kbps + " kbps"},
        {"Format stéréo", source.audio.canaux},
        {"", ""},
        {"Auteur", source.tag.auteur},
        {"Titre", source.tag.titre},
        {"Album", source.tag.album},
        {"Année", source.tag.annee},
        {"Style", source.tag.style},
        {"Commentaires", source.tag.commentaire},
    }};
}

std::string ExportTXT(std::span<const LigneInformation> lignes)
{
    std::string texte;
    for (const LigneInformation& ligne : lignes) {
        texte += ligne.libelle;
        if (!ligne.valeur.empty())
            texte += " : " + ligne.valeur;
        texte += "\r\n";
    }
    return texte;
}

}  // namespace tulvane::tools
