#include "player/module3.h"

#include "app/contexte.h"
#include "components/media_player.h"
#include "platform/chemin_systeme.h"
#include "platform/dialog_service.h"
#include "player/finterface.h"
#include "player/fpiste.h"
#include "player/time_text.h"
#include "playlist/fliste.h"
#include "tools/ftag1.h"

#include <QLabel>

#include <algorithm>

namespace tulvane::player {

namespace {

QString temps(double secondes)
{
    return QString::fromStdString(texteTemps(secondes));
}

}  // namespace

Module3::Module3(app::Contexte& contexte) : ctx_(contexte)
{
}

components::MediaPlayer& Module3::piste()
{
    return ctx_.fPiste().Piste();
}

void Module3::fnLecture()
{
    if (ctx_.fListe().nombreLignes() == 0)
        return;
    ctx_.vEtat = 2;
    if (const auto erreur = piste().Play())
        surEchecLecture(*erreur);
}

void Module3::surEchecLecture(const components::PlayError& erreur)
{
    fnArret();
    if (erreur.kind != components::PlayError::Kind::Unplayable)
        return;
    ctx_.dialogues().messageBox("Le format du fichier est corrompu et ne peut être pris en charge !",
                                "Annulation de procédure", platform::MessageIcon::Critical,
                                platform::MessageButtons::Ok);
}

void Module3::fnEditerTag(const QString& vfnAdresse)
{
    if (piste().FileName() == vfnAdresse) {
        ctx_.dialogues().messageBox("Vous ne pouvez éditer les TAG-ID3 du fichier qui est en cours de lecture ou "
                                    "qui est chargé dans le cache du lecteur.",
                                    "Procédure impossible", platform::MessageIcon::Critical,
                                    platform::MessageButtons::Ok);
        return;
    }
    tools::FTag1 dialogue(ctx_, vfnAdresse, tools::lireValeursTag(platform::cheminSysteme(vfnAdresse)),
                          &ctx_.fListe());
    dialogue.exec();
}

void Module3::fnPause()
{
    if (ctx_.vEtat == 0)
        return;
    ctx_.vEtat = 1;
    piste().Pause();
}

void Module3::fnArret()
{
    if (ctx_.vEtat == 0)
        return;
    ctx_.vEtat = 0;
    piste().Pause();
    piste().setCurrentPosition(0);
    ctx_.fInterface().Label4->setText("00:00");
}

// Positions outside the file are the player's to refuse; nothing is clamped here.
void Module3::fnRetourRapide(double vfnPas)
{
    if (ctx_.vEtat != 0)
        piste().setCurrentPosition(piste().CurrentPosition() - vfnPas);
}

void Module3::fnAvanceRapide(double vfnPas)
{
    if (ctx_.vEtat != 0)
        piste().setCurrentPosition(piste().CurrentPosition() + vfnPas);
}

// The file player's state decides for both players.
void Module3::fnSilence()
{
    const bool muet = !piste().Mute();
    piste().setMute(muet);
    ctx_.fPiste().Piste2().setMute(muet);
    ctx_.fInterface().afficherSilence(muet);
}

int Module3::fnMarquerPiste()
{
    return ctx_.fListe().marquerLignesDe(piste().FileName());
}

void Module3::fnAfficherTemps()
{
    FInterface& f = ctx_.fInterface();
    const double position = piste().CurrentPosition();
    const double duree = piste().Duration();
    if (ctx_.vEtat != 0)
        f.Label4->setText(temps(position));
    f.Label6->setText(duree == 0 ? QStringLiteral("00:00") : temps(duree - position));
    f.Label3->setText(temps(duree));
}

void Module3::chargerLigne(int ligne)
{
    piste().setFileName(ctx_.fListe().cheminLigne(ligne));
    if (ctx_.vEtat != 0)
        fnLecture();
    fnMarquerPiste();
}

void Module3::fnPrecedente()
{
    const int n = ctx_.fListe().nombreLignes();
    if (n == 0)
        return;
    // Rows removed since the last tracking tick leave the tracked row beyond the list: every
    // row is before it, the last one first.
    const int precedente = std::min(ctx_.vIndexPiste, n + 1) - 1;
    chargerLigne(precedente < 1 ? n : precedente);
}

void Module3::fnSuivante()
{
    const int n = ctx_.fListe().nombreLignes();
    if (n > 0)
        chargerLigne(ctx_.vIndexPiste + 1 > n ? 1 : ctx_.vIndexPiste + 1);
}

void Module3::fnPisteSuivante()
{
    playlist::FListe& liste = ctx_.fListe();
    const int n = liste.nombreLignes();
    switch (liste.modeLecture()) {
    case 0:
        fnSuivante();
        break;
    case 1:
        fnLecture();
        break;
    case 2:
        fnArret();
        break;
    case 3: {
        int suivante = 0;
        for (int i = ctx_.vIndexPiste + 1; i <= n && suivante == 0; ++i)
            if (liste.estMarquee(i))
                suivante = i;
        if (suivante != 0)
            chargerLigne(suivante);
        else
            fnArret();
        break;
    }
    default:
        break;
    }
}

}  // namespace tulvane::player
