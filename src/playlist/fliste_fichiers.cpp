// The play-list window's file commands: new, open, save, save as, save selection.
#include "app/contexte.h"
#include "components/file_work.h"
#include "components/media_player.h"
#include "platform/ansi_text.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "platform/noms_non_utf8.h"
#include "player/fpiste.h"
#include "player/module3.h"
#include "playlist/fliste.h"
#include "playlist/playlist_file.h"

#include <vector>

namespace tulvane::playlist {

namespace {

const QString kFiltre = "Play-List Tulvane (*.tvl4)|*.tvl4";

}  // namespace

void FListe::fnChargerListe(const QString& vfnAdresse)
{
    const platform::TextContent contenu = platform::readText(vfnAdresse);
    const LectureFichierPlayList lecture = contenu.ok() ? lireFichierPlayList(contenu.text)
                                                        : LectureFichierPlayList{};
    // A file without even its header line (0 bytes) is no play list: the reader fails at
    // once, and the rows shown, their file name and the player stay as they were.
    if (contenu.ok() && !lecture.entete)
        return;

    ctx_.vNomListe.clear();
    ctx_.vAdresseListe.clear();
    Liste->clear();
    ctx_.vAdresseListe = vfnAdresse;
    components::FileWork& fwork = ctx_.FWork1();
    fwork.DefinirFichier(vfnAdresse);
    const QString nom = fwork.NomFichier();
    ctx_.vNomListe = nom.size() > 5 ? nom.left(nom.size() - 5) : QString();

    if (!contenu.ok())
        return;
    std::vector<std::vector<QString>> lignes;
    lignes.reserve(lecture.lignes.size());
    for (const TextesLigne& textes : lecture.lignes) {
        std::vector<QString>& ligne = lignes.emplace_back();
        ligne.reserve(textes.size());
        for (const std::string& champ : textes)
            ligne.push_back(QString::fromStdString(champ));
    }
    Liste->addItems(std::move(lignes));
    if (!lecture.complet)
        return;

    components::MediaPlayer& piste = ctx_.fPiste().Piste();
    if (Liste->count() > 0) {
        piste.setAutoStart(false);
        piste.setFileName(cheminLigne(1));
        piste.Pause();
        Liste->setSelected(1, true);
    } else {
        piste.setFileName("");
        piste.setAutoStart(false);
        piste.Pause();
        piste.Decharger();
        piste.setFileName("");
    }
    ctx_.module3().fnMarquerPiste();
}

TextesLigne FListe::textesLigne(int ligne) const
{
    TextesLigne textes;
    for (std::size_t j = 0; j < textes.size(); ++j)
        textes[j] = Liste->subItem(ligne, static_cast<int>(j)).toStdString();
    return textes;
}

void FListe::ecrireLignes(const QString& chemin, bool seulementSelection)
{
    std::vector<TextesLigne> textes;
    const int n = Liste->count();
    textes.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        if (!seulementSelection || Liste->isSelected(i))
            textes.push_back(textesLigne(i));
    }
    std::vector<const TextesLigne*> pointeurs;
    pointeurs.reserve(textes.size());
    for (const TextesLigne& ligne : textes)
        pointeurs.push_back(&ligne);
    const QString succes = seulementSelection
        ? QString::number(textes.size()) + " fichiers sélectionnés ont été enregistrés avec succès !"
        : QString("La Play-List active a été enregistrée avec succès !");
    ecrireFichierOuSignaler(chemin, QByteArray::fromStdString(ecrireFichierPlayList(pointeurs)), succes);
}

// Written whole through a temporary file: a failure leaves the old file as it was and the
// user is told, never told it worked.
void FListe::ecrireFichierOuSignaler(const QString& chemin, const QByteArray& contenu, const QString& succes,
                                     const QString& titreSucces)
{
    const platform::TextWrite resultat = platform::writeText(chemin, contenu);
    if (resultat.ok())
        ctx_.dialogues().messageBox(succes, titreSucces, platform::MessageIcon::Information,
                                    platform::MessageButtons::Ok);
    else
        ctx_.dialogues().messageBox(resultat.error, "Annulation de procédure", platform::MessageIcon::Critical,
                                    platform::MessageButtons::Ok);
}

void FListe::fnEnregistrerListe(const QString& vfnAdresse)
{
    ecrireLignes(vfnAdresse, false);
}

void FListe::fnEnregistrerSelection(const QString& vfnAdresse)
{
    ecrireLignes(vfnAdresse, true);
}

void FListe::nouvelle_Click()
{
    const QString question = "Si vous créez une nouvelle Play-List, la liste actuelle sera écrasée\n"
                             "et si vous souhaitez la conservez, vous devez l'enregistrer.\n"
                             "\n"
                             "Souhaitez-vous créer la nouvelle Play-Liste ?";
    if (ctx_.dialogues().messageBox(question, "Attention", platform::MessageIcon::Critical,
                                    platform::MessageButtons::YesNo)
        != platform::MessageAnswer::Yes)
        return;
    ctx_.vNomListe.clear();
    ctx_.vAdresseListe.clear();
    Liste->clear();
    components::MediaPlayer& piste = ctx_.fPiste().Piste();
    piste.Pause();
    piste.setCurrentPosition(0);
    piste.Decharger();
    piste.setFileName("");
}

void FListe::Ouvrir_Click()
{
    const QStringList choix = platform::sansNomsNonUtf8(
        ctx_.dialogues().showOpen({"Ouvrir une Play-List", kFiltre, "", false}), ctx_.dialogues());
    if (!choix.isEmpty() && !choix.front().isEmpty())
        fnChargerListe(choix.front());
}

void FListe::Enregistrer_Click()
{
    if (ctx_.vAdresseListe.isEmpty())
        Enregistrer_sous_Click();
    else
        fnEnregistrerListe(ctx_.vAdresseListe);
}

void FListe::Enregistrer_sous_Click()
{
    const QString nom = ctx_.dialogues().showSave({"Enregistrer sous...", kFiltre, ""});
    if (nom.isEmpty())
        return;
    ctx_.vAdresseListe = nom;
    ctx_.FWork1().DefinirFichier(nom);
    ctx_.vNomListe = ctx_.FWork1().NomFichier();
    fnEnregistrerListe(nom);
}

void FListe::Enregistrer_selection_Click()
{
    const QString nom = ctx_.dialogues().showSave({"Enregistrer la sélection", kFiltre, ""});
    if (!nom.isEmpty())
        fnEnregistrerSelection(nom);
}

}  // namespace tulvane::playlist
