#include "platform/ansi_text.h"

#include "metadata/fichier_lecture.h"
#include "metadata/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <filesystem>
#include <span>
#include <string_view>

namespace tulvane::platform {

namespace {

QString writeFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Impossible d'enregistrer le fichier '%1' : %2.").arg(path, reason);
}

}  // namespace

QString decodeText(const QByteArray& bytes)
{
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (metadata::isValidUtf8(view)) {
        constexpr std::string_view bom = "\xEF\xBB\xBF";
        const std::string_view body = view.starts_with(bom) ? view.substr(bom.size()) : view;
        return QString::fromUtf8(body.data(), static_cast<qsizetype>(body.size()));
    }
    return QString::fromStdString(metadata::windows1252ToUtf8(view));
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

std::optional<QByteArray> readBytes(const QString& path, qsizetype limit)
{
    const auto file = metadata::FichierLecture::ouvrir(std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (!file)
        return std::nullopt;
    const auto size = static_cast<qsizetype>(std::min<std::uint64_t>(file->taille(), static_cast<std::uint64_t>(limit)));
    QByteArray bytes(size, Qt::Uninitialized);
    const std::optional<std::size_t> read =
        file->lire(0, std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<std::size_t>(size)));
    if (!read)
        return std::nullopt;
    bytes.truncate(static_cast<qsizetype>(*read));
    return bytes;
}

TextContent readText(const QString& path)
{
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return {{}, QStringLiteral("Impossible de lire le fichier '%1'.").arg(path)};
    return {decodeText(*bytes), {}};
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
