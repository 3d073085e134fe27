#pragma once

#include "components/media_player.h"

#include <map>
#include <string>
#include <vector>

namespace tulvane::test {

// A media player whose clock the test moves with `advance`. A file plays for the duration
// the test gave it; a file without one has an unknown length (Duration 0), cannot seek and
// never ends by itself, like a stream. A refused file fails either at the call to Play or
// later, at the next `advance`, which stands for the event loop: failures due go to the
// failure handler there, before the clock moves. Every command and write is logged, as
// "Play", "Pause", "Decharger", "FileName=<text>", "AutoStart=true", "CurrentPosition=3",
// "Volume=-240", "Mute=false".
class FakeMediaPlayer final : public components::MediaPlayer {
public:
    enum class Refusal { AtPlay, Later };

    void setDuration(const QString& fileName, double seconds);
    void refuse(const QString& fileName, Refusal when,
                components::PlayError::Kind kind = components::PlayError::Kind::Unplayable);
    void setBufferingProgress(int percent);

    void advance(double seconds);

    const std::vector<std::string>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    bool autoStart() const { return autoStart_; }
    int volume() const { return volume_; }

    QString FileName() const override;
    void setFileName(const QString& text) override;
    void setAutoStart(bool on) override;
    std::optional<components::PlayError> Play() override;
    void Pause() override;
    double CurrentPosition() const override;
    bool setCurrentPosition(double seconds) override;
    double Duration() const override;
    void setVolume(int hundredthsOfDecibel) override;
    int PlayState() const override;
    int BufferingProgress() const override;
    bool Mute() const override;
    void setMute(bool on) override;
    void Decharger() override;

private:
    struct Refused {
        Refusal when;
        components::PlayError::Kind kind;
    };

    std::optional<components::PlayError> start();
    void unload();
    void log(const QString& call);

    std::map<QString, double> durations_;
    std::map<QString, Refused> refused_;
    std::vector<std::string> calls_;
    QString fileName_;
    bool autoStart_ = true;
    bool loaded_ = false;
    int state_ = Stopped;
    double position_ = 0.0;
    int volume_ = 0;
    bool mute_ = false;
    int buffering_ = 100;
    bool playWanted_ = false;
    // A refusal "later" that the next advance finds.
    bool refusalDue_ = false;
    // A failure of an automatic start that the next advance reports.
    bool reportDue_ = false;
    std::optional<components::PlayError> error_;
};

}  // namespace tulvane::test
