#include "fakes/fake_media_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using tulvane::components::MediaPlayer;
using tulvane::components::PlayError;
using tulvane::test::FakeMediaPlayer;
using testing::ElementsAre;

namespace {

class FakeMediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        player.setAutoStart(false);
        player.setFailureHandler([this](const QString& fileName, const PlayError& error) {
            failures.emplace_back(fileName, error.kind);
        });
        player.setDuration("a.mp3", 10.0);
        player.clearCalls();
    }

    FakeMediaPlayer player;
    std::vector<std::pair<QString, PlayError::Kind>> failures;
};

TEST_F(FakeMediaPlayerTest, TheFileMovesWithTheClockOnlyWhilePlayingAndStopsByItselfAtTheEnd)
{
    player.setFileName("a.mp3");
    EXPECT_EQ(player.Duration(), 10.0);
    player.advance(2.0);
    EXPECT_EQ(player.CurrentPosition(), 0.0);

    ASSERT_FALSE(player.Play().has_value());
    EXPECT_EQ(player.PlayState(), MediaPlayer::Playing);
    player.advance(4.0);
    EXPECT_EQ(player.CurrentPosition(), 4.0);
    player.Pause();
    EXPECT_EQ(player.PlayState(), MediaPlayer::Paused);
    player.advance(3.0);
    EXPECT_EQ(player.CurrentPosition(), 4.0);

    player.Play();
    player.advance(9.0);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    EXPECT_EQ(player.CurrentPosition(), 10.0);

    // Played again, the ended file starts over.
    player.Play();
    EXPECT_EQ(player.CurrentPosition(), 0.0);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Playing);
}

TEST_F(FakeMediaPlayerTest, AFileOfUnknownLengthNeverEndsAndCannotSeek)
{
    player.setFileName("flux");
    player.Play();
    player.advance(100000.0);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Playing);
    EXPECT_EQ(player.Duration(), 0.0);
    EXPECT_FALSE(player.setCurrentPosition(0.0));
}

TEST_F(FakeMediaPlayerTest, SeeksInsideTheFileAndRefusesOutsideButLogsEveryWrite)
{
    EXPECT_FALSE(player.setCurrentPosition(1.0));
    player.setFileName("a.mp3");
    EXPECT_TRUE(player.setCurrentPosition(2.5));
    EXPECT_FALSE(player.setCurrentPosition(-3.0));
    EXPECT_FALSE(player.setCurrentPosition(13.0));
    EXPECT_TRUE(player.setCurrentPosition(10.0));
    EXPECT_EQ(player.CurrentPosition(), 10.0);
    EXPECT_THAT(player.calls(), ElementsAre("CurrentPosition=1", "FileName=a.mp3", "CurrentPosition=2.5",
                                            "CurrentPosition=-3", "CurrentPosition=13", "CurrentPosition=10"));
}

TEST_F(FakeMediaPlayerTest, ARefusalAtPlayComesBackFromPlayAndNeverThroughTheHandler)
{
    player.refuse("bad.mp3", FakeMediaPlayer::Refusal::AtPlay);
    player.setFileName("bad.mp3");
    const std::optional<PlayError> error = player.Play();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, PlayError::Kind::Unplayable);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    player.advance(1.0);
    EXPECT_TRUE(failures.empty());
}

TEST_F(FakeMediaPlayerTest, ALaterRefusalReachesTheHandlerOnceAtTheNextTick)
{
    player.refuse("bad.wma", FakeMediaPlayer::Refusal::Later, PlayError::Kind::Other);
    player.setFileName("bad.wma");
    EXPECT_FALSE(player.Play().has_value());
    EXPECT_EQ(player.PlayState(), MediaPlayer::Waiting);
    EXPECT_TRUE(failures.empty());

    player.advance(0.0);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].first, "bad.wma");
    EXPECT_EQ(failures[0].second, PlayError::Kind::Other);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);

    player.advance(1.0);
    const std::optional<PlayError> again = player.Play();
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->kind, PlayError::Kind::Other);
    player.advance(1.0);
    EXPECT_EQ(failures.size(), 1u);
}

TEST_F(FakeMediaPlayerTest, ALaterRefusalOfAPausedFileIsKeptForTheNextPlay)
{
    player.refuse("bad.wma", FakeMediaPlayer::Refusal::Later);
    player.setFileName("bad.wma");
    player.Play();
    player.Pause();
    player.advance(1.0);
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    EXPECT_TRUE(player.Play().has_value());
}

TEST_F(FakeMediaPlayerTest, ANewFileNameForgetsTheFailureOfTheOldOne)
{
    player.refuse("bad.wma", FakeMediaPlayer::Refusal::Later);
    player.setFileName("bad.wma");
    player.Play();
    player.setFileName("a.mp3");
    player.advance(1.0);
    EXPECT_TRUE(failures.empty());
    EXPECT_FALSE(player.Play().has_value());
}

TEST_F(FakeMediaPlayerTest, AutoStartIsOnAtFirstAndItsFailureWaitsForTheNextTick)
{
    FakeMediaPlayer fresh;
    fresh.setDuration("a.mp3", 10.0);
    EXPECT_TRUE(fresh.autoStart());
    fresh.setFileName("a.mp3");
    EXPECT_EQ(fresh.PlayState(), MediaPlayer::Playing);

    player.refuse("bad.mp3", FakeMediaPlayer::Refusal::AtPlay);
    player.setAutoStart(true);
    player.setFileName("bad.mp3");
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(player.PlayState(), MediaPlayer::Waiting);
    player.advance(0.0);
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
}

TEST_F(FakeMediaPlayerTest, PlayWithNothingLoadedFailsAtOnce)
{
    const std::optional<PlayError> error = player.Play();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, PlayError::Kind::Other);
}

TEST_F(FakeMediaPlayerTest, LogsTheCallsInOrderAndKeepsTheFileNameThroughDecharger)
{
    player.setFileName("a.mp3");
    player.Play();
    player.advance(3.0);
    player.setFileName("");
    player.setAutoStart(false);
    player.Pause();
    player.Decharger();
    player.setVolume(-2400);
    player.setMute(true);
    EXPECT_THAT(player.calls(), ElementsAre("FileName=a.mp3", "Play", "FileName=", "AutoStart=false", "Pause",
                                            "Decharger", "Volume=-2400", "Mute=true"));
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    EXPECT_EQ(player.CurrentPosition(), 0.0);
    EXPECT_EQ(player.volume(), -2400);
    EXPECT_TRUE(player.Mute());

    player.setFileName("a.mp3");
    player.Decharger();
    EXPECT_EQ(player.FileName(), "a.mp3");
    EXPECT_EQ(player.Duration(), 0.0);
    player.Play();
    EXPECT_EQ(player.Duration(), 10.0);
}

TEST_F(FakeMediaPlayerTest, BufferingProgressIsWhatTheTestSets)
{
    EXPECT_EQ(player.BufferingProgress(), 100);
    player.setBufferingProgress(45);
    EXPECT_EQ(player.BufferingProgress(), 45);
}

}  // namespace
