#pragma once

#include <map>
#include <string>
#include <string_view>

// The settings file: the INI text that QSettings reads and writes on Linux, so that a file
// of an earlier version of the program reads as it did. Root keys stand under "[General]",
// a key "Groupe/Nom" under "[Groupe]"; keys and values are escaped as QSettings escapes them.
// Written here rather than by QSettings, whose own writing bypasses the one whole-file write.
namespace tulvane::components {

// Full keys, groups joined by "/", to UTF-8 texts.
using ValeursReglages = std::map<std::string, std::string>;

// Any text: lines that are not a section or a "key=value" are left out; of a key given twice
// the last value counts. Values are read as texts: "@@" starts one that begins with "@",
// "@String(...)" holds one with a NUL; QSettings' other typed values stay as written.
ValeursReglages lireReglages(std::string_view texte);

// Lines ended by LF, as QSettings writes them; lireReglages gives the same values back.
std::string ecrireReglages(const ValeursReglages& valeurs);

}  // namespace tulvane::components
