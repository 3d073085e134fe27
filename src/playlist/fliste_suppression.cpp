// Removing rows from the play list: duplicates, the selected rows, a file sent to the trash.
#include "app/contexte.h"
#include "components/file_work.h"
#include "components/media_player.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "player/fpiste.h"
#include "playlist/doublons.h"
#include "playlist/fliste.h"

#include <QProgressBar>

#include <string_view>
#include <vector>

namespace tulvane::playlist {

namespace {

std::u16string_view vue(const QString& texte)
{
    return {reinterpret_cast<const char16_t*>(texte.utf16()), static_cast<std::size_t>(texte.size())};
}

}  // namespace

// The later rows of each path go; the user's marks do not survive, as the marks were the
// work flags of the search.
void FListe::suppr_doublons_Click()
{
    const int n = Liste->count();
    std::vector<QString> chemins;
    chemins.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        Liste->setChecked(i, false);
        chemins.push_back(cheminLigne(i));
    }
    ProgressBar1->setRange(0, n + 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setVisible(true);
    std::vector<std::u16string_view> vues;
    vues.reserve(chemins.size());
    for (const QString& chemin : chemins)
        vues.push_back(vue(chemin));
    const std::vector<bool> doublons = reperesDoublons(vues);
    ProgressBar1->setValue(n);
    ProgressBar1->setVisible(false);

    const int retires = Liste->removeIf([&doublons](int ligne) { return doublons[static_cast<std::size_t>(ligne - 1)]; });
    ctx_.dialogues().messageBox(QString::number(retires) + " doublon(s) a/ont été supprimé(s) de la Play-Liste active.",
                                "Opération terminée", platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

void FListe::Supprimer_Click()
{
    if (ctx_.dialogues().messageBox("Toous les éléments sélectionnés seront supprimés de la liste.\n"
                                    "Souhaitez-vous effectuer cette action ?",
                                    "Suppression", platform::MessageIcon::Exclamation, platform::MessageButtons::YesNo)
        != platform::MessageAnswer::Yes)
        return;
    Liste->removeIf([this](int ligne) { return Liste->isSelected(ligne); });
}

// The row leaves the list only when its file has left the disk.
void FListe::Supprimer_source_Click()
{
    const int ligne = Liste->selectedItem();
    if (ligne == 0)
        return;
    platform::DialogService& dialogues = ctx_.dialogues();
    const QString chemin = cheminLigne(ligne);
    if (chemin == ctx_.fPiste().Piste().FileName()) {
        dialogues.messageBox("Vous ne pouvez pas supprimer le fichier qui en cours de lecture ou qui est chargé dans "
                             "le cache du lecteur.",
                             "Procédure impossible", platform::MessageIcon::Critical, platform::MessageButtons::Ok);
        return;
    }
    if (dialogues.messageBox("Le fichier '" + Liste->text(ligne) + "' sera supprimé vers la corbeille.\n"
                                 "Souhaitez-vous réellement effectuer cette opération ?",
                             "Suppression", platform::MessageIcon::Critical, platform::MessageButtons::YesNo)
        != platform::MessageAnswer::Yes)
        return;
    const components::ResultatOperation resultat = ctx_.FWork1().SupprimerCorbeille(chemin);
    if (!resultat.reussi) {
        dialogues.messageBox(resultat.message, "Annulation de procédure", platform::MessageIcon::Critical,
                             platform::MessageButtons::Ok);
        return;
    }
    Liste->remove(ligne);
}

}  // namespace tulvane::playlist
