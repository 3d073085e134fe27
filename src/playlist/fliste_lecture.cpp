// The play-list window's timers, play commands and play mode.
#include "app/contexte.h"
#include "components/media_player.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "player/fpiste.h"
#include "player/module3.h"
#include "player/time_text.h"
#include "playlist/barre_outils.h"
#include "playlist/fliste.h"

#include <QAction>
#include <QLabel>

namespace tulvane::playlist {

namespace {

// The commands that need rows, enabled by Timer2 while the list has some.
constexpr std::array<const char*, 16> kMenusAvecLignes = {
    "modifier_source", "infos_fichier", "editeur_tag", "Supprimer", "suppr_doublons", "Actualiser",
    "Fonctions", "Sélection", "Exporter", "Atteindre", "editeur_tag_global", "Supprimer_source",
    "Enregistrer_selection", "Sélectionner_tout", "Enregistrer", "Enregistrer_sous"};

const std::array<QString, 3> kEtats = {"STOP", "PAUSE", "LECT."};

QString troisChiffres(int n)
{
    return QString::fromStdString(player::troisChiffres(n));
}

}  // namespace

void FListe::Timer1_Timer()
{
    const int n = Liste->count();
    player::FInterface& f = ctx_.fInterface();
    Panels[0]->setText(ctx_.vNomListe.isEmpty() ? QStringLiteral("Liste sans nom") : ctx_.vNomListe);
    Panels[1]->setText(QString::number(n) + " fichier(s)");
    Panels[2]->setText("Etat : " + kEtats[static_cast<std::size_t>(std::clamp(ctx_.vEtat, 0, 2))]);
    Panels[3]->setText("D : " + f.Label4->text());
    Panels[4]->setText("R : " + f.Label6->text());
    Panels[5]->setText(f.Label2->text());

    Liste->setCheckboxes(n != 0);

    int courante = 0;
    const QString fichier = ctx_.fPiste().Piste().FileName();
    if (!fichier.isEmpty()) {
        courante = Liste->find(kEmplacement, fichier);
        if (courante != 0)
            fnAfficherInfosPiste(courante);
    }
    ctx_.vIndexPiste = courante;
    f.vPistes->setText(troisChiffres(courante) + " / " + troisChiffres(n));
}

// The commands that need rows are usable only while the list has some.
void FListe::Timer2_Timer()
{
    const bool avecLignes = Liste->count() != 0;
    Picture1->setVisible(!avecLignes);
    for (const char* nom : kMenusAvecLignes)
        menu(QString::fromUtf8(nom))->setEnabled(avecLignes);
    for (const int index : kBoutonsAvecLignes)
        bouton(index)->setEnabled(avecLignes);
}

// Plays the list view's selected item.
void FListe::vcmd_d_Click()
{
    const int ligne = Liste->selectedItem();
    if (ligne == 0)
        return;
    components::MediaPlayer& piste = ctx_.fPiste().Piste();
    piste.setFileName(cheminLigne(ligne));
    piste.setAutoStart(false);
    ctx_.module3().fnMarquerPiste();
    ctx_.module3().fnLecture();
}

void FListe::Liste_DblClick()
{
    if (Liste->count() > 0)
        vcmd_d_Click();
}

void FListe::Liste_KeyPress(int code)
{
    if (code == 13 && Liste->count() > 0)
        vcmd_d_Click();
}

void FListe::vcmd_a_Click()
{
    ctx_.module3().fnPrecedente();
}

void FListe::vcmd_b_Click()
{
    ctx_.module3().fnSuivante();
}

void FListe::vcmd_c_Click()
{
    ctx_.module3().fnArret();
}

void FListe::vcmd_e_Click()
{
    ctx_.module3().fnPause();
}

void FListe::vcmd_f_Click()
{
    ctx_.module3().fnRetourRapide(3);
}

void FListe::vcmd_g_Click()
{
    ctx_.module3().fnAvanceRapide(3);
}

void FListe::vcmd_h_Click()
{
    ctx_.module3().fnSilence();
}

void FListe::vModeLect_Click(int index)
{
    for (int i = 0; i < 4; ++i)
        menu(QString("vModeLect%1").arg(i))->setChecked(i == index);
}

void FListe::voir_lecteur_Click()
{
    ctx_.fInterface().raise();
}

void FListe::volumes_Click()
{
    lancerOuSignaler("sndvol32", 1);
}

}  // namespace tulvane::playlist
