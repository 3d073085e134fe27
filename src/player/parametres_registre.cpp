#include "player/parametres_registre.h"

namespace tulvane::player {

// Empty until the settings are kept between runs.
void fnSauverParametres(app::Contexte& /*contexte*/)
{
}

}  // namespace tulvane::player
