// Adding files to the play list by dialog and by drag and drop, and moving rows.
#include "app/contexte.h"
#include "components/media_player.h"
#include "platform/dialog_service.h"
#include "platform/hourglass.h"
#include "platform/list_view.h"
#include "platform/noms_non_utf8.h"
#include "player/fpiste.h"
#include "player/module3.h"
#include "playlist/deplacement_lignes.h"
#include "playlist/extensions.h"
#include "playlist/fliste.h"

#include <QSet>

#include <cstdlib>

namespace tulvane::playlist {

void FListe::Importation_emplac_Click()
{
    const QStringList choix = platform::sansNomsNonUtf8(
        ctx_.dialogues().showOpen({"Importer depuis emplacement...", filtreMedias(ctx_.vExtensions), "", true}),
        ctx_.dialogues());
    if (choix.isEmpty())
        return;
    {
        platform::Hourglass sablier;
        for (const QString& fichier : choix)
            fnAjouterFichierLite(fichier);
    }
    ctx_.fPiste().Piste().Pause();
}

void FListe::Liste_MouseDown(double y)
{
    vLigneClic = bandeDe(y);
}

void FListe::Liste_OLEDragDrop(const std::optional<QStringList>& fichiers, double y)
{
    if (!fichiers) {
        deplacerSelection(y);
        return;
    }
    const QStringList ajoutes = platform::sansNomsNonUtf8(*fichiers, ctx_.dialogues());
    platform::Hourglass sablier;
    // The paths already listed, kept up to date as files are added, so that a file given
    // twice in one drop is added once.
    QSet<QString> presents;
    const int n = Liste->count();
    presents.reserve(n);
    for (int i = 1; i <= n; ++i)
        presents.insert(cheminLigne(i));
    for (const QString& fichier : ajoutes) {
        if (presents.contains(fichier))
            continue;
        fnAjouterFichierLite(fichier);
        presents.insert(fichier);
    }
    ctx_.fPiste().Piste().Pause();
}

void FListe::deplacerSelection(double y)
{
    const int distance = bandeDe(y) - vLigneClic;
    if (std::abs(distance) < 1)
        return;
    Liste->setSorted(false);

    const int n = Liste->count();
    std::vector<bool> selection(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i)
        selection[static_cast<std::size_t>(i - 1)] = Liste->isSelected(i);
    const DeplacementLignes deplacement = deplacerLignes(selection, distance);
    const auto change = [&](int j) {
        const int source = deplacement.ordre[static_cast<std::size_t>(j)];
        return source != j || deplacement.deplacees[static_cast<std::size_t>(source)];
    };
    int premiere = 0;
    while (premiere < n && !change(premiere))
        ++premiere;
    int derniere = n - 1;
    while (derniere > premiere && !change(derniere))
        --derniere;

    // Only the rows between the first and the last that changed are written again; a moved
    // row keeps its texts and nothing else.
    struct Ligne {
        std::vector<QString> textes;
        bool cochee = false;
        bool choisie = false;
        QString etiquette;
    };
    const int colonnes = Liste->columnCount();
    std::vector<Ligne> avant;
    for (int j = premiere; j <= derniere; ++j) {
        Ligne& ligne = avant.emplace_back();
        for (int k = 0; k < colonnes; ++k)
            ligne.textes.push_back(Liste->subItem(j + 1, k));
        ligne.cochee = Liste->isChecked(j + 1);
        ligne.choisie = Liste->isSelected(j + 1);
        ligne.etiquette = Liste->tag(j + 1);
    }
    for (int j = premiere; j <= derniere; ++j) {
        if (!change(j))
            continue;
        const int source = deplacement.ordre[static_cast<std::size_t>(j)];
        const Ligne& ligne = avant[static_cast<std::size_t>(source - premiere)];
        const bool deplacee = deplacement.deplacees[static_cast<std::size_t>(source)];
        for (int k = 0; k < colonnes; ++k)
            Liste->setSubItem(j + 1, k, ligne.textes[static_cast<std::size_t>(k)]);
        Liste->setChecked(j + 1, !deplacee && ligne.cochee);
        Liste->setSelected(j + 1, !deplacee && ligne.choisie);
        Liste->setTag(j + 1, deplacee ? QString() : ligne.etiquette);
    }
    ctx_.module3().fnMarquerPiste();
}

}  // namespace tulvane::playlist
