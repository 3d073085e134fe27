#pragma once

#include <filesystem>
#include <string>

namespace tulvane::tools {

// The six texts the tag reader gives for a file, as UTF-8: trimmed, all empty without a tag
// (or for a file of 1024 bytes or fewer), the genre name empty for a number above 147.
struct ValeursTag {
    std::string titre;
    std::string auteur;
    std::string album;
    std::string annee;
    std::string style;
    std::string commentaire;
    bool tag = false;  // the reader found a tag
};

// A file that cannot be read gives empty texts, as one without a tag.
ValeursTag lireValeursTag(const std::filesystem::path& chemin);

// The genre a row shows once the file's genre was left as it was: the file's own (none for a
// number above 147), or "Other", which a file without a tag receives.
std::string styleGarde(const ValeursTag& fichier);

}  // namespace tulvane::tools
