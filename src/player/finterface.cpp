#include "player/finterface.h"

#include "platform/twips.h"

#include <QLabel>

namespace tulvane::player {

namespace {

QLabel* etiquette(QWidget* parent, const QString& texte, int gauche, int haut, int largeur, int hauteur)
{
    using platform::twipsEnPixels;
    auto* label = new QLabel(texte, parent);
    label->setGeometry(twipsEnPixels(gauche), twipsEnPixels(haut), twipsEnPixels(largeur),
                       twipsEnPixels(hauteur));
    return label;
}

}  // namespace

FInterface::FInterface(app::Contexte& contexte)
    : ctx_(contexte)
{
    setWindowTitle("Lecteur Multimédia");
    setFixedSize(platform::twipsEnPixels(4935), platform::twipsEnPixels(4755));
    Label2 = etiquette(this, "", 480, 600, 4095, 285);
    Label4 = etiquette(this, "00:00", 840, 1320, 630, 285);
    Label3 = etiquette(this, "00:00", 3420, 1080, 405, 210);
    Label6 = etiquette(this, "00:00", 4140, 1080, 405, 210);
    vPistes = etiquette(this, "000 / 000", 3660, 1380, 675, 210);
    Label11 = etiquette(this, "", 540, 2100, 3405, 210);
    Label12 = etiquette(this, "", 540, 2340, 3405, 210);
    Label10 = etiquette(this, "", 1620, 3180, 2685, 210);
}

FInterface::~FInterface() = default;

void FInterface::afficherSilence(bool muet)
{
    silenceAffiche_ = muet;
}

}  // namespace tulvane::player
