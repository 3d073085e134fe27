// The favourites menu, built from "Favoris.dat", and the opening of its manager.
#include "app/contexte.h"
#include "components/file_work.h"
#include "platform/dialog_service.h"
#include "playlist/fliste.h"
#include "tools/ffavoris.h"

#include <QAction>
#include <QMenu>

namespace tulvane::playlist {

namespace {

QString nomEntree(int entree)
{
    return QString("liste_favoris%1").arg(entree);
}

}  // namespace

// A missing or unreadable file gives the menu without favourites.
void FListe::fnChargerFavoris()
{
    const platform::TextContent contenu = platform::readText(ctx_.cheminProgramme(kFichierFavoris));
    montrerFavoris(contenu.ok() ? lireFavoris(contenu.text) : LectureFavoris{});
}

// Entry k of the menu is the favourite of pair k; the placeholder shows when there is no pair.
void FListe::montrerFavoris(const LectureFavoris& lecture)
{
    fnDechargerListe();
    QMenu* favoris = menu("Playlist")->menu();
    for (const FavoriLu& f : lecture.favoris) {
        QAction* action = favoris->addAction(QString::fromStdString(f.favori.nom));
        action->setData(QString::fromStdString(f.favori.chemin));
        connect(action, &QAction::triggered, this, [this, entree = f.entree] { liste_favoris_Click(entree); });
        menus_.insert(nomEntree(f.entree), action);
        entreesFavoris_.push_back(action);
    }
    menu(nomEntree(0))->setVisible(lecture.paires == 0);
}

// Every entry goes, however many there are.
void FListe::fnDechargerListe()
{
    for (QAction* action : entreesFavoris_) {
        menus_.remove(menus_.key(action));
        delete action;
    }
    entreesFavoris_.clear();
}

void FListe::liste_favoris_Click(int Index)
{
    const QAction* entree = menu(nomEntree(Index));
    if (!entree || Index == 0)
        return;
    platform::DialogService& dialogues = ctx_.dialogues();
    const QString legende = entree->text();
    if (dialogues.messageBox("Souhaitez-vous ouvrir la liste : " + legende + " ?", "Attention",
                             platform::MessageIcon::Question, platform::MessageButtons::YesNo)
        != platform::MessageAnswer::Yes)
        return;
    const QString chemin = entree->data().toString();
    components::FileWork& fwork = ctx_.FWork1();
    fwork.DefinirFichier(chemin);
    if (fwork.Existe())
        fnChargerListe(chemin);
    else
        dialogues.messageBox("La liste '" + legende + "' que vous tentez d'ouvrir n'existe pas !",
                             "Erreur d'ouverture", platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

void FListe::Ajouter_Favoris_Click()
{
    tools::FFavoris dialogue(ctx_, this);
    dialogue.exec();
}

// The file is written whole, so a failure leaves the old one as it was, and the menu with it:
// the menu always shows what the file holds. Entry k is the k-th favourite, an empty name
// included.
platform::TextWrite FListe::fnEnregistrerFavoris(std::span<const Favori> favoris)
{
    const platform::TextWrite resultat =
        platform::writeText(ctx_.cheminProgramme(kFichierFavoris), QByteArray::fromStdString(ecrireFavoris(favoris)));
    if (!resultat.ok())
        return resultat;
    LectureFavoris ecrits;
    for (const Favori& f : favoris)
        ecrits.favoris.push_back({++ecrits.paires, f});
    montrerFavoris(ecrits);
    return resultat;
}

}  // namespace tulvane::playlist
