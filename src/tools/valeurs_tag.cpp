#include "tools/valeurs_tag.h"

#include "metadata/id3v1.h"

namespace tulvane::tools {

ValeursTag lireValeursTag(const std::filesystem::path& chemin)
{
    ValeursTag v;
    // The reader leaves the number as it was when it finds no tag.
    std::int32_t noStyle = -1;
    metadata::fnLireTag(chemin, v.titre, v.auteur, v.album, v.annee, v.style, v.commentaire, noStyle);
    v.tag = noStyle >= 0;
    return v;
}

std::string styleGarde(const ValeursTag& fichier)
{
    return fichier.tag ? fichier.style : "Other";
}

}  // namespace tulvane::tools
