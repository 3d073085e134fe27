#include "components/qt_media_player.h"

#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tulvane::components {

void prepareMediaBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

double linearVolume(int hundredthsOfDecibel)
{
    if (hundredthsOfDecibel <= -10000)
        return 0.0;
    if (hundredthsOfDecibel >= 0)
        return 1.0;
    // An amplitude ratio: 20 dB per decade, 100 units per decibel.
    return std::pow(10.0, hundredthsOfDecibel / 2000.0);
}

QUrl mediaSource(const QString& text)
{
    if (text.isEmpty())
        return {};
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://"),
                                       QLatin1String("mms://")}) {
        if (text.startsWith(scheme, Qt::CaseInsensitive))
            return QUrl(text);
    }
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

QtMediaPlayer::QtMediaPlayer()
{
    player_.setAudioOutput(&audio_);
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_,
                     [this](QMediaPlayer::Error error, const QString& text) { onError(error, text); });
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                     [this](QMediaPlayer::MediaStatus status) { onStatus(status); });
}

QString QtMediaPlayer::FileName() const
{
    return fileName_;
}

void QtMediaPlayer::setFileName(const QString& text)
{
    fileName_ = text;
    load();
    if (autoStart_ && !text.isEmpty() && start())
        reportLater();
}

void QtMediaPlayer::setAutoStart(bool on)
{
    autoStart_ = on;
}

std::optional<PlayError> QtMediaPlayer::Play()
{
    return start();
}

void QtMediaPlayer::Pause()
{
    playWanted_ = false;
    failurePending_ = false;
    seekWhenReady_ = false;
    pausedMidTrack_ = player_.playbackState() == QMediaPlayer::PlayingState
        && player_.mediaStatus() == QMediaPlayer::BufferedMedia && !heldPosition_;
    if (loaded_ && !fileName_.isEmpty() && !error_)
        intoBackend([this] { player_.pause(); });
}

double QtMediaPlayer::CurrentPosition() const
{
    return static_cast<double>(heldPosition_.value_or(player_.position())) / 1000.0;
}

bool QtMediaPlayer::setCurrentPosition(double seconds)
{
    if (!loaded_ || error_ || !player_.isSeekable() || !std::isfinite(seconds) || seconds < 0.0
        || seconds > Duration())
        return false;
    const qint64 milliseconds = std::llround(seconds * 1000.0);
    if (player_.playbackState() == QMediaPlayer::PlayingState
        && player_.mediaStatus() == QMediaPlayer::BufferedMedia && !seekWhenReady_) {
        intoBackend([this, milliseconds] { player_.setPosition(milliseconds); });
        return true;
    }
    // Sought while idle, GStreamer's sink would hold the sound back at the next start (see
    // startsAsItIs): the position is kept here until then. Sought while a started file is
    // still opening, it is applied as soon as the file plays.
    heldPosition_ = milliseconds;
    seekWhenReady_ = playWanted_;
    pausedMidTrack_ = false;
    return true;
}

double QtMediaPlayer::Duration() const
{
    if (error_)
        return 0.0;
    const qint64 milliseconds = player_.duration() > 0 ? player_.duration() : durationBeforeReopen_;
    return static_cast<double>(std::max<qint64>(0, milliseconds)) / 1000.0;
}

void QtMediaPlayer::setVolume(int hundredthsOfDecibel)
{
    audio_.setVolume(static_cast<float>(linearVolume(hundredthsOfDecibel)));
}

