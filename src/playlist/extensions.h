#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tulvane::app {
class Contexte;
}

namespace tulvane::playlist {

// The media types offered in the open dialogs and the import search, in the order every
// list built from them shows them.
inline constexpr std::array<const char*, 27> kExtensionsMedias = {
    "AIF", "AIFC", "AIFF", "ASF", "ASX", "AU",  "AVI", "IVF", "M1V", "MIDI", "MP2V", "MP3", "MPE", "MPEG",
    "MPG", "SND",  "WAV",  "WAX", "WM",  "WMA", "WMD", "WMP", "WMS", "WMV",  "WMX",  "WMZ", "WVX"};

// The table has room for 51 types; the readers only ever walk the first 27.
inline constexpr int kPlacesExtensions = 51;

// Fills contexte.vExtensions once at start-up, before any window that reads it is loaded.
void fnInitExtensions(app::Contexte& contexte);

// The open dialogs' filter: "Tous les types" with every pattern, then one entry per type,
// 28 entries in all, from entries 0 to 26 of the table. The dialog matches the patterns
// without regard to letter case.
QString filtreMedias(const QStringList& vExtensions);

}  // namespace tulvane::playlist
