#include "platform/shown_text.h"

#include <QTextDocument>

#include <algorithm>

namespace tulvane::platform {

QString shownText(const QString& text)
{
    qsizetype length = std::min(text.size(), kShownTextLength);
    // Never cut a character in two.
    if (length < text.size() && text[length - 1].isHighSurrogate())
        --length;
    const QStringView shown = QStringView(text).first(length);
    if (!shown.contains(u'\r') && !shown.contains(u'\n'))
        return length == text.size() ? text : shown.toString();
    QString line = shown.toString();
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return line;
}

QString plainToolTip(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace tulvane::platform
