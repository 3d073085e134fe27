#include "components/qt_media_player.h"

#include "support/bytes.h"
#include "support/sans_attente.h"
#include "support/temp_folder.h"
#include "support/wav.h"

#include <QAudio>
#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using tulvane::components::QtMediaPlayer;
using tulvane::components::MediaPlayer;
using tulvane::components::PlayError;
using namespace tulvane::test;

namespace {

// The real backend works in the background: every wait is bounded.
constexpr int kLoadMs = 5000;
constexpr int kPlayMs = 10000;

// Serves one body to every request, as a plain HTTP/1.0 server without ranges does.
class OneFileServer {
public:
    explicit OneFileServer(const Bytes& body)
    {
        const QByteArray content(reinterpret_cast<const char*>(body.data()), static_cast<qsizetype>(body.size()));
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, content] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, content] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    socket->write("HTTP/1.0 200 OK\r\nContent-Type: audio/x-wav\r\nContent-Length: "
                                  + QByteArray::number(content.size()) + "\r\n\r\n" + content);
                    socket->disconnectFromHost();
                });
            }
        });
        server_.listen(QHostAddress::LocalHost);
    }

    QString address(const QString& path) const
    {
        return QString("http://127.0.0.1:%1/%2").arg(server_.serverPort()).arg(path);
    }

private:
    QTcpServer server_;
};

struct Failure {
    QString fileName;
    PlayError error;
};

class QtMediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QMediaPlayer().isAvailable())
            GTEST_SKIP() << "Qt Multimedia has no usable backend here (QT_MEDIA_BACKEND="
                         << qgetenv("QT_MEDIA_BACKEND").toStdString() << ")";
        player.setAutoStart(false);
        player.setFailureHandler([this](const QString& fileName, const PlayError& error) {
            failures.push_back({fileName, error});
        });
    }

    QString file(const std::string& name, const Bytes& content)
    {
        writeFile(folder / name, content);
        return QString::fromStdString((folder / name).string());
    }

    QString tone(double seconds) { return file("tone.wav", toneWav(seconds)); }

    TempFolder folder;
    QtMediaPlayer player;
    std::vector<Failure> failures;
};

TEST(LinearVolume, HundredthsOfDecibelBecomeAnAmplitudeRatio)
{
    const struct {
        int hundredths;
        double linear;
    } cases[] = {
        {0, 1.0},          {-240, 0.7585776},   {-2400, 0.0630957}, {-4800, 0.0039811},
        {-10000, 0.0},     {-25000, 0.0},       {300, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hundredths);
        EXPECT_NEAR(tulvane::components::linearVolume(c.hundredths), c.linear, 1e-7);
        if (c.hundredths < 0 && c.hundredths > -10000) {
            const float qt = QAudio::convertVolume(c.hundredths / 100.0f, QAudio::DecibelVolumeScale,
                                                   QAudio::LinearVolumeScale);
            EXPECT_NEAR(tulvane::components::linearVolume(c.hundredths), qt, c.linear * 1e-5);
        }
    }
    EXPECT_GT(tulvane::components::linearVolume(-9999), 0.0);
}

TEST(PrepareMediaBackend, ChoosesGStreamerUnlessTheUserChoseABackend)
{
    const QByteArray before = qgetenv("QT_MEDIA_BACKEND");
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    tulvane::components::prepareMediaBackend();
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), "ffmpeg");
    qunsetenv("QT_MEDIA_BACKEND");
    tulvane::components::prepareMediaBackend();
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), "gstreamer");
    qputenv("QT_MEDIA_BACKEND", before);
}

TEST(MediaSource, StreamAddressesStayAddressesAndAnythingElseIsALocalFile)
{
    using tulvane::components::mediaSource;
    EXPECT_EQ(mediaSource("http://radio.example:8000/flux?id=3"), QUrl("http://radio.example:8000/flux?id=3"));
    EXPECT_EQ(mediaSource("HTTPS://radio.example/a").scheme(), "https");
    EXPECT_EQ(mediaSource("mms://radio.example/a").scheme(), "mms");
    EXPECT_EQ(mediaSource("/musique/Été #1?.mp3").toLocalFile(), "/musique/Été #1?.mp3");
    EXPECT_EQ(mediaSource("http.mp3").toLocalFile(), QDir::current().absoluteFilePath("http.mp3"));
    EXPECT_TRUE(mediaSource("").isEmpty());
}

