#include "components/qt_media_player.h"

#include "support/sound_server.h"
#include "support/temp_folder.h"
#include "support/wav.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using tulvane::components::MediaPlayer;
using tulvane::components::PlayError;
using tulvane::components::QtMediaPlayer;
using namespace tulvane::test;

namespace {

// The real backend works in the background: every wait is bounded.
constexpr int kLoadMs = 5000;

// The media player playing into a PulseAudio sink, as on a desktop: GStreamer's sink for it
// is where a replay stalled and a late start kept its sound back. The server runs before
// the player is made, as a desktop's does. These tests follow real playback against a
// clock: they run alone (see tests/CMakeLists.txt).
class QtMediaPlayerSoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sound = new SoundServer; }
    static void TearDownTestSuite()
    {
        delete sound;
        sound = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(sound->failure().empty()) << sound->failure();
        player.setAutoStart(false);
        player.setFailureHandler([this](const QString&, const PlayError& error) { failures.push_back(error); });
    }

    QString tone(const std::string& name, double seconds)
    {
        writeFile(folder / name, toneWav(seconds));
        return QString::fromStdString((folder / name).string());
    }

    static SoundServer* sound;
    TempFolder folder;
    QtMediaPlayer player;
    std::vector<PlayError> failures;
};

SoundServer* QtMediaPlayerSoundTest::sound = nullptr;

// Runs the event loop as the program does, until `done` or for `ms` at most. QTest::qWaitFor
// dispatches one event source every 10 ms, and GStreamer posts dozens of bus messages to
// open a file: opening would take half a second there.
bool runUntil(const std::function<bool()>& done, int ms)
{
    QEventLoop loop;
    QTimer check;
    check.setInterval(10);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    check.start();
    if (!done())
        loop.exec();
    return done();
}

void runFor(int ms)
{
    runUntil([] { return false; }, ms);
}

TEST_F(QtMediaPlayerSoundTest, LoopsAFileTwentyTimesAsTheLoopModeDoes)
{
    constexpr std::size_t kPlays = 20;
    // A stall lasts for good; a 1-second file that has not ended after this has stalled.
    constexpr qint64 kStallMs = 5000;
    player.setFileName(tone("tone.wav", 1.0));

    struct Play {
        bool playing = false;
        double furthest = 0.0;
    };
    std::vector<Play> plays;
    QElapsedTimer sincePlay;
    bool done = false;
    bool stalled = false;
    // The player window's heartbeat in loop mode: every 50 ms it reads the player, and a
    // stop it did not ask for is the end of the file, which it plays again.
    QTimer heartbeat;
    heartbeat.setInterval(50);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const int state = player.PlayState();
        if (!plays.empty()) {
            plays.back().playing = plays.back().playing || state == MediaPlayer::Playing;
            plays.back().furthest = std::max(plays.back().furthest, player.CurrentPosition());
            stalled = sincePlay.elapsed() > kStallMs;
        }
        if (state != MediaPlayer::Stopped && !stalled)
            return;
        if (plays.size() == kPlays || stalled) {
            done = true;
            heartbeat.stop();
            return;
        }
        plays.emplace_back();
        sincePlay.start();
        EXPECT_FALSE(player.Play().has_value());
    });
    heartbeat.start();

    ASSERT_TRUE(runUntil([&] { return done; }, kPlays * kStallMs + kLoadMs));
    EXPECT_FALSE(stalled) << "play " << plays.size() << " stopped moving at " << player.CurrentPosition()
                          << " s, state " << player.PlayState();
    EXPECT_EQ(plays.size(), kPlays);
    for (std::size_t i = 0; i < plays.size(); ++i) {
        SCOPED_TRACE("play " + std::to_string(i + 1));
        EXPECT_TRUE(plays[i].playing);
        EXPECT_GT(plays[i].furthest, 0.9);
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(QtMediaPlayerSoundTest, AFileThatWaitedStartsMovingAtOnceWhenPlayed)
{
    const struct {
        const char* how;
        // Played for a while, paused and sent here; or only loaded, and left waiting.
        std::optional<double> pausedAndSentTo;
    } cases[] = {
        // The row a start-up restores is loaded, not played, until the user plays it.
        {"loaded, then played", std::nullopt},
        // The program's stop: Pause, then the position at 0.
        {"stopped, then played", 0.0},
        {"sought while paused, then played", 1.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        // A file of its own: the one before may still be playing.
        player.setFileName(tone(std::string(c.how) + ".wav", 3.0));
        const double from = c.pausedAndSentTo.value_or(0.0);
        if (c.pausedAndSentTo) {
            // As a double click on a row does: the file is played as soon as it is loaded.
            ASSERT_FALSE(player.Play().has_value());
            ASSERT_TRUE(runUntil([&] { return player.CurrentPosition() > 1.0; }, kLoadMs));
            player.Pause();
            EXPECT_TRUE(player.setCurrentPosition(from));
            runFor(1000);
        } else {
            ASSERT_TRUE(runUntil([&] { return player.Duration() > 0.0; }, kLoadMs));
            runFor(2000);
        }
        EXPECT_NEAR(player.CurrentPosition(), from, 0.01);

        ASSERT_FALSE(player.Play().has_value());
        EXPECT_GE(player.CurrentPosition(), from - 0.01);
        EXPECT_TRUE(runUntil([&] { return player.CurrentPosition() > from + 0.3; }, 1000))
            << "still at " << player.CurrentPosition() << " s one second after Play";
        // Moving on from where it started, not skipping its beginning.
        EXPECT_LT(player.CurrentPosition(), from + 1.0);
    }
    EXPECT_TRUE(failures.empty());
}

}  // namespace
