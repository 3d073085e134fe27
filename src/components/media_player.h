#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace tulvane::components {

// Why a file could not be played, or stopped playing.
struct PlayError {
    enum class Kind {
        Unplayable,  // missing, unreadable or undecodable: the player's general failure
        Other,       // anything else, such as playing with nothing loaded
    };
    Kind kind;
    QString reason;  // the backend's own words, for diagnostics only
};

// The media-player component that plays the play-list files (`Piste`) and the web-radio
// streams (`Piste2`). Getters carry the component's member names, setters the same name
// after "set".
//
// Failures reach the caller by one of two roads, never both for one start of playback:
// - `Play()` returns the error when it is known at the call: nothing loaded, a local file
//   that does not exist, or a file the backend has already found unplayable;
// - an error found later (the backend opens and decodes files in the background) goes to
//   the failure handler, at most once per start of playback (`Play()` or `AutoStart`), and
//   only while that playback is still wanted: after `Pause`, a new `FileName` or
//   `Decharger` it is kept and returned by the next `Play()` instead.
// The handler always runs from the event loop, never from inside a call to the player, and
// `PlayState` reads `Stopped` from the moment the handler runs.
class MediaPlayer {
public:
    // Values of `PlayState`. `Waiting` is reported while a started file or stream is
    // still being opened: it is neither stopped nor playing yet.
    static constexpr int Stopped = 0;
    static constexpr int Paused = 1;
    static constexpr int Playing = 2;
    static constexpr int Waiting = 3;

    using FailureHandler = std::function<void(const QString& fileName, const PlayError& error)>;

    virtual ~MediaPlayer() = default;

    // Reads back exactly the text last written. Writing loads that file or stream address
    // (http, https and mms addresses are streams, any other text is a local path); ""
    // empties the player. With `AutoStart` on, writing a non-empty text starts playback.
    virtual QString FileName() const = 0;
    virtual void setFileName(const QString& text) = 0;

    // On when the player is created.
    virtual void setAutoStart(bool on) = 0;

    // Starts or resumes playback; a file that ended plays again from its start.
    virtual std::optional<PlayError> Play() = 0;
    virtual void Pause() = 0;

    // Seconds from the start. Writing seeks and returns false, doing nothing, for a
    // position before the start or past the end, a stream that cannot seek, or an empty
    // player; callers may ignore the result.
    virtual double CurrentPosition() const = 0;
    virtual bool setCurrentPosition(double seconds) = 0;

    // Seconds; 0 while the length is not known.
    virtual double Duration() const = 0;

    // Hundredths of a decibel: 0 is full volume, -10000 and below is silence.
    virtual void setVolume(int hundredthsOfDecibel) = 0;

    virtual int PlayState() const = 0;

    // 0 to 100: how full the stream buffer is.
    virtual int BufferingProgress() const = 0;

    virtual bool Mute() const = 0;
    virtual void setMute(bool on) = 0;

    // Stops and releases the loaded media. `FileName` keeps its text; a later `Play()`
    // loads it again.
    virtual void Decharger() = 0;

    void setFailureHandler(FailureHandler handler) { failureHandler_ = std::move(handler); }

protected:
    void reportFailure(const QString& fileName, const PlayError& error) const
    {
        if (failureHandler_)
            failureHandler_(fileName, error);
    }

private:
    FailureHandler failureHandler_;
};

}  // namespace tulvane::components
