#include "player/parametres_registre.h"

namespace tulvane::player {

// Nothing is kept between runs yet.
void fnSauverParametres(app::Contexte& /*contexte*/)
{
}

}  // namespace tulvane::player
