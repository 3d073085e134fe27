#include "tools/parcours_disque.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>

namespace tulvane::tools {

namespace {

namespace fs = std::filesystem;

bool finitPar(std::string_view nom, std::string_view extension)
{
    if (nom.size() <= extension.size() || nom[nom.size() - extension.size() - 1] != '.')
        return false;
    return std::equal(extension.begin(), extension.end(), nom.end() - static_cast<std::ptrdiff_t>(extension.size()),
                      [](char a, char b) {
                          const auto minuscule = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
                          return minuscule(a) == minuscule(b);
                      });
}

std::optional<dev_t> peripheriqueDe(const fs::path& dossier)
{
    struct stat infos {};
    if (::lstat(dossier.c_str(), &infos) != 0)
        return std::nullopt;
    return infos.st_dev;
}

// False once the search was stopped.
bool parcourir(const fs::path& dossier, std::string_view extension, dev_t peripherique, const Continuer& continuer,
               const FichierTrouve& trouve)
{
    if (!continuer())
        return false;
    std::vector<fs::path> sousDossiers;
    std::vector<fs::path> fichiers;
    std::error_code erreur;
    for (fs::directory_iterator it(dossier, erreur), fin; !erreur && it != fin; it.increment(erreur)) {
        const fs::directory_entry& entree = *it;
        const std::string nom = entree.path().filename().string();
        std::error_code ignoree;
        if (!entree.is_symlink(ignoree) && entree.is_directory(ignoree)) {
            if (!nom.starts_with('.'))
                sousDossiers.push_back(entree.path());
        } else if (finitPar(nom, extension) && entree.is_regular_file(ignoree)) {
            fichiers.push_back(entree.path());
        }
    }
    for (const fs::path& fichier : fichiers) {
        if (!continuer())
            return false;
        trouve(fichier);
    }
    for (const fs::path& sousDossier : sousDossiers)
        if (peripheriqueDe(sousDossier) == peripherique
            && !parcourir(sousDossier, extension, peripherique, continuer, trouve))
            return false;
    return true;
}

bool estSystemeDuSysteme(const Volume& volume)
{
    return !volume.peripherique.starts_with("/dev/") || volume.type == "squashfs" || !volume.dossier;
}

}  // namespace

void parcourirDossier(const fs::path& dossier, std::string_view extension, const Continuer& continuer,
                      const FichierTrouve& trouve)
{
    const std::optional<dev_t> peripherique = peripheriqueDe(dossier);
    if (peripherique)
        parcourir(dossier, extension, *peripherique, continuer, trouve);
}

std::vector<std::string> lecteursReels(const std::vector<Volume>& volumes)
{
    std::vector<std::string> lecteurs{"/"};
    for (const Volume& volume : volumes) {
        if (estSystemeDuSysteme(volume)
            || std::find(lecteurs.begin(), lecteurs.end(), volume.pointMontage) != lecteurs.end())
            continue;
        lecteurs.push_back(volume.pointMontage);
    }
    return lecteurs;
}

}  // namespace tulvane::tools