TEST_F(QtMediaPlayerTest, FileNameReadsBackExactlyTheTextWritten)
{
    for (const QString& text : {QString("/musique/Éléphant été.mp3"), QString("C:\\Mes documents\\A.MP3"),
                                QString("http://127.0.0.1:9/flux?id=1&x=%20"), QString("  blancs  "),
                                QString("relatif/fichier.wav"), QString()}) {
        player.setFileName(text);
        EXPECT_EQ(player.FileName(), text);
    }
}

TEST_F(QtMediaPlayerTest, PlaysAGeneratedWavToItsEndAndStopsByItself)
{
    player.setFileName(tone(1.5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.Duration() > 0.0; }, kLoadMs));
    EXPECT_NEAR(player.Duration(), 1.5, 0.02);

    ASSERT_FALSE(player.Play().has_value());
    // Stopped before the end would be taken for the end of the track.
    bool stoppedEarly = false;
    const auto ended = [&] {
        const int state = player.PlayState();
        if (state == MediaPlayer::Stopped && player.CurrentPosition() < 1.4)
            stoppedEarly = true;
        return state == MediaPlayer::Stopped;
    };
    EXPECT_FALSE(ended());
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.PlayState() == MediaPlayer::Playing; }, kLoadMs));
    ASSERT_TRUE(QTest::qWaitFor(ended, kPlayMs));
    EXPECT_FALSE(stoppedEarly);
    EXPECT_GT(player.CurrentPosition(), 1.4);
    EXPECT_TRUE(failures.empty());

    // A file that ended plays again from its start (the loop mode relies on it).
    ASSERT_FALSE(player.Play().has_value());
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.PlayState() == MediaPlayer::Playing; }, kLoadMs));
    EXPECT_LT(player.CurrentPosition(), 1.0);

    // The program's stop.
    player.Pause();
    EXPECT_TRUE(player.setCurrentPosition(0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.CurrentPosition() == 0.0; }, kLoadMs));
    EXPECT_EQ(player.PlayState(), MediaPlayer::Paused);
}

TEST_F(QtMediaPlayerTest, SeeksInsideTheFileAndRefusesWhatLiesOutside)
{
    EXPECT_FALSE(player.setCurrentPosition(1.0)) << "nothing loaded";
    player.setFileName(tone(1.5));
    player.Pause();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.setCurrentPosition(0.5); }, kLoadMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(player.CurrentPosition() - 0.5) < 0.01; }, kLoadMs));
    EXPECT_FALSE(player.setCurrentPosition(-3.0));
    EXPECT_FALSE(player.setCurrentPosition(1.5 + 3.0));
    EXPECT_FALSE(player.setCurrentPosition(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_NEAR(player.CurrentPosition(), 0.5, 0.01);
}

// Whether the failure comes back from Play or later through the handler, it comes once,
// the state is stopped, and the next Play knows it at once.
void expectOneFailure(QtMediaPlayer& player, std::vector<Failure>& failures, const QString& fileName,
                      PlayError::Kind kind, bool mustBeAtOnce)
{
    const std::optional<PlayError> atOnce = player.Play();
    if (atOnce) {
        EXPECT_EQ(atOnce->kind, kind) << atOnce->reason.toStdString();
    } else {
        EXPECT_FALSE(mustBeAtOnce);
        EXPECT_NE(player.PlayState(), MediaPlayer::Stopped);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !failures.empty(); }, kLoadMs));
        EXPECT_EQ(failures[0].fileName, fileName);
        EXPECT_EQ(failures[0].error.kind, kind) << failures[0].error.reason.toStdString();
    }
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
    // The backend follows its first error with more of its own.
    QTest::qWait(300);
    EXPECT_LE(failures.size(), 1u);
    const std::optional<PlayError> again = player.Play();
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->kind, kind);
    EXPECT_LE(failures.size(), 1u);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
}

// A seek made while a started file is still opening goes where it was asked once the file
// plays, and the position then moves on from there.
TEST_F(QtMediaPlayerTest, ASeekWhileTheStartedFileOpensIsAppliedOnceItPlays)
{
    player.setFileName(tone(3.0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.Duration() > 0.0; }, kLoadMs));
    ASSERT_EQ(player.Play(), std::nullopt);
    // The first moment the opening file takes a seek.
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.setCurrentPosition(2.0); }, kLoadMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.CurrentPosition() > 2.3; }, kPlayMs))
        << "still at " << player.CurrentPosition();
}

TEST_F(QtMediaPlayerTest, AMissingFileFailsAtPlay)
{
    const QString missing = QString::fromStdString((folder / "absent.mp3").string());
    player.setFileName(missing);
    expectOneFailure(player, failures, missing, PlayError::Kind::Unplayable, true);
    EXPECT_TRUE(failures.empty());
}

