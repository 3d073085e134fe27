#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>
#include <string>

// Text files of the program, read and written whole. On disk: UTF-8 without a byte-order mark,
// every line ended by CR LF. Files made on the original platform are in Windows-1252; their
// lines are recognised by not being valid UTF-8 and keep their accents.
namespace tulvane::platform {

// A failure is a French text naming the file, fit for a message box; empty on success.
struct TextRead {
    QStringList lines;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

struct TextContent {
    std::string text;  // UTF-8, as the file formats' readers take it
    QString error;
    bool ok() const { return error.isEmpty(); }
};

struct TextWrite {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Line by line, UTF-8 where the line is valid UTF-8, else Windows-1252; a leading byte-order
// mark dropped, the line ends kept (decoderTexte in text_lines.h).
QString decodeText(const QByteArray& bytes);

// Lines ended by CR LF, LF or CR; a line end at the very end opens no further line. The
// same rule as decouperLignes in text_lines.h, which does the cutting.
QStringList splitLines(const QString& text);

// The bytes of a regular file, at most `limit` of them; no value when the path names no
// readable regular file. Opening never waits: a named pipe, a device or a socket is refused.
std::optional<QByteArray> readBytes(const QString& path, qsizetype limit = std::numeric_limits<qsizetype>::max());

// Read through readBytes; a failure names the file.
TextContent readText(const QString& path);
TextRead readTextLines(const QString& path);

// What a failed call on a file or folder (its errno) means to the user, as a French clause:
// "le disque est plein", "le disque est en lecture seule", ...
QString causeOf(int error);

// Why `path` cannot be written whole: a French text naming the file, or "" when the write
// can be tried. A file without any write permission counts as read-only, even for root.
QString writeObstacle(const QString& path);

// The one whole-file write of the program: the bytes go to a temporary file beside the
// target, which replaces it only once every byte is on the disk (written and synced). On
// failure the old file is untouched, no temporary file is left, and the error names the
// file and the cause ("le disque est plein"). A link is followed: the file it names is
// replaced. The replaced file's permissions are kept.
TextWrite writeText(const QString& path, const QByteArray& bytes);

// Writes every line followed by CR LF, through writeText.
TextWrite writeTextLines(const QString& path, const QStringList& lines);

}  // namespace tulvane::platform
