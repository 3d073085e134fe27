#pragma once

namespace tulvane::app {
class Contexte;
}

namespace tulvane::player {

// Writes the settings the next start restores; called by the quit.
void fnSauverParametres(app::Contexte& contexte);

}  // namespace tulvane::player
