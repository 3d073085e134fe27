#include "platform/ansi_text.h"

#include "platform/text_lines.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tulvane::platform {

namespace {

QString writeFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Impossible d'enregistrer le fichier '%1' : %2.").arg(path, reason);
}

}  // namespace

QString decodeText(const QByteArray& bytes)
{
    return QString::fromStdString(decoderTexte({bytes.constData(), static_cast<std::size_t>(bytes.size())}));
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    for (const std::u16string_view line : decouperLignes({reinterpret_cast<const char16_t*>(text.utf16()),
                                                          static_cast<std::size_t>(text.size())}))
        lines.append(QString(reinterpret_cast<const QChar*>(line.data()), static_cast<qsizetype>(line.size())));
    return lines;
}

TextContent readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Impossible de lire le fichier '%1'.").arg(path)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("Impossible de lire le fichier '%1'.").arg(path)};
    return {decodeText(bytes), {}};
}

TextRead readTextLines(const QString& path)
{
    TextContent content = readText(path);
    if (!content.ok())
        return {{}, content.error};
    return {splitLines(content.text), {}};
}

QString writeObstacle(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (file.isDir())
        return writeFailure(path, QStringLiteral("ce nom est celui d'un dossier"));
    if (!folder.isDir())
        return writeFailure(path, QStringLiteral("le dossier n'existe pas"));
    if (file.exists() && (!file.isWritable() || !(file.permissions() & anyWrite)))
        return writeFailure(path, QStringLiteral("il est en lecture seule"));
    if (!folder.isWritable())
        return writeFailure(path, QStringLiteral("le dossier est protégé en écriture"));
    return {};
}

TextWrite writeText(const QString& path, const QByteArray& bytes)
{
    if (QString obstacle = writeObstacle(path); !obstacle.isEmpty())
        return {obstacle};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {writeFailure(path, QStringLiteral("l'écriture a échoué"))};
    return {};
}

TextWrite writeTextLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return writeText(path, bytes);
}

}  // namespace tulvane::platform
