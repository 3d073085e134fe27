#include "player/etiquettes.h"

#include <QLabel>

namespace tulvane::player {

QFont arial(int pixels, bool gras)
{
    QFont police(QStringList{"Arial", "Liberation Sans"});
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

void donnerLaPlace(QLabel& label)
{
    label.resize(std::max(label.width(), label.sizeHint().width()), label.height());
}

void colorer(QWidget& controle, QPalette::ColorRole role, const QColor& couleur)
{
    QPalette palette = controle.palette();
    palette.setColor(role, couleur);
    controle.setPalette(palette);
}

QLabel* etiquette(QWidget* parent, const QString& texte, const disposition::Zone& place)
{
    auto* label = new QLabel(texte, parent);
    label->setGeometry(place.enPixels());
    label->setAttribute(Qt::WA_NoMousePropagation);
    donnerLaPlace(*label);
    return label;
}

QLabel* enGras(QLabel* label)
{
    label->setFont(arial(16, true));
    donnerLaPlace(*label);
    return label;
}

}  // namespace tulvane::player
