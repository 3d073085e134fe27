#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// New file names built from a mask, and their verification, without a window.
namespace tulvane::tools {

// The entries of the token list; each token is the entry up to its first "]".
inline constexpr std::array<std::string_view, 6> kFonctionnalites = {
    "[A] Ancien nom", "[E] Extension", "[D] Date", "[H] Heure", "[C] Compteur", "[N] Nombre aléatoire",
};

// The token of an entry of the list: "[A] Ancien nom" gives "[A]".
std::string_view jetonDe(std::string_view fonctionnalite);

// The old name from its last "." to its end, "" when it has none.
std::string extensionDe(std::string_view nom);

// Every occurrence of `quoi` replaced by `par`, left to right, the result not scanned again.
std::string remplacerTout(std::string texte, std::string_view quoi, std::string_view par);

// The counter rounded to a whole number (a half away from zero), zero-padded on the left to
// at least `chiffres` digits, never cut.
std::string formaterCompteur(double compteur, int chiffres);

struct ReglagesMasque {
    std::string masque;
    double debut = 1;  // the counter start, 0 or more
    int increment = 1;
    int chiffres = 2;
};

// A file of the preview: its name with extension and the date ("yyyymmdd") and time
// ("hhmmss") of its last change, both "" when they could not be had.
struct FichierApercu {
    std::string ancienNom;
    std::string date;
    std::string heure;
};

// The new name of every file, in order. `aleatoire` gives values in [0, 1); each file draws
// `chiffres` of them for its random digits.
std::vector<std::string> nouveauxNoms(const ReglagesMasque& reglages, std::span<const FichierApercu> fichiers,
                                      const std::function<double()>& aleatoire);

// A name a rename may give, one that keeps the file in its folder: not empty, neither "."
// nor "..", no "/" and no NUL.
bool nomAcceptable(std::string_view nom);

// Which rows may not be renamed: a new name that is not acceptable, that another row also
// gets (whatever the folders), or that names something already in the row's folder.
// `existe` is asked about folder + new name.
std::vector<bool> nomsFautifs(std::span<const std::string> dossiers, std::span<const std::string> noms,
                              const std::function<bool(const std::string& chemin)>& existe);

}  // namespace tulvane::tools
