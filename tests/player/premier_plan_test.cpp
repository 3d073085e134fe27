#include "player/premier_plan.h"

#include <QWidget>
#include <gtest/gtest.h>

using tulvane::player::fnPremierPlan;

TEST(PremierPlan, TogglesTheTopBandAndShowsAHiddenWindow)
{
    QWidget fenetre;
    ASSERT_FALSE(fenetre.isVisible());
    fnPremierPlan(fenetre, true);
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_TRUE(fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    fenetre.hide();
    fnPremierPlan(fenetre, false);
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_FALSE(fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}
