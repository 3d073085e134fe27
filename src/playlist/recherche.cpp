#include "playlist/recherche.h"

namespace tulvane::playlist {

QString texteDuChamp(std::span<const QString> cellules, int champ)
{
    if (champ > 0)
        return static_cast<std::size_t>(champ) <= cellules.size() ? cellules[static_cast<std::size_t>(champ - 1)]
                                                                   : QString();
    qsizetype taille = 0;
    for (const QString& cellule : cellules)
        taille += cellule.size();
    QString tout;
    tout.reserve(taille);
    for (const QString& cellule : cellules)
        tout += cellule;
    return tout;
}

RequeteRecherche::RequeteRecherche(const QString& requete) : majuscules_(locale_.toUpper(requete))
{
}

bool RequeteRecherche::trouveDans(const QString& texte) const
{
    return locale_.toUpper(u'#' + texte).contains(majuscules_);
}

}  // namespace tulvane::playlist
