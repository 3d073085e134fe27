#include "platform/random.h"

#include <gtest/gtest.h>

using tulvane::platform::Aleatoire;

TEST(Aleatoire, EveryRunDrawsTheSameSequenceInTheUnitInterval)
{
    Aleatoire a;
    Aleatoire b;
    for (int i = 0; i < 10000; ++i) {
        const double x = a.suivant();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        ASSERT_EQ(x, b.suivant());
    }
}

TEST(Aleatoire, DrawsSpreadOverTheInterval)
{
    Aleatoire a;
    int low = 0;
    for (int i = 0; i < 10000; ++i)
        low += a.suivant() < 0.5 ? 1 : 0;
    EXPECT_GT(low, 4500);
    EXPECT_LT(low, 5500);
}
