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
};

// A file that cannot be read gives empty texts, as one without a tag.
ValeursTag lireValeursTag(const std::filesystem::path& chemin);

}  // namespace tulvane::tools
