#include "platform/noms_non_utf8.h"

#include "platform/dialog_service.h"

#include <QFileInfo>

namespace tulvane::platform {

namespace {

// A name that is not UTF-8 on disk (Latin-1 from an old collection) reaches Qt with U+FFFD in
// place of its bytes: the text then names no file, so nothing could play, tag or rename it.
bool nomNonUtf8(const QString& chemin)
{
    return chemin.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(chemin);
}

}  // namespace

QStringList sansNomsNonUtf8(const QStringList& chemins, DialogService& dialogues)
{
    QStringList gardes;
    gardes.reserve(chemins.size());
    for (const QString& chemin : chemins)
        if (!nomNonUtf8(chemin))
            gardes.append(chemin);
    const qsizetype ecartes = chemins.size() - gardes.size();
    if (ecartes > 0)
        dialogues.messageBox(
            ecartes == 1 ? QString("Un fichier a été laissé de côté : son nom n'est pas écrit en UTF-8, le lecteur "
                                   "ne pourrait pas l'ouvrir.\nRenommez-le pour l'utiliser.")
                         : QString("%1 fichiers ont été laissés de côté : leur nom n'est pas écrit en UTF-8, le "
                                   "lecteur ne pourrait pas les ouvrir.\nRenommez-les pour les utiliser.")
                               .arg(ecartes),
            "Annulation de procédure", MessageIcon::Exclamation, MessageButtons::Ok);
    return gardes;
}

}  // namespace tulvane::platform
