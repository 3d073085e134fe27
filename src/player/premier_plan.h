#pragma once

class QWidget;

namespace tulvane::player {

// Puts the window into the always-on-top band, or out of it. The window keeps its place and
// size and is not activated, but it is shown: a hidden window becomes visible.
void fnPremierPlan(QWidget& fenetre, bool vfnActif);

}  // namespace tulvane::player
