// The commands of the play-list window that open the file tools.
#include "app/contexte.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "player/module3.h"
#include "playlist/fliste.h"
#include "tools/fimporter.h"
#include "tools/finfos_fichier.h"
#include "tools/finfos_selec.h"
#include "tools/frenommer.h"
#include "tools/ftag2.h"

namespace tulvane::playlist {

namespace {

template <class Dialogue>
void ouvrir(app::Contexte& contexte, QWidget* parent)
{
    Dialogue dialogue(contexte, parent);
    dialogue.exec();
}

}  // namespace

// The commands that work on the selected item need one: the list may have rows and none
// selected.
bool FListe::fichierChoisi()
{
    if (Liste->selectedItem() != 0)
        return true;
    ctx_.dialogues().messageBox("Aucun fichier n'est sélectionné dans la liste.", "Procédure impossible",
                                platform::MessageIcon::Critical, platform::MessageButtons::Ok);
    return false;
}

void FListe::Importation_Click()
{
    ouvrir<tools::FImporter>(ctx_, this);
}

void FListe::infos_fichier_Click()
{
    if (fichierChoisi())
        ouvrir<tools::FInfosFichier>(ctx_, this);
}

void FListe::editeur_tag_Click()
{
    if (fichierChoisi())
        ctx_.module3().fnEditerTag(cheminLigne(Liste->selectedItem()));
}

void FListe::editeur_tag_global_Click()
{
    ouvrir<tools::FTag2>(ctx_, this);
}

void FListe::Informations_selec_Click()
{
    ouvrir<tools::FInfosSelec>(ctx_, this);
}

void FListe::Renommer_Click()
{
    ouvrir<tools::FRenommer>(ctx_, this);
}

}  // namespace tulvane::playlist
