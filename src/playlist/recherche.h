#pragma once

#include <QLocale>
#include <QString>

#include <span>

// The search bar's matching: which text of a row a field choice looks in, and whether a
// query occurs in it, ignoring case.
namespace tulvane::playlist {

// The text of field `champ` of the search bar's field list for a row's nine cells (the row
// text, then sub-items 1 to 8): 0 every cell joined with nothing between, k the cell of
// column k.
QString texteDuChamp(std::span<const QString> cellules, int champ);

class RequeteRecherche {
public:
    explicit RequeteRecherche(const QString& requete);

    // The query occurs in "#" followed by the text, both upper-cased by the locale's rules:
    // so a query that starts with "#" finds only texts that start with the rest.
    bool trouveDans(const QString& texte) const;

private:
    QLocale locale_;
    QString majuscules_;
};

}  // namespace tulvane::playlist