int QtMediaPlayer::PlayState() const
{
    // Until the handler has heard of the failure, the caller must not take it for the
    // end of the file.
    if (failurePending_)
        return Waiting;
    if (error_)
        return Stopped;
    switch (player_.playbackState()) {
    case QMediaPlayer::PlayingState:
        return player_.mediaStatus() == QMediaPlayer::LoadingMedia ? Waiting : Playing;
    case QMediaPlayer::PausedState:
        return Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return Stopped;
}

int QtMediaPlayer::BufferingProgress() const
{
    switch (player_.mediaStatus()) {
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::EndOfMedia:
        // Local files report no buffer at all.
        return 100;
    default:
        return std::clamp(static_cast<int>(std::lround(player_.bufferProgress() * 100.0f)), 0, 100);
    }
}

bool QtMediaPlayer::Mute() const
{
    return audio_.isMuted();
}

void QtMediaPlayer::setMute(bool on)
{
    audio_.setMuted(on);
}

void QtMediaPlayer::Decharger()
{
    forgetPlayback();
    intoBackend([this] { player_.setSource(QUrl()); });
    loaded_ = false;
}

void QtMediaPlayer::forgetPlayback()
{
    playWanted_ = false;
    failurePending_ = false;
    heldPosition_.reset();
    seekWhenReady_ = false;
    pausedMidTrack_ = false;
    durationBeforeReopen_ = 0;
    error_.reset();
}

namespace {

// The backend opens a local file on this thread and would wait forever on a named pipe
// without a writer: anything there but a regular file is never handed to it.
bool horsFichierOrdinaire(const QUrl& source)
{
    if (!source.isLocalFile())
        return false;
    const QFileInfo fichier(source.toLocalFile());
    return fichier.exists() && !fichier.isFile();
}

}  // namespace

void QtMediaPlayer::load()
{
    forgetPlayback();
    QUrl source = mediaSource(fileName_);
    if (horsFichierOrdinaire(source)) {
        error_ = PlayError{PlayError::Kind::Unplayable, QStringLiteral("not a regular file")};
        source.clear();
    }
    intoBackend([this, &source] { reopen(source); });
    loaded_ = true;
}

// The backend ignores the address it already has: the same file is opened afresh too.
void QtMediaPlayer::reopen(const QUrl& source)
{
    if (!source.isEmpty() && player_.source() == source)
        player_.setSource(QUrl());
    player_.setSource(source);
}

std::optional<PlayError> QtMediaPlayer::start()
{
    failurePending_ = false;
    if (fileName_.isEmpty())
        return PlayError{PlayError::Kind::Other, QStringLiteral("nothing loaded")};
    if (!loaded_)
        load();
    const QUrl source = player_.source();
    if (!error_ && source.isLocalFile()) {
        const QFileInfo fichier(source.toLocalFile());
        if (!fichier.exists())
            error_ = PlayError{PlayError::Kind::Unplayable, QStringLiteral("file not found")};
        else if (!fichier.isFile())
            error_ = PlayError{PlayError::Kind::Unplayable, QStringLiteral("not a regular file")};
    }
    if (error_)
        return error_;
    playWanted_ = true;
    intoBackend([this, &source] {
        if (player_.playbackState() == QMediaPlayer::PlayingState)
            return;
        if (!startsAsItIs()) {
            // Opened afresh, the file starts at 0 by itself; another held position waits
            // until it plays.
            if (heldPosition_ == 0)
                heldPosition_.reset();
            seekWhenReady_ = heldPosition_.has_value();
            durationBeforeReopen_ = player_.duration();
            reopen(source);
        }
        pausedMidTrack_ = false;
        player_.play();
    });
    if (!error_)
        return std::nullopt;
    // Failed inside this very call: the caller hears of it here, not from the handler.
    failurePending_ = false;
    return error_;
}

// Under GStreamer with a PulseAudio sink, a file that waited loaded but idle, or was sought
// while idle, keeps its sound back at the next start for about as long as it waited, and
// replays from the end stall for good after a few. Only a file still opening, or paused
// in the middle of playing, is started as it is; any other is opened afresh, and goes to
// its held position once it plays.
bool QtMediaPlayer::startsAsItIs() const
{
    if (heldPosition_)
        return false;
    if (player_.mediaStatus() == QMediaPlayer::LoadingMedia)
        return true;
    return pausedMidTrack_ && player_.playbackState() == QMediaPlayer::PausedState;
}

void QtMediaPlayer::onError(QMediaPlayer::Error error, const QString& text)
{
    // The backend often follows its first error with more general ones; the first says why.
    if (error == QMediaPlayer::NoError || error_)
        return;
    error_ = PlayError{error == QMediaPlayer::NetworkError ? PlayError::Kind::Other
                                                            : PlayError::Kind::Unplayable,
                       text};
    if (!playWanted_)
        return;
    playWanted_ = false;
    if (inBackend_)
        reportLater();
    else
        reportFailure(fileName_, *error_);
}

void QtMediaPlayer::onStatus(QMediaPlayer::MediaStatus status)
{
    if (!seekWhenReady_ || status != QMediaPlayer::BufferedMedia)
        return;
    seekWhenReady_ = false;
    const qint64 to = *heldPosition_;
    heldPosition_.reset();
    intoBackend([this, to] { player_.setPosition(to); });
}

void QtMediaPlayer::reportLater()
{
    failurePending_ = true;
    QTimer::singleShot(0, &player_, [this] {
        if (!failurePending_)
            return;
        failurePending_ = false;
        reportFailure(fileName_, *error_);
    });
}

}  // namespace tulvane::components
