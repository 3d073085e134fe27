// The player window's CD mode: the CD panel, its fields, the door and the mode switch.

#include "app/contexte.h"
#include "components/cd_device.h"
#include "platform/label_text.h"
#include "player/controle_image.h"
#include "player/etiquettes.h"
#include "player/finterface.h"
#include "player/habillage.h"
#include "player/module3.h"
#include "player/porte_cd.h"
#include "playlist/fliste.h"

#include <QLabel>
#include <QMouseEvent>

#include <functional>

namespace tulvane::player {

namespace {

using namespace disposition;

// A caption that answers a click of the left button, released over it.
class TexteCliquable final : public QLabel {
public:
    TexteCliquable(QWidget* parent, const QString& texte, const Zone& place, std::function<void()> Click)
        : QLabel(texte, parent), Click_(std::move(Click))
    {
        setGeometry(place.enPixels());
        platform::fitTextToBox(*this);
        setCursor(pointeurBouton());
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            Click_();
    }

private:
    std::function<void()> Click_;
};

QString deuxChiffres(int nombre)
{
    return QString("%1").arg(nombre, 2, 10, QChar('0'));
}

}  // namespace

void FInterface::creerPanneauCD()
{
    // Beside the skin, under it until CD mode brings it to the front.
    Picture3 = new ControleImage(this, kAffichage);
    Picture3->setPicture(imagePanneauCD());
    Picture3->setFont(platform::arial(11));
    colorer(*Picture3, QPalette::WindowText, Qt::white);
    Picture3->lower();

    Label14 = enGras(etiquette(Picture3, "Lecteur CD Audio", kLabel14));
    Image6 = new ControleImage(Picture3, kImage6);
    Image6->setPicture(imageDisque());
    Label15 = etiquette(Picture3, "Piste no. :", kLabel15);
    Label16 = enGras(etiquette(Picture3, "00 / 00", kLabel16));
    Label17 = etiquette(Picture3, "Temps :", kLabel17);
    Label18 = enGras(etiquette(Picture3, "00:00", kLabel18));
    for (QLabel* champ : {Label15, Label16, Label17, Label18})
        champ->hide();
    Label20 = etiquette(Picture3, "Veuillez insérer un CD dans le lecteur !", kLabel20, true);
    Label19 = new TexteCliquable(Picture3, "Ejecter le CD", kLabel19, [this] { Label19_Click(); });
    Label22 = new TexteCliquable(Picture3, "Fermer le CD", kLabel22, [this] { Label22_Click(); });
    for (QLabel* porte : {Label19, Label22})
        colorer(*porte, QPalette::WindowText, QColor(150, 205, 255));

    ImgCache = new ControleImage(Picture1, kImgCache);
    ImgCache->setPicture(imageCache(kImgCache.enPixels().size()));
    ImgCache->hide();
    ImgCache2 = new ControleImage(Picture1, kImgCache2);
    ImgCache2->setPicture(imageCache(kImgCache2.enPixels().size()));
    ImgCache2->hide();

    Timer2.setInterval(50);
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
}

void FInterface::fnInitCD()
{
    components::CdDevice& cd = ctx_.cd();
    cd.setStatusUpdate([this] { MMControl1_StatusUpdate(); });
    cd.Open();
    cd.setUpdateInterval(100);
}

void FInterface::MMControl1_StatusUpdate()
{
    const components::CdDevice& cd = ctx_.cd();
    // Track in the lowest byte, then minutes, then seconds; the frames byte is dropped.
    const std::uint32_t v = cd.Position() % 16777216;
    const std::uint32_t secondes = v / 65536;
    const std::uint32_t minutes = (v - 65536 * secondes) / 256;
    const std::uint32_t piste = v - 65536 * secondes - 256 * minutes;
    Label16->setText(deuxChiffres(static_cast<int>(piste)) + " / " + deuxChiffres(cd.Tracks()));
    Label18->setText(deuxChiffres(static_cast<int>(minutes)) + ":" + deuxChiffres(static_cast<int>(secondes)));
}

// The track field alone tells whether a disc is there: it begins with 00 until an update has
// shown a track.
void FInterface::Timer2_Timer()
{
    const bool disque = Label16->text().left(2).toInt() != 0;
    Label20->setVisible(!disque);
    for (QLabel* champ : {Label15, Label16, Label17, Label18})
        champ->setVisible(disque);
}

void FInterface::BTN7_Click()
{
    if (ctx_.vModeRadio)
        return;
    components::CdDevice& cd = ctx_.cd();
    if (!ctx_.vModeCD) {
        entrerMode(Timer2, *BTN9, ctx_.vModeCD, *Picture3);
        ImgCache->show();
        Image2->hide();
        Image4->hide();
        ImgCache2->show();
        cd.Stop();
    } else {
        quitterMode(Timer2, *BTN9);
        cd.Stop();
        ImgCache->hide();
        Image2->show();
        Image4->show();
        ctx_.vModeCD = false;
        Picture1->raise();
        ImgCache2->hide();
    }
}

void FInterface::BTNcmd_ClickCD(int Index)
{
    components::CdDevice& cd = ctx_.cd();
    switch (Index) {
    case 0:
    case 4:
        cd.Play();
        break;
    case 3:
        cd.Stop();
        cd.Prev();
        break;
    default:
        break;
    }
}

void FInterface::Label19_Click()
{
    fnEjecterCD(ctx_);
}

void FInterface::Label22_Click()
{
    fnFermerCD(ctx_);
}

}  // namespace tulvane::player
