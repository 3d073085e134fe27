#pragma once

#include <string>
#include <string_view>

// Pieces of the names of parametrised cases, which GoogleTest takes in letters, digits and
// '_' only, so that every case reads the same in every run.
namespace tulvane::test {

// The text with its French accents taken off and every run of other characters made one '_',
// none at either end: "Été à l'eau.ogg" gives "Ete_a_l_eau_ogg"; "empty" when nothing is left.
std::string caseName(std::string_view text);

// A number: 239.7 gives "239_7", -0.4 "minus0_4".
std::string caseName(double number);

}  // namespace tulvane::test
