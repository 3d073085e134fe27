// The refresh of the play list: every row read again from its file.
#include "app/contexte.h"
#include "platform/dialog_service.h"
#include "platform/hourglass.h"
#include "platform/list_view.h"
#include "player/module3.h"
#include "playlist/actualisation.h"
#include "playlist/fliste.h"
#include "playlist/textes_fichier.h"

#include <QProgressBar>

#include <optional>

namespace tulvane::playlist {

namespace {

constexpr std::uint32_t kTexteFenetre = 0x80000008u;  // the system's window-text colour

}  // namespace

void FListe::Actualiser_Click()
{
    platform::DialogService& dialogues = ctx_.dialogues();
    if (dialogues.messageBox("Souhaitez-vous actualiser tous les éléments de la liste ?", "Actualiser la Play-List",
                             platform::MessageIcon::Question, platform::MessageButtons::YesNo)
        != platform::MessageAnswer::Yes)
        return;
    const int n = Liste->count();
    ProgressBar1->setRange(0, std::max(n, 1));
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    std::optional<platform::Hourglass> sablier(std::in_place);

    EtapesActualisation etapes;
    etapes.relire = [this](int ligne) { return relireLigne(ligne); };
    etapes.demander = [&](int ligne) {
        Liste->setSelected(ligne, true);
        sablier.reset();  // the question is answered with the ordinary pointer
        const platform::MessageAnswer reponse = dialogues.messageBox(
            "Le fichier '" + cheminLigne(ligne) + "' est introuvable.\nSouhaitez-vous le supprimer de la liste ?\n\n"
                "(Pour annuler l'actualisation de la liste, cliquez sur Annuler)",
            "Erreur d'actualisation", platform::MessageIcon::Critical, platform::MessageButtons::YesNoCancel);
        sablier.emplace();
        switch (reponse) {
        case platform::MessageAnswer::Yes:
            return ReponseLigneAbsente::Supprimer;
        case platform::MessageAnswer::No:
            return ReponseLigneAbsente::Garder;
        default:
            return ReponseLigneAbsente::Arreter;
        }
    };
    etapes.supprimer = [this](int ligne) { Liste->remove(ligne); };
    actualiserLignes(n, etapes);

    ProgressBar1->setVisible(false);
    sablier.reset();
    ctx_.module3().fnMarquerPiste();
}

// Opening the file tells whether it exists, as a file or a link to one. One that is there
// but cannot be read leaves its row's texts as they were.
bool FListe::relireLigne(int ligne)
{
    const TextesFichier f = lireTextesFichier(cheminLigne(ligne));
    if (f.lecture == TextesFichier::Lecture::Absent)
        return false;
    Liste->setForeColor(ligne, kTexteFenetre);
    Liste->setBold(ligne, false);
    ProgressBar1->setValue(ligne);
    if (f.lecture == TextesFichier::Lecture::Illisible)
        return true;
    Liste->setSubItem(ligne, kAuteur, f.auteur);
    Liste->setSubItem(ligne, kTitre, f.titre);
    Liste->setSubItem(ligne, kAlbum, f.album);
    Liste->setSubItem(ligne, kStyle, f.style);
    Liste->setSubItem(ligne, kCommentaires, f.commentaire);
    Liste->setSubItem(ligne, kKbps, f.kbps);
    Liste->setSubItem(ligne, kDuree, f.duree);
    return true;
}

}  // namespace tulvane::playlist
