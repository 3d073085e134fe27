#include "platform/label_text.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace tulvane::platform {

namespace {

// A box holds as many lines as show at least half their height.
bool fits(const QLabel& label, const QFont& face)
{
    const QFontMetrics metrics(face);
    const QRect box = label.contentsRect();
    if (!label.wordWrap())
        return metrics.horizontalAdvance(label.text()) <= box.width();
    const QRect needed = metrics.boundingRect(box, Qt::TextWordWrap | label.alignment(), label.text());
    const int line = metrics.boundingRect(box, Qt::TextSingleLine, QStringLiteral("X")).height();
    const int lines = std::max(1, qRound(double(box.height()) / line));
    return needed.width() <= box.width() && needed.height() <= lines * line;
}

}  // namespace

QFont arial(int pixels, bool bold)
{
    QFont face(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    face.setPixelSize(pixels);
    face.setBold(bold);
    return face;
}

void fitTextToBox(QLabel& label)
{
    QFont face = label.font();
    if (fits(label, face))
        return;
    for (int stretch = QFont::Unstretched - 1; stretch >= QFont::Condensed; --stretch) {
        face.setStretch(stretch);
        if (fits(label, face))
            break;
    }
    label.setFont(face);
}

}  // namespace tulvane::platform
