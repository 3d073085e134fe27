#include "tools/masque_renommage.h"

#include <cmath>
#include <cstdio>
#include <unordered_map>

namespace tulvane::tools {

std::string_view jetonDe(std::string_view fonctionnalite)
{
    const std::size_t fin = fonctionnalite.find(']');
    return fin == std::string_view::npos ? fonctionnalite : fonctionnalite.substr(0, fin + 1);
}

std::string extensionDe(std::string_view nom)
{
    const std::size_t point = nom.rfind('.');
    return point == std::string_view::npos ? std::string() : std::string(nom.substr(point));
}

std::string remplacerTout(std::string texte, std::string_view quoi, std::string_view par)
{
    if (quoi.empty())
        return texte;
    std::string resultat;
    std::size_t debut = 0;
    for (std::size_t trouve; (trouve = texte.find(quoi, debut)) != std::string::npos; debut = trouve + quoi.size()) {
        resultat.append(texte, debut, trouve - debut);
        resultat += par;
    }
    resultat.append(texte, debut, std::string::npos);
    return resultat;
}

std::string formaterCompteur(double compteur, int chiffres)
{
    char tampon[400];
    std::snprintf(tampon, sizeof tampon, "%.0f", std::round(compteur));
    std::string texte = tampon;
    if (static_cast<int>(texte.size()) < chiffres)
        texte.insert(0, static_cast<std::size_t>(chiffres) - texte.size(), '0');
    return texte;
}

std::vector<std::string> nouveauxNoms(const ReglagesMasque& reglages, std::span<const FichierApercu> fichiers,
                                      const std::function<double()>& aleatoire)
{
    std::vector<std::string> noms;
    noms.reserve(fichiers.size());
    double compteur = reglages.debut;
    for (const FichierApercu& fichier : fichiers) {
        std::string aleatoires;
        for (int j = 0; j < reglages.chiffres; ++j)
            aleatoires += static_cast<char>('0' + static_cast<int>(aleatoire() * 9 + 1));
        const std::string compteurFormate = formaterCompteur(compteur, reglages.chiffres);

        // Each replacement works on the result of the one before, so a token brought in by
        // the old name is replaced by the tokens that come after "[A]".
        std::string nom = remplacerTout(reglages.masque, "[C]", compteurFormate);
        nom = remplacerTout(std::move(nom), "[N]", aleatoires);
        nom = remplacerTout(std::move(nom), "[A]", fichier.ancienNom);
        nom = remplacerTout(std::move(nom), "[E]", extensionDe(fichier.ancienNom));
        nom = remplacerTout(std::move(nom), "[D]", fichier.date);
        nom = remplacerTout(std::move(nom), "[H]", fichier.heure);
        noms.push_back(std::move(nom));

        compteur = std::round(compteur) + reglages.increment;
    }
    return noms;
}

bool nomAcceptable(std::string_view nom)
{
    return !nom.empty() && nom != "." && nom != ".." && nom.find('/') == std::string_view::npos
        && nom.find('\0') == std::string_view::npos;
}

std::vector<bool> nomsFautifs(std::span<const std::string> dossiers, std::span<const std::string> noms,
                              const std::function<bool(const std::string& chemin)>& existe)
{
    std::unordered_map<std::string_view, int> occurrences;
    for (const std::string& nom : noms)
        ++occurrences[nom];
    std::vector<bool> fautifs(noms.size());
    for (std::size_t i = 0; i < noms.size(); ++i)
        fautifs[i] = !nomAcceptable(noms[i]) || occurrences[noms[i]] > 1 || existe(dossiers[i] + noms[i]);
    return fautifs;
}

}  // namespace tulvane::tools
