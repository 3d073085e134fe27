#pragma once

#include <QString>

// Texts from outside (tags, file names, play-list fields) as the window shows them. Qt lays
// out the whole of a text it is given, so a 100 MB field read from a file would freeze the
// window for seconds and take gigabytes; a cell or a label never shows more than a line.
namespace tulvane::platform {

// More characters than one line of any window shows, and little to lay out.
inline constexpr qsizetype kShownTextLength = 4096;

// The first kShownTextLength characters of the text on one line: line breaks show as blanks.
// The text itself stays whole where the program keeps it.
QString shownText(const QString& text);

// A tool tip that shows the text as typed, never read as markup.
QString plainToolTip(const QString& text);

}  // namespace tulvane::platform
