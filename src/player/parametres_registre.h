#pragma once

#include <QString>

#include <optional>

namespace tulvane::app {
class Contexte;
}

namespace tulvane::player {

// Where the seven settings live: the key text, followed directly by a value's name.
inline constexpr const char* kCleParametres = "HKEY_CURRENT_USER\\Software\\Tulvane Adv 4.2\\";

// Writes the seven settings that the next start restores; called by the quit.
void fnSauverParametres(app::Contexte& contexte);

// Reads them once, at the end of the start-up: reopens the last play list at the saved row,
// highlights the saved station, shows the player window, and restores always-on-top and
// the play-list window's three bars. A value never written reads as the first run's state.
void fnLireParametres(app::Contexte& contexte);

// A Boolean as the settings keep it: the locale's word, "Vrai"/"Faux" under French and
// "True"/"False" otherwise.
QString texteBooleen(bool valeur);

// The conversions of the stored texts; nothing for a text that does not convert.
// A Boolean is "Vrai", "Faux", "True" or "False" in any letter case, or a number (0 is false).
std::optional<bool> booleenDuTexte(const QString& texte);
// A number, with a "." or a "," before its decimals.
std::optional<double> nombreDuTexte(const QString& texte);
// A number rounded to a whole one (halves to the even), within 16 bits.
std::optional<int> entier16DuTexte(const QString& texte);

}  // namespace tulvane::player
