#pragma once

#include <string>

namespace tulvane::player {

// A time in seconds as the player window shows it: minutes of at least two digits, ":",
// then the seconds rounded to the nearest whole second (a half upward), at least two
// digits; a remainder above 59 s carries into the minutes (239.7 s shows 04:00).
// Negative times, which a player can report for a moment, show as 00:00.
std::string texteTemps(double secondes);

// A whole number with at least three digits ("007", "1234"), for the track counter and
// the bitrate column.
std::string troisChiffres(long long nombre);

}  // namespace tulvane::player
