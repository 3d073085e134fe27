#include "fakes/fake_media_player.h"

#include <cmath>

namespace tulvane::test {

using components::PlayError;

void FakeMediaPlayer::setDuration(const QString& fileName, double seconds)
{
    durations_[fileName] = seconds;
}

void FakeMediaPlayer::refuse(const QString& fileName, Refusal when, PlayError::Kind kind)
{
    refused_[fileName] = Refused{when, kind};
}

void FakeMediaPlayer::setBufferingProgress(int percent)
{
    buffering_ = percent;
}

void FakeMediaPlayer::advance(double seconds)
{
    if (refusalDue_) {
        refusalDue_ = false;
        error_ = PlayError{refused_.at(fileName_).kind, QStringLiteral("refused later by the test")};
        state_ = Stopped;
        reportDue_ = playWanted_;
    }
    if (reportDue_) {
        reportDue_ = false;
        playWanted_ = false;
        state_ = Stopped;
        reportFailure(fileName_, *error_);
    }
    if (state_ != Playing)
        return;
    position_ += seconds;
    const double length = Duration();
    if (length > 0.0 && position_ >= length) {
        position_ = length;
        state_ = Stopped;
        playWanted_ = false;
    }
}

QString FakeMediaPlayer::FileName() const
{
    return fileName_;
}

void FakeMediaPlayer::setFileName(const QString& text)
{
    log("FileName=" + text);
    fileName_ = text;
    unload();
    loaded_ = true;
    if (autoStart_ && !text.isEmpty() && start()) {
        // The caller is still inside this call: it hears of the failure from the handler.
        state_ = Waiting;
        reportDue_ = true;
    }
}

void FakeMediaPlayer::setAutoStart(bool on)
{
    log(QStringLiteral("AutoStart=") + (on ? "true" : "false"));
    autoStart_ = on;
}

std::optional<PlayError> FakeMediaPlayer::Play()
{
    log(QStringLiteral("Play"));
    return start();
}

void FakeMediaPlayer::Pause()
{
    log(QStringLiteral("Pause"));
    playWanted_ = false;
    reportDue_ = false;
    if (loaded_ && !fileName_.isEmpty() && !error_)
        state_ = Paused;
    else if (error_)
        state_ = Stopped;
}

double FakeMediaPlayer::CurrentPosition() const
{
    return position_;
}

bool FakeMediaPlayer::setCurrentPosition(double seconds)
{
    log("CurrentPosition=" + QString::number(seconds));
    const double length = Duration();
    if (length <= 0.0 || !std::isfinite(seconds) || seconds < 0.0 || seconds > length)
        return false;
    position_ = seconds;
    return true;
}

double FakeMediaPlayer::Duration() const
{
    if (!loaded_ || error_)
        return 0.0;
    const auto found = durations_.find(fileName_);
    return found == durations_.end() ? 0.0 : found->second;
}

void FakeMediaPlayer::setVolume(int hundredthsOfDecibel)
{
    log("Volume=" + QString::number(hundredthsOfDecibel));
    volume_ = hundredthsOfDecibel;
}

int FakeMediaPlayer::PlayState() const
{
    return state_;
}

int FakeMediaPlayer::BufferingProgress() const
{
    return buffering_;
}

bool FakeMediaPlayer::Mute() const
{
    return mute_;
}

void FakeMediaPlayer::setMute(bool on)
{
    log(QStringLiteral("Mute=") + (on ? "true" : "false"));
    mute_ = on;
}

void FakeMediaPlayer::Decharger()
{
    log(QStringLiteral("Decharger"));
    unload();
}

std::optional<PlayError> FakeMediaPlayer::start()
{
    reportDue_ = false;
    if (fileName_.isEmpty())
        return PlayError{PlayError::Kind::Other, QStringLiteral("nothing loaded")};
    loaded_ = true;
    if (error_) {
        state_ = Stopped;
        return error_;
    }
    const auto refused = refused_.find(fileName_);
    if (refused != refused_.end() && refused->second.when == Refusal::AtPlay) {
        error_ = PlayError{refused->second.kind, QStringLiteral("refused by the test")};
        state_ = Stopped;
        return error_;
    }
    playWanted_ = true;
    if (refused != refused_.end()) {
        state_ = Waiting;
        refusalDue_ = true;
        return std::nullopt;
    }
    const double length = Duration();
    if (length > 0.0 && position_ >= length)
        position_ = 0.0;
    state_ = Playing;
    return std::nullopt;
}

void FakeMediaPlayer::unload()
{
    loaded_ = false;
    state_ = Stopped;
    position_ = 0.0;
    playWanted_ = false;
    refusalDue_ = false;
    reportDue_ = false;
    error_.reset();
}

void FakeMediaPlayer::log(const QString& call)
{
    calls_.push_back(call.toStdString());
}

}  // namespace tulvane::test
