#pragma once

namespace tulvane::app {
class Contexte;
}

namespace tulvane::player {

// Where the quit writes the settings the next start restores. For now an empty hook: nothing
// is written and nothing is restored until the settings store is wired to it.
void fnSauverParametres(app::Contexte& contexte);

}  // namespace tulvane::player
