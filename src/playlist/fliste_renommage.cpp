// Renaming a row's file in place, and pointing a row at another file.
#include "app/contexte.h"
#include "components/file_work.h"
#include "platform/chemin_systeme.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "platform/noms_non_utf8.h"
#include "platform/renommage.h"
#include "playlist/extensions.h"
#include "playlist/fliste.h"
#include "tools/masque_renommage.h"


#include <system_error>

namespace tulvane::playlist {

namespace {

QString cause(std::error_code erreur)
{
    if (erreur == std::errc::permission_denied || erreur == std::errc::operation_not_permitted)
        return "accès refusé";
    if (erreur == std::errc::no_such_file_or_directory)
        return "le fichier est introuvable";
    if (erreur == std::errc::read_only_file_system)
        return "le support est en lecture seule";
    if (erreur == std::errc::filename_too_long)
        return "le nom est trop long";
    if (erreur == std::errc::no_space_on_device)
        return "le disque est plein";
    return QString("erreur système %1").arg(erreur.value());
}

}  // namespace

void FListe::Renommer_fichier_Click()
{
    Liste->startLabelEdit();
}

void FListe::Liste_AfterLabelEdit(int ligne, bool& Cancel, const QString& NewString)
{
    platform::DialogService& dialogues = ctx_.dialogues();
    const auto refuser = [&](const QString& message, const QString& titre) {
        dialogues.messageBox(message, titre, platform::MessageIcon::Critical, platform::MessageButtons::Ok);
        Cancel = true;
    };
    const QString existeDeja = "Un fichier portant le nom '" + NewString + "' existe déjà !";
    if (!tools::nomAcceptable(NewString.toStdString()))
        return refuser("Le nom '" + NewString + "' n'est pas un nom de fichier valide !", "Attention");

    components::FileWork& fwork = ctx_.FWork1();
    const QString ancien = cheminLigne(ligne);
    fwork.DefinirFichier(ancien);
    const QString nouveau = fwork.Dossier() + NewString;
    fwork.DefinirFichier(nouveau);
    if (fwork.Existe())
        return refuser(existeDeja, "Attention");
    const std::error_code erreur = platform::renommerSansRemplacer(platform::cheminSysteme(ancien), platform::cheminSysteme(nouveau));
    if (erreur == std::errc::file_exists)
        return refuser(existeDeja, "Attention");
    if (erreur)
        return refuser("Le fichier '" + Liste->text(ligne) + "' n'a pas pu être renommé en '" + NewString + "' : "
                           + cause(erreur) + ".",
                       "Annulation de procédure");
    repointerLignes(ancien, nouveau, NewString);
}

// Every row that held the old path follows the file.
void FListe::repointerLignes(const QString& ancien, const QString& nouveau, const QString& nom)
{
    for (int i = Liste->find(kEmplacement, ancien); i != 0; i = Liste->find(kEmplacement, ancien, i + 1)) {
        Liste->setSubItem(i, kEmplacement, nouveau);
        Liste->setText(i, nom);
    }
}

void FListe::modifier_source_Click()
{
    const int ligne = Liste->selectedItem();
    if (ligne == 0)
        return;
    const QStringList choix = platform::sansNomsNonUtf8(
        ctx_.dialogues().showOpen(
            {"Modifier la source du fichier", filtreMedias(ctx_.vExtensions), cheminLigne(ligne), false}),
        ctx_.dialogues());
    if (!choix.isEmpty() && !choix.front().isEmpty())
        Liste->setSubItem(ligne, kEmplacement, choix.front());
}

}  // namespace tulvane::playlist
