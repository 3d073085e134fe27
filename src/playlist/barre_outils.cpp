#include "playlist/barre_outils.h"

namespace tulvane::playlist {

std::string_view commandeDuBouton(int index)
{
    if (index < 1 || index > int(kBoutonsBarre.size()))
        return {};
    return kBoutonsBarre[static_cast<std::size_t>(index - 1)].commande;
}

std::string_view commandeDeLaCle(std::string_view cle)
{
    for (const EntreeDeroulante& entree : kEntreesDeroulantes)
        if (cle == entree.cle)
            return entree.commande;
    return {};
}

}  // namespace tulvane::playlist
