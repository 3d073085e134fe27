// Marks, random marking, selection and sorting of the play list.
#include "app/contexte.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"

#include <QAction>

#include <cmath>

namespace tulvane::playlist {

namespace {

// A draw u in [0, 1) gives a whole number from 1 to `frequence`; the row is marked on a 2.
bool estTiree(double u, int frequence)
{
    return static_cast<int>(std::floor(u * frequence + 1)) == 2;
}

}  // namespace

void FListe::Marquer_tout_Click(int Index)
{
    const int n = Liste->count();
    for (int i = 1; i <= n; ++i)
        Liste->setChecked(i, Index == 0);
}

void FListe::Inverser_Click()
{
    const int n = Liste->count();
    for (int i = 1; i <= n; ++i)
        Liste->setChecked(i, !Liste->isChecked(i));
}

void FListe::cocher_aléatoirement_Click()
{
    platform::Aleatoire& aleatoire = ctx_.aleatoire();
    const int n = Liste->count();
    for (int i = 1; i <= n; ++i)
        Liste->setChecked(i, estTiree(aleatoire.suivant(), vFrequence));
}

void FListe::choixFréquence_Click(int Index)
{
    for (int i = 0; i < 4; ++i)
        menu(QString::fromUtf8("choixFréquence%1").arg(i))->setChecked(i == Index);
    vFrequence = (Index + 1) * 3;
}

void FListe::marquer_selec_Click(int)
{
    const int n = Liste->count();
    for (int i = 1; i <= n; ++i)
        if (Liste->isSelected(i))
            Liste->setChecked(i, !Liste->isChecked(i));
}

void FListe::Sélectionner_tout_Click()
{
    const int n = Liste->count();
    for (int i = 1; i <= n; ++i)
        Liste->setSelected(i, true);
}

void FListe::ordre_tri_Click(int Index)
{
    Liste->setSortKey(Index);
    Liste->setSorted(true);
}

void FListe::Liste_ColumnClick(int colonne)
{
    ordre_tri_Click(colonne - 1);
}

}  // namespace tulvane::playlist