TEST_F(QtMediaPlayerTest, AFileThatIsNoMediaReachesTheFailurePath)
{
    const QString junk = file("texte.mp3", bytesOf(std::string(4000, 'x')));
    player.setFileName(junk);
    expectOneFailure(player, failures, junk, PlayError::Kind::Unplayable, false);
}

TEST_F(QtMediaPlayerTest, PlayWithNothingLoadedFailsAtOnce)
{
    const std::optional<PlayError> error = player.Play();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, PlayError::Kind::Other);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
}

TEST_F(QtMediaPlayerTest, PausedBeforeTheFailureArrivesKeepsItForTheNextPlay)
{
    const QString junk = file("texte.mp3", bytesOf(std::string(4000, 'x')));
    player.setFileName(junk);
    player.Pause();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.PlayState() == MediaPlayer::Stopped; }, kLoadMs));
    QTest::qWait(200);
    EXPECT_TRUE(failures.empty());
    const std::optional<PlayError> error = player.Play();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, PlayError::Kind::Unplayable);
}

TEST_F(QtMediaPlayerTest, AutoStartIsOnAtFirstAndStartsPlaybackWhenTheFileNameIsWritten)
{
    QtMediaPlayer fresh;
    fresh.setFileName(tone(0.5));
    EXPECT_NE(fresh.PlayState(), MediaPlayer::Stopped);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fresh.PlayState() == MediaPlayer::Playing; }, kLoadMs));

    // A failed automatic start never calls the handler from inside the write.
    const QString missing = QString::fromStdString((folder / "absent.wav").string());
    player.setAutoStart(true);
    player.setFileName(missing);
    EXPECT_TRUE(failures.empty());
    EXPECT_NE(player.PlayState(), MediaPlayer::Stopped);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !failures.empty(); }, kLoadMs));
    EXPECT_EQ(failures[0].fileName, missing);
    EXPECT_EQ(failures[0].error.kind, PlayError::Kind::Unplayable);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);
}

TEST_F(QtMediaPlayerTest, DechargerReleasesTheMediaAndKeepsTheFileName)
{
    const QString path = tone(1.5);
    player.setFileName(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.Duration() > 0.0; }, kLoadMs));
    player.Decharger();
    EXPECT_EQ(player.FileName(), path);
    EXPECT_EQ(player.Duration(), 0.0);
    EXPECT_EQ(player.PlayState(), MediaPlayer::Stopped);

    ASSERT_FALSE(player.Play().has_value());
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.PlayState() == MediaPlayer::Playing; }, kLoadMs));
    EXPECT_NEAR(player.Duration(), 1.5, 0.02);
}

TEST_F(QtMediaPlayerTest, AStreamAddressPlaysFromTheNetworkAndAnUnreachableOneNeverPlays)
{
    OneFileServer server(toneWav(1.0));
    const QString address = server.address("flux?id=1");
    player.setAutoStart(true);
    player.setFileName(address);
    EXPECT_EQ(player.FileName(), address);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.PlayState() == MediaPlayer::Playing; }, kLoadMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.BufferingProgress() == 100; }, kLoadMs));

    // A closed port on this machine refuses the connection.
    QString closed;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        closed = QString("http://127.0.0.1:%1/flux").arg(probe.serverPort());
    }
    bool everPlaying = false;
    player.setFileName(closed);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            everPlaying = everPlaying || player.PlayState() == MediaPlayer::Playing;
            return player.PlayState() == MediaPlayer::Stopped;
        },
        kLoadMs));
    EXPECT_FALSE(everPlaying);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].fileName, closed);
}

TEST_F(QtMediaPlayerTest, MuteReadsBackWhatWasWritten)
{
    EXPECT_FALSE(player.Mute());
    player.setMute(true);
    EXPECT_TRUE(player.Mute());
    player.setMute(false);
    EXPECT_FALSE(player.Mute());
}

}  // namespace


// The backend would open a named pipe on the window's thread and wait for a writer forever.
TEST_F(QtMediaPlayerTest, ANamedPipeIsNeverOpenedAndCannotBePlayed)
{
    const auto fifo = folder / "tube.mp3";
    tulvane::test::creerFifo(fifo);
    const QString chemin = QString::fromStdString(fifo.string());
    std::optional<PlayError> erreur;
    EXPECT_TRUE(tulvane::test::revientSansAttendre(fifo, [&] {
        player.setFileName(chemin);
        player.Pause();
        erreur = player.Play();
    }));
    EXPECT_EQ(player.FileName(), chemin);
    ASSERT_TRUE(erreur.has_value());
    EXPECT_EQ(erreur->kind, PlayError::Kind::Unplayable);
}
