#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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
    QString text;
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

TextContent readText(const QString& path);
TextRead readTextLines(const QString& path);

// Why `path` cannot be written whole: a French text naming the file, or "" when the write
// can be tried. A file without any write permission counts as read-only, even for root.
QString writeObstacle(const QString& path);

// Writes every line followed by CR LF, through a temporary file renamed over the old one:
// on failure the old file is untouched and no partial file is left.
TextWrite writeTextLines(const QString& path, const QStringList& lines);

// The same for text already laid out: UTF-8 bytes with their CR LF line ends.
TextWrite writeText(const QString& path, const QByteArray& bytes);

}  // namespace tulvane::platform
