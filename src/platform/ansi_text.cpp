#include "platform/ansi_text.h"

#include "metadata/fichier_lecture.h"
#include "platform/chemin_systeme.h"
#include "platform/text_lines.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <span>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tulvane::platform {

namespace {

QString writeFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Impossible d'enregistrer le fichier '%1' : %2.").arg(path, reason);
}

// The file a chain of links ends at, so that the link stays a link; the path itself when
// the chain does not end.
QString followLinks(const QString& path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

// A new file beside `target`, named after it with a dot in front so that it stays out of
// sight, and created with the usual permissions (the user's umask applies). The target's
// name is cut so that the temporary name fits the system's limit too.
int createTemporary(const QString& target, QByteArray& name)
{
    const QFileInfo file(target);
    const QByteArray start = QFile::encodeName(file.absolutePath()) + "/."
        + QFile::encodeName(file.fileName()).left(NAME_MAX - 1 - 8) + '.';  // 8: "." and 7 digits
    for (int attempt = 0;; ++attempt) {
        name = start + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 100)
            return fd;
    }
}

// 0 once every byte is written, else the error.
int writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        done += n;
    }
    return 0;
}

// Makes the new name itself survive a power cut. The bytes are already on the disk, and some
// file systems refuse to sync a folder, so a failure here changes nothing for the user.
void syncFolder(const QString& target)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool onReadOnlyDisk(const QString& path)
{
    struct statvfs disk {};
    return ::statvfs(QFile::encodeName(path).constData(), &disk) == 0 && (disk.f_flag & ST_RDONLY) != 0;
}

}  // namespace

QString causeOf(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("votre quota d'espace disque est atteint");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case EACCES:
    case EPERM:
        return QStringLiteral("le dossier est protégé en écriture");
    case ENOENT:
        return QStringLiteral("le dossier n'existe pas");
    case ENOTDIR:
        return QStringLiteral("un dossier du chemin est un fichier");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    default:
        return QStringLiteral("l'écriture a échoué");
    }
}

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

std::optional<QByteArray> readBytes(const QString& path, qsizetype limit)
{
    const auto file = metadata::FichierLecture::ouvrir(cheminSysteme(path));
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
    return {decoderTexte({bytes->constData(), static_cast<std::size_t>(bytes->size())}), {}};
}

TextRead readTextLines(const QString& path)
{
    TextContent content = readText(path);
    if (!content.ok())
        return {{}, content.error};
    return {splitLines(QString::fromStdString(content.text)), {}};
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
    // Checked first: on a read-only disk every file and folder looks protected, and the
    // user needs to know it is the disk.
    if (onReadOnlyDisk(file.exists() ? path : folder.absoluteFilePath()))
        return writeFailure(path, causeOf(EROFS));
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
    const QString target = followLinks(path);
    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return {writeFailure(path, causeOf(errno))};
    const QByteArray finalName = QFile::encodeName(target);
    struct stat old {};
    // A file system without permissions refuses this; the file is written all the same.
    if (::stat(finalName.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    int error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), finalName.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return {writeFailure(path, causeOf(error))};
    }
    syncFolder(target);
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
