// Enciphers a plain station list (three lines per station: name, address of channel 1,
// address of channel 2) into the "Radios.sys" the player reads.
#include "components/station_cipher.h"
#include "metadata/fichier_lecture.h"
#include "platform/text_lines.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace {

using namespace tulvane;

constexpr const char* kUsage =
    "Usage : chiffrer_radios <liste en clair> <fichier chiffré>\n"
    "\n"
    "Chiffre une liste de stations de radio en un fichier « Radios.sys » pour Tulvane.\n"
    "La liste en clair donne trois lignes par station : le nom, l'adresse du canal 1,\n"
    "l'adresse du canal 2 ; aucune ligne vide entre les stations. Chaque ligne est lue\n"
    "en UTF-8 ou, à défaut, en Windows-1252.\n";

int erreur(const std::string& message)
{
    std::cerr << "chiffrer_radios : " << message << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << kUsage;
        return 2;
    }
    const std::filesystem::path source = argv[1];
    const std::filesystem::path cible = argv[2];

    // A regular file only, opened without waiting (a named pipe given by mistake is refused).
    const std::optional<metadata::FichierLecture> entree = metadata::FichierLecture::ouvrir(source);
    std::string brut(entree ? static_cast<std::size_t>(entree->taille()) : 0, '\0');
    const std::optional<std::size_t> lus =
        entree ? entree->lire(0, std::span(reinterpret_cast<std::uint8_t*>(brut.data()), brut.size())) : std::nullopt;
    if (!lus)
        return erreur("impossible de lire « " + source.string() + " ».");
    brut.resize(*lus);
    const std::string texte = platform::decoderTexte(brut);

    const auto lecture = components::lireTroisLignes(texte);
    if (!lecture.valide())
        return erreur(source.string() + ", ligne " + std::to_string(lecture.ligneFautive)
                      + " : chaque station tient sur trois lignes non vides (nom, adresse du canal 1, "
                        "adresse du canal 2), sans caractère de contrôle.");
    if (lecture.stations.empty())
        return erreur("« " + source.string() + " » ne contient aucune station.");
    if (components::ecrireTroisLignes(lecture.stations).size() > components::kTailleMaxTexteRadios)
        return erreur("« " + source.string() + " » est trop volumineux pour une liste de radios.");

    const auto octets = components::chiffrerListeRadios(lecture.stations, components::kCleListeRadios);
    // Written aside and renamed, so that a failed run leaves the old list whole.
    std::filesystem::path provisoire = cible;
    provisoire += ".tmp";
    {
        std::ofstream sortie(provisoire, std::ios::binary | std::ios::trunc);
        sortie.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
        sortie.close();
        if (!sortie) {
            std::error_code ignore;
            std::filesystem::remove(provisoire, ignore);
            return erreur("impossible d'écrire « " + cible.string() + " ».");
        }
    }
    std::error_code code;
    std::filesystem::rename(provisoire, cible, code);
    if (code) {
        std::filesystem::remove(provisoire, code);
        return erreur("impossible d'écrire « " + cible.string() + " ».");
    }
    std::cout << lecture.stations.size() << " stations chiffrées dans « " << cible.string() << " ».\n";
    return 0;
}
