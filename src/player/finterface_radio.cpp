// The player window's radio mode: the radio panel, the radio button, tuning a station and
// the radio status.
#include "app/contexte.h"
#include "components/media_player.h"
#include "platform/list_view.h"
#include "player/controle_image.h"
#include "player/finterface.h"
#include "player/fpiste.h"
#include "player/fsys.h"
#include "player/habillage.h"
#include "player/module3.h"
#include "playlist/fliste.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace tulvane::player {

namespace {

using namespace disposition;

// The panel's look: the display's dark blue, white Arial text, a list that fits the display.
const char* const kStylePanneau = R"(
    QWidget#Picture4 { background: #000060; }
    QWidget { color: white; font-family: Arial, "Liberation Sans"; font-size: 11px; }
    QLabel#Label24 { font-size: 16px; font-weight: bold; }
    QListWidget { background: #05103a; border: 1px solid #3c64b4; }
    QListWidget::item:selected { background: #1e78d2; color: white; }
    QRadioButton::indicator { width: 9px; height: 9px; border-radius: 6px; border: 2px solid #3c64b4;
                              background: #05103a; }
    QRadioButton::indicator:checked { background: #8fd4ff; border-color: #1e78d2; }
)";

}  // namespace

void FInterface::creerPanneauRadio()
{
    // Behind the skin until radio mode brings it to the front.
    Picture4 = new QWidget(this);
    Picture4->setObjectName("Picture4");
    Picture4->setAttribute(Qt::WA_StyledBackground);
    Picture4->setGeometry(kAffichage.enPixels());
    Picture4->setStyleSheet(kStylePanneau);
    Picture4->stackUnder(Picture1);

    Label24 = new QLabel("Radio On-line", Picture4);
    Label24->setObjectName("Label24");
    Label24->setGeometry(kLabel24.enPixels());
    Combo1 = new QListWidget(Picture4);
    Combo1->setGeometry(kCombo1.enPixels());
    connect(Combo1, &QListWidget::itemDoubleClicked, this, [this] { Combo1_DblClick(); });
    Option1[0] = new QRadioButton("Canal 1", Picture4);
    Option1[0]->setGeometry(kOption1Canal1.enPixels());
    Option1[0]->setChecked(true);
    Option1[1] = new QRadioButton("Canal 2", Picture4);
    Option1[1]->setGeometry(kOption1Canal2.enPixels());
    Label23 = new QLabel("Veuillez choisir une station", Picture4);
    Label23->setGeometry(kLabel23.enPixels());
    Label23->setTextFormat(Qt::PlainText);

    ImgCache3 = new ControleImage(Picture1, kImgCache3);
    ImgCache3->setPicture(imageCacheRadio());
    ImgCache3->hide();

    Timer3.setInterval(50);
    connect(&Timer3, &QTimer::timeout, this, [this] { Timer3_Timer(); });
}

void FInterface::BTN9_Click()
{
    if (ctx_.vModeCD)
        return;
    components::MediaPlayer& piste2 = ctx_.fPiste().Piste2();
    if (!ctx_.vModeRadio) {
        entrerMode(Timer3, *BTN7, ctx_.vModeRadio, *Picture4);
        ImgCache3->show();
        Image4->hide();
        // The station tuned before, if any, plays again without a new tuning.
        if (!piste2.FileName().isEmpty())
            piste2.Play();
    } else {
        quitterMode(Timer3, *BTN7);
        Image4->show();
        piste2.Pause();
        ctx_.vModeRadio = false;
        Picture1->raise();
        ImgCache3->hide();
    }
}

void FInterface::Combo1_DblClick()
{
    const QListWidgetItem* choisie = Combo1->currentItem();
    platform::ListView& table = *ctx_.fSYS().ListeRadios;
    const int ligne = choisie ? table.find(0, choisie->text()) : 0;
    if (ligne == 0)
        return;  // no station highlighted
    Label23->setText("Connexion avec le serveur...");
    const QString adresse = table.subItem(ligne, Option1[0]->isChecked() ? 1 : 2);
    table.setSelected(ligne, true);
    // The radio player starts a stream by itself as it loads it.
    ctx_.fPiste().Piste2().setFileName(adresse);
}

void FInterface::Timer3_Timer()
{
    components::MediaPlayer& piste2 = ctx_.fPiste().Piste2();
    piste2.setVolume(-240 * ctx_.vVolume);
    if (piste2.PlayState() != components::MediaPlayer::Playing)
        return;
    const int remplissage = piste2.BufferingProgress();
    if (remplissage != 100) {
        Label23->setText(QString("Mise en mémoire cache : %1%").arg(remplissage));
        return;
    }
    platform::ListView& table = *ctx_.fSYS().ListeRadios;
    Label23->setText("Connecté sur : " + table.text(table.selectedItem()));
}

}  // namespace tulvane::player
