#include "player/fsys.h"

#include "app/contexte.h"
#include "components/cd_device.h"
#include "components/media_player.h"
#include "platform/list_view.h"
#include "platform/tray_icon.h"
#include "player/controle_image.h"
#include "player/finterface.h"
#include "player/fpiste.h"
#include "player/fstart.h"
#include "player/habillage.h"
#include "player/module3.h"
#include "player/parametres_registre.h"
#include "playlist/fliste.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>

namespace tulvane::player {

namespace {

// The pop-up menu in its order; an entry without a name is a separator, one without a
// handler only closes the menu.
struct EntreeMenuIcone {
    const char* nom;
    const char* legende;
    int blancs;
    void (FSYS::*action)();
};

constexpr EntreeMenuIcone kMenuIcone[] = {
    {"interface", "Ouvrir l'interface principale", 0, &FSYS::interface_Click},
    {"toujour_premier_plan", "Toujour afficher le lecteur au 1er plan", 11, &FSYS::toujour_premier_plan_Click},
    {"sp1", nullptr, 0, nullptr},
    {"volumes", "Contrôleur de volumes", 0, &FSYS::volumes_Click},
    {"Arrêter", "Arrêter toute la musique", 0, &FSYS::Arrêter_Click},
    {"sp2", nullptr, 0, nullptr},
    {"Cacher", "Cacher le menu", 0, nullptr},
    {"A_propos", "A propos de Tulvane ©", 10, &FSYS::A_propos_Click},
    {"Quitter", "Quitter le programme", 0, &FSYS::Quitter_Click},
};

const char* const kBulle = "Tulvane Avance v.4.2 - Lecteur Multimédia";

}  // namespace

FSYS::FSYS(app::Contexte& contexte)
    : ctx_(contexte), icone_(new platform::TrayIcon(this))
{
    ListeRadios = new platform::ListView(this);
    for (const char* colonne : {"Nom", "Canal 1", "Canal 2"})
        ListeRadios->addColumn(QString::fromUtf8(colonne), 100);
    ListeRadios->hide();

    montrerMenu = [](QMenu& menu) { menu.exec(QCursor::pos()); };
    creerMenu();
    icone_->onMessage([this](platform::TrayMessage message) { Form_MouseMove(static_cast<int>(message)); });

    Timer4.setInterval(10);
    Timer2.setInterval(1500);
    Timer5.setInterval(10);
    Timer1.setInterval(100);
    connect(&Timer4, &QTimer::timeout, this, [this] { Timer4_Timer(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    connect(&Timer5, &QTimer::timeout, this, [this] { Timer5_Timer(); });
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer4.start();
    Timer2.start();
}

FSYS::~FSYS() = default;

void FSYS::creerMenu()
{
    Menu = new QMenu("Menu", this);
    for (const EntreeMenuIcone& entree : kMenuIcone) {
        if (!entree.legende) {
            Menu->addSeparator()->setObjectName(QString::fromUtf8(entree.nom));
            continue;
        }
        QAction* action = Menu->addAction(QString::fromUtf8(entree.legende) + QString(entree.blancs, u' '));
        action->setObjectName(QString::fromUtf8(entree.nom));
        if (entree.action)
            connect(action, &QAction::triggered, this, [this, gestionnaire = entree.action] { (this->*gestionnaire)(); });
    }
    // Only the play-list window's toggle sets the check; this entry shows it.
    QAction* premierPlan = menu("toujour_premier_plan");
    premierPlan->setCheckable(true);
    QAction* entreeListe = ctx_.fListe().menu("toujour_premier_plan");
    premierPlan->setChecked(entreeListe->isChecked());
    connect(entreeListe, &QAction::toggled, premierPlan, &QAction::setChecked);
}

QAction* FSYS::menu(const QString& nom) const
{
    for (QAction* action : Menu->actions())
        if (action->objectName() == nom)
            return action;
    return nullptr;
}

// ---- Timers ----

void FSYS::Timer4_Timer()
{
    icone_->setIcon(iconeZoneNotification());
    icone_->setToolTip(QString::fromUtf8(kBulle));
    icone_->add();
    Timer4.stop();
}

void FSYS::Timer2_Timer()
{
    ctx_.fInterface().BTN1->show();
    Timer2.stop();
    fnLireParametres(ctx_);
}

void FSYS::Timer5_Timer()
{
    icone_->remove();
    Timer5.stop();
}

void FSYS::Timer1_Timer()
{
    Timer1.stop();
    QCoreApplication::exit(0);
}

// ---- The icon's messages ----

void FSYS::Form_MouseMove(int message)
{
    dernierMessage_ = message;
    if (occupe_)
        return;
    occupe_ = true;
    switch (static_cast<platform::TrayMessage>(message)) {
    case platform::TrayMessage::LeftButtonDoubleClick:
        ctx_.fInterface().afficher();
        break;
    case platform::TrayMessage::RightButtonUp:
        montrerMenu(*Menu);
        break;
    default:
        break;
    }
    occupe_ = false;
}

// ---- The menu ----

void FSYS::interface_Click()
{
    ctx_.fInterface().afficher();
}

void FSYS::toujour_premier_plan_Click()
{
    ctx_.fListe().toujour_premier_plan_Click();
}

void FSYS::volumes_Click()
{
    ctx_.fListe().volumes_Click();
}

void FSYS::Arrêter_Click()
{
    ctx_.module3().fnArret();
    ctx_.cd().Stop();
    ctx_.fPiste().Piste2().Pause();
}

void FSYS::A_propos_Click()
{
    afficherAPropos(ctx_);
}

void FSYS::Quitter_Click()
{
    ctx_.fInterface().BTN11_Click();
}

}  // namespace tulvane::player
