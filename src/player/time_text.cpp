#include "player/time_text.h"

#include <cmath>
#include <cstdio>

namespace tulvane::player {

namespace {

std::string auMoins(long long nombre, int chiffres)
{
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%0*lld", chiffres, nombre);
    return tampon;
}

}  // namespace

std::string texteTemps(double secondes)
{
    if (!(secondes > 0.0))  // also NaN
        secondes = 0.0;
    long long minutes = static_cast<long long>(std::floor(secondes / 60.0));
    double reste = secondes - 60.0 * static_cast<double>(minutes);
    if (reste > 59.0) {
        ++minutes;
        reste = 0.0;
    }
    const auto entieres = static_cast<long long>(std::floor(reste + 0.5));
    return auMoins(minutes, 2) + ":" + auMoins(entieres, 2);
}

std::string troisChiffres(long long nombre)
{
    return auMoins(nombre, 3);
}

}  // namespace tulvane::player
