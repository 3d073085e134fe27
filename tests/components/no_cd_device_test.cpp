#include "components/no_cd_device.h"

#include <gtest/gtest.h>

using tulvane::components::NoCdDevice;
using tulvane::components::CdMode;

TEST(NoCdDevice, ActsAsAMachineWithoutADrive)
{
    NoCdDevice cd;
    int updates = 0;
    cd.setStatusUpdate([&] { ++updates; });
    cd.Open();
    cd.setUpdateInterval(100);
    cd.CloseDoor();
    cd.Play();
    cd.Next();
    EXPECT_EQ(cd.Mode(), CdMode::NotOpen);
    EXPECT_EQ(cd.Tracks(), 0);
    EXPECT_EQ(cd.Position(), 0u);
    EXPECT_EQ(updates, 0);
}
