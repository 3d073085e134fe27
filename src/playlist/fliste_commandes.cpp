// The play-list window's command table, its tool bar, and the small commands of its menus.
#include "app/contexte.h"
#include "components/file_work.h"
#include "components/station_cipher.h"
#include "platform/ansi_text.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "player/fstart.h"
#include "player/module3.h"
#include "player/premier_plan.h"
#include "playlist/barre_outils.h"
#include "playlist/fliste.h"

#include <QAction>
#include <QFile>

#include <span>

namespace tulvane::playlist {

namespace {

const QString kTitreEchec = "Annulation de procédure";

// The downloaded station list replaces the old one only when it reads as a list of
// stations; a server answering with an error page leaves the old list in place.
components::ResultatOperation remplacerListeRadios(const QString& telechargee, const QString& cible)
{
    const std::optional<QByteArray> octets = platform::readBytes(telechargee);
    if (!octets)
        return components::ResultatOperation::echec(QString("Impossible de lire le fichier « %1 ».").arg(telechargee));
    const components::ListeRadiosDechiffree liste = components::dechiffrerListeRadios(
        std::span(reinterpret_cast<const std::uint8_t*>(octets->constData()), static_cast<std::size_t>(octets->size())),
        components::kCleListeRadios);
    if (liste.erreur != components::ErreurListeRadios::aucune)
        return components::ResultatOperation::echec("Le serveur n'a pas envoyé une liste de radios valide. "
                                        + QString::fromStdString(components::messageErreurRadios(liste.erreur)));
    if (liste.stations.empty())
        return components::ResultatOperation::echec("La liste envoyée par le serveur ne contient aucune station.");
    if (const platform::TextWrite ecriture = platform::writeText(cible, *octets); !ecriture.ok())
        return components::ResultatOperation::echec(ecriture.error);
    return components::ResultatOperation::succes();
}

}  // namespace

// Every menu entry and tool-bar button runs its handler through this table, by the entry's
// name. An entry whose command is not in it stays disabled.
void FListe::brancherCommandes()
{
    const std::pair<const char*, void (FListe::*)()> simples[] = {
        {"nouvelle", &FListe::nouvelle_Click},
        {"Ouvrir", &FListe::Ouvrir_Click},
        {"Enregistrer", &FListe::Enregistrer_Click},
        {"Enregistrer_sous", &FListe::Enregistrer_sous_Click},
        {"Enregistrer_selection", &FListe::Enregistrer_selection_Click},
        {"Live_Update", &FListe::Live_Update_Click},
        {"Importation_emplac", &FListe::Importation_emplac_Click},
        {"Atteindre", &FListe::Atteindre_Click},
        {"volumes", &FListe::volumes_Click},
        {"vcmd_a", &FListe::vcmd_a_Click},
        {"vcmd_b", &FListe::vcmd_b_Click},
        {"vcmd_c", &FListe::vcmd_c_Click},
        {"vcmd_d", &FListe::vcmd_d_Click},
        {"vcmd_e", &FListe::vcmd_e_Click},
        {"vcmd_f", &FListe::vcmd_f_Click},
        {"vcmd_g", &FListe::vcmd_g_Click},
        {"vcmd_h", &FListe::vcmd_h_Click},
        {"Enregistrer_disposition", &FListe::Enregistrer_disposition_Click},
        {"reinitialiser", &FListe::reinitialiser_Click},
        {"toujour_premier_plan", &FListe::toujour_premier_plan_Click},
        {"Support", &FListe::Support_Click},
        {"a_propos", &FListe::A_propos_Click},
        {"cacher", &FListe::Cacher_Click},
        {"voir_lecteur", &FListe::voir_lecteur_Click},
        {"Inverser", &FListe::Inverser_Click},
        {"cocher_aléatoirement", &FListe::cocher_aléatoirement_Click},
        {"Sélectionner_tout", &FListe::Sélectionner_tout_Click},
        {"Actualiser", &FListe::Actualiser_Click},
        {"suppr_doublons", &FListe::suppr_doublons_Click},
        {"Supprimer", &FListe::Supprimer_Click},
        {"Supprimer_source", &FListe::Supprimer_source_Click},
        {"Renommer_fichier", &FListe::Renommer_fichier_Click},
        {"modifier_source", &FListe::modifier_source_Click},
        {"Exporter", &FListe::Exporter_Click},
        {"Importation", &FListe::Importation_Click},
        {"infos_fichier", &FListe::infos_fichier_Click},
        {"editeur_tag", &FListe::editeur_tag_Click},
        {"editeur_tag_global", &FListe::editeur_tag_global_Click},
        {"Informations_selec", &FListe::Informations_selec_Click},
        {"Renommer", &FListe::Renommer_Click},
        {"Ajouter_Favoris", &FListe::Ajouter_Favoris_Click},
    };
    for (const auto& [nom, gestionnaire] : simples)
        commandes_.insert(QString::fromUtf8(nom), [this, g = gestionnaire] { (this->*g)(); });
    for (int i = 0; i < 4; ++i)
        commandes_.insert(QString("vModeLect%1").arg(i), [this, i] { vModeLect_Click(i); });
    for (int i = 0; i < 3; ++i)
        commandes_.insert(QString("choix_affichage%1").arg(i), [this, i] { choix_affichage_Click(i); });
    for (int i = 0; i < 2; ++i)
        commandes_.insert(QString("Marquer_tout%1").arg(i), [this, i] { Marquer_tout_Click(i); });
    for (int i = 0; i < 4; ++i)
        commandes_.insert(QString::fromUtf8("choixFréquence%1").arg(i), [this, i] { choixFréquence_Click(i); });
    commandes_.insert("marquer_selec0", [this] { marquer_selec_Click(0); });
    for (int i = 0; i < 9; ++i)
        commandes_.insert(QString("ordre_tri%1").arg(i), [this, i] { ordre_tri_Click(i); });
}

// The handler of a menu entry, or of the entry a tool-bar button stands for.
void FListe::executer(const QString& nom)
{
    if (const auto gestionnaire = commandes_.find(nom); gestionnaire != commandes_.end())
        (*gestionnaire)();
}

void FListe::Toolbar1_ButtonClick(int index)
{
    executer(QString::fromLatin1(commandeDuBouton(index)));
}

void FListe::Toolbar1_ButtonMenuClick(const QString& cle)
{
    executer(QString::fromLatin1(commandeDeLaCle(cle.toStdString())));
}

void FListe::Atteindre_Click()
{
    player::Module3& module3 = ctx_.module3();
    Liste->ensureVisible(module3.fnMarquerPiste());
    for (int i = 1; i <= Liste->count(); ++i)
        Liste->setSelected(i, false);
    Liste->setSelected(module3.fnMarquerPiste(), true);
}

void FListe::A_propos_Click()
{
    player::afficherAPropos(ctx_);
}

void FListe::Cacher_Click()
{
    hide();
    player::FInterface& lecteur = ctx_.fInterface();
    if (ctx_.zoneNotificationDisponible())
        lecteur.hide();
    else
        lecteur.showMinimized();  // no icon to bring it back: it stays on the task bar
}

void FListe::toujour_premier_plan_Click()
{
    QAction* entree = menu("toujour_premier_plan");
    const bool actif = !entree->isChecked();
    entree->setChecked(actif);
    player::fnPremierPlan(ctx_.fInterface(), actif);
}

void FListe::Live_Update_Click()
{
    platform::DialogService& dialogues = ctx_.dialogues();
    if (dialogues.messageBox("Souhaitez-vous mettre à jour la liste des radios ?", "Web Radio Player",
                             platform::MessageIcon::Exclamation, platform::MessageButtons::YesNo)
        != platform::MessageAnswer::Yes)
        return;
    const QString cible = ctx_.cheminProgramme("Radios.sys");
    const QString telechargee = ctx_.cheminProgramme("Radios.sys.part");
    components::ResultatOperation resultat = ctx_.FWork1().Telecharger(kAdresseListeRadios, telechargee);
    if (resultat.reussi)
        resultat = remplacerListeRadios(telechargee, cible);
    QFile::remove(telechargee);
    if (!resultat.reussi) {
        dialogues.messageBox(resultat.message + "\nLa liste des radios actuelle est conservée.", kTitreEchec,
                             platform::MessageIcon::Critical, platform::MessageButtons::Ok);
        return;
    }
    dialogues.messageBox("La mise à jours On line de la liste a été effectuée avec succès !\n"
                         "Les modifications seront appliquée au prochain démarrage du logiciel.",
                         "Procédure effectuée", platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

void FListe::Support_Click()
{
    lancerOuSignaler(kAdresseSupport, 3);
}

void FListe::lancerOuSignaler(const QString& cible, int styleFenetre)
{
    const components::ResultatOperation resultat = ctx_.FWork1().Lancer(cible, styleFenetre);
    if (!resultat.reussi)
        ctx_.dialogues().messageBox(resultat.message, kTitreEchec, platform::MessageIcon::Critical,
                                    platform::MessageButtons::Ok);
}

}  // namespace tulvane::playlist
