#include "tools/valeurs_tag.h"

#include "metadata/id3v1.h"

namespace tulvane::tools {

ValeursTag lireValeursTag(const std::filesystem::path& chemin)
{
    ValeursTag v;
    std::int32_t noStyle = 0;
    metadata::fnLireTag(chemin, v.titre, v.auteur, v.album, v.annee, v.style, v.commentaire, noStyle);
    return v;
}

}  // namespace tulvane::tools
