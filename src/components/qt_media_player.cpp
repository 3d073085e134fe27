#include "components/qt_media_player.h"

#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tulvane::components {

using components::PlayError;

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
    if (loaded_ && !fileName_.isEmpty() && !error_)
        intoBackend([this] { player_.pause(); });
}

double QtMediaPlayer::CurrentPosition() const
{
    return static_cast<double>(player_.position()) / 1000.0;
}

bool QtMediaPlayer::setCurrentPosition(double seconds)
{
    if (!loaded_ || error_ || !player_.isSeekable() || !std::isfinite(seconds) || seconds < 0.0
        || seconds > Duration())
        return false;
    intoBackend([this, seconds] { player_.setPosition(std::llround(seconds * 1000.0)); });
    return true;
}

double QtMediaPlayer::Duration() const
{
    return static_cast<double>(std::max<qint64>(0, player_.duration())) / 1000.0;
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
    playWanted_ = false;
    failurePending_ = false;
    error_.reset();
    intoBackend([this] { player_.setSource(QUrl()); });
    loaded_ = false;
}

void QtMediaPlayer::load()
{
    playWanted_ = false;
    failurePending_ = false;
    error_.reset();
    QUrl source = mediaSource(fileName_);
    // The backend opens a local file on this thread and would wait forever on a named pipe
    // without a writer: anything there but a regular file is never handed to it.
    if (source.isLocalFile()) {
        const QFileInfo file(source.toLocalFile());
        if (file.exists() && !file.isFile()) {
            error_ = PlayError{PlayError::Kind::Unplayable, QStringLiteral("not a regular file")};
            source.clear();
        }
    }
    intoBackend([this, &source] {
        // The same address written again opens afresh, as any other file would.
        if (!source.isEmpty() && player_.source() == source)
            player_.setSource(QUrl());
        player_.setSource(source);
    });
    loaded_ = true;
}

std::optional<PlayError> QtMediaPlayer::start()
{
    failurePending_ = false;
    if (fileName_.isEmpty())
        return PlayError{PlayError::Kind::Other, QStringLiteral("nothing loaded")};
    if (!loaded_)
        load();
    const QUrl source = player_.source();
    if (!error_ && source.isLocalFile() && !QFileInfo::exists(source.toLocalFile()))
        error_ = PlayError{PlayError::Kind::Unplayable, QStringLiteral("file not found")};
    if (error_)
        return error_;
    playWanted_ = true;
    intoBackend([this] { player_.play(); });
    if (!error_)
        return std::nullopt;
    // Failed inside this very call: the caller hears of it here, not from the handler.
    failurePending_ = false;
    return error_;
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
