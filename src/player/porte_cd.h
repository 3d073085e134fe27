#pragma once

namespace tulvane::app {
class Contexte;
}

namespace tulvane::player {

// The CD drive's door: each returns once the door has opened, or closed.
void fnEjecterCD(app::Contexte& contexte);
void fnFermerCD(app::Contexte& contexte);

}  // namespace tulvane::player
