#include "playlist/extensions.h"

#include "app/contexte.h"

namespace tulvane::playlist {

void fnInitExtensions(app::Contexte& contexte)
{
    QStringList table;
    table.reserve(kPlacesExtensions);
    for (const char* extension : kExtensionsMedias)
        table.append(QString::fromLatin1(extension));
    while (table.size() < kPlacesExtensions)
        table.append(QString());
    contexte.vExtensions = table;
}

QString filtreMedias(const QStringList& vExtensions)
{
    QStringList motifs;
    QString types;
    for (qsizetype i = 0; i < qsizetype(kExtensionsMedias.size()); ++i) {
        const QString extension = vExtensions.value(i);
        motifs.append("*." + extension);
        types += "|Fichiers " + extension + "|*." + extension;
    }
    return "Tous les types|" + motifs.join(';') + types;
}

}  // namespace tulvane::playlist
