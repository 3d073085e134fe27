#include "fakes/fake_cd_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using tulvane::components::CdMode;
using tulvane::components::packTmsf;
using tulvane::test::FakeCdDevice;
using testing::ElementsAre;

namespace {

constexpr int kFrames = tulvane::components::kFramesParSeconde;

TEST(PackTmsf, PutsTrackMinutesSecondsAndFramesFromTheLowestByteUp)
{
    EXPECT_EQ(packTmsf(3, 2, 5, 40), 0x28050203u);
    EXPECT_EQ(packTmsf(99, 74, 59, 74), 0x4A3B4A63u);
}

class FakeCdDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cd.setStatusUpdate([this] { updates.push_back(cd.Position()); });
        cd.insertDisc({200.0, 3.0, 300.0});
        cd.Open();
        cd.setUpdateInterval(100);
    }

    FakeCdDevice cd;
    std::vector<std::uint32_t> updates;
};

TEST_F(FakeCdDeviceTest, AnOpenDeviceRaisesAStatusUpdateAtEveryIntervalWithThePositionOfItsMoment)
{
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);
    EXPECT_EQ(cd.Tracks(), 3);
    cd.Play();
    cd.advance(50);
    EXPECT_TRUE(updates.empty());
    cd.advance(250);
    // 100 ms is 7.5 frames.
    EXPECT_THAT(updates, ElementsAre(packTmsf(1, 0, 0, 7), packTmsf(1, 0, 0, 15), packTmsf(1, 0, 0, 22)));

    cd.setUpdateInterval(0);
    cd.advance(1000);
    EXPECT_EQ(updates.size(), 3u);
    cd.setUpdateInterval(100);
    cd.Close();
    cd.advance(1000);
    EXPECT_EQ(updates.size(), 3u);
    EXPECT_EQ(cd.Mode(), CdMode::NotOpen);
}

TEST_F(FakeCdDeviceTest, PlayGoesOnIntoTheNextTrackAndStopsAtTheEndOfTheDisc)
{
    cd.moveTo(1, (3 * 60 + 19) * kFrames);
    cd.Play();
    cd.advance(2000);
    EXPECT_EQ(cd.Position(), packTmsf(2, 0, 1, 0));
    EXPECT_EQ(cd.Mode(), CdMode::Playing);
    cd.Stop();
    cd.advance(1000);
    EXPECT_EQ(cd.Position(), packTmsf(2, 0, 1, 0));

    cd.Play();
    cd.advance(400 * 1000);
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);
    EXPECT_EQ(cd.Position(), packTmsf(3, 5, 0, 0));
    cd.Play();
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);
}

TEST_F(FakeCdDeviceTest, PrevGoesBackToTheTrackStartAndASecondPrevSoonAfterToTheTrackBefore)
{
    cd.Play();
    cd.Next();
    cd.Next();
    cd.Next();
    EXPECT_EQ(cd.Position(), packTmsf(3, 0, 0, 0)) << "Next on the last track stays";
    cd.advance(5000);
    cd.Prev();
    EXPECT_EQ(cd.Position(), packTmsf(3, 0, 0, 0));
    EXPECT_EQ(cd.Mode(), CdMode::Playing);
    cd.Stop();
    cd.advance(2000);
    cd.Prev();
    EXPECT_EQ(cd.Position(), packTmsf(2, 0, 0, 0));
    cd.advance(3000);
    cd.Prev();
    EXPECT_EQ(cd.Position(), packTmsf(2, 0, 0, 0));
    cd.Prev();
    cd.Prev();
    EXPECT_EQ(cd.Position(), packTmsf(1, 0, 0, 0)) << "track 1 stays at track 1";
}

TEST_F(FakeCdDeviceTest, TheDoorStopsTheDiscAndClosingItReadiesTrackOne)
{
    cd.Next();
    cd.Play();
    cd.OpenDoor();
    EXPECT_EQ(cd.Mode(), CdMode::DoorOpen);
    EXPECT_EQ(cd.Tracks(), 0);
    EXPECT_EQ(cd.Position(), 0u);
    cd.Play();
    EXPECT_EQ(cd.Mode(), CdMode::DoorOpen);

    cd.CloseDoor();
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);
    EXPECT_EQ(cd.Position(), packTmsf(1, 0, 0, 0));

    cd.OpenDoor();
    cd.removeDisc();
    cd.CloseDoor();
    EXPECT_EQ(cd.Mode(), CdMode::NoMedia);
    EXPECT_EQ(cd.Tracks(), 0);
    // Updates go on without a disc, so that the player sees one put in.
    cd.advance(200);
    EXPECT_THAT(updates, ElementsAre(0u, 0u));
    cd.insertDisc({60.0});
    cd.advance(100);
    EXPECT_EQ(updates.back(), packTmsf(1, 0, 0, 0));
    EXPECT_THAT(cd.calls(), ElementsAre("Open", "UpdateInterval=100", "Next", "Play", "OpenDoor", "Play",
                                        "CloseDoor", "OpenDoor", "CloseDoor"));
}

TEST(FakeCdDevice, DoesNothingBeforeItIsOpened)
{
    FakeCdDevice cd;
    int updates = 0;
    cd.setStatusUpdate([&] { ++updates; });
    cd.insertDisc({60.0});
    cd.Play();
    cd.advance(5000);
    EXPECT_EQ(cd.Mode(), CdMode::NotOpen);
    EXPECT_EQ(cd.Tracks(), 0);
    EXPECT_EQ(cd.Position(), 0u);
    EXPECT_EQ(updates, 0);
}

}  // namespace
