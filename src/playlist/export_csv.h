#pragma once

#include <span>
#include <string>

// The CSV export of the play list: fields between double quotes, separated by semicolons,
// every line ended by CR LF. A double quote inside a value is doubled, so that a spreadsheet
// reads the value back whole.
namespace tulvane::playlist {

// The header: each column title followed by a semicolon, the last one too.
void ajouterEnteteCsv(std::string& sortie, std::span<const std::string> titres);

// One row: its values joined by semicolons.
void ajouterLigneCsv(std::string& sortie, std::span<const std::string> valeurs);

}  // namespace tulvane::playlist
