#include "player/premier_plan.h"

#include <QWidget>

namespace tulvane::player {

void fnPremierPlan(QWidget& fenetre, bool vfnActif)
{
    // Changing the window's flags hides it on most platforms; it is shown again below.
    fenetre.setAttribute(Qt::WA_ShowWithoutActivating, true);
    fenetre.setWindowFlag(Qt::WindowStaysOnTopHint, vfnActif);
    fenetre.show();
    fenetre.setAttribute(Qt::WA_ShowWithoutActivating, false);
}

}  // namespace tulvane::player
