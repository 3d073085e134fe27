#include "player/etiquettes.h"

#include "platform/label_text.h"

#include <QLabel>

namespace tulvane::player {

void colorer(QWidget& controle, QPalette::ColorRole role, const QColor& couleur)
{
    QPalette palette = controle.palette();
    palette.setColor(role, couleur);
    controle.setPalette(palette);
}

QLabel* etiquette(QWidget* parent, const QString& texte, const disposition::Zone& place, bool plusieursLignes)
{
    auto* label = new QLabel(texte, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place.enPixels());
    label->setAttribute(Qt::WA_NoMousePropagation);
    if (plusieursLignes) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    platform::fitTextToBox(*label);
    return label;
}

QLabel* enGras(QLabel* label)
{
    label->setFont(platform::arial(16, true));
    platform::fitTextToBox(*label);
    return label;
}

}  // namespace tulvane::player
