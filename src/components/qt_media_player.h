#pragma once

#include "components/media_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace tulvane::components {

// Picks the GStreamer backend of Qt Multimedia unless the user chose one: the FFmpeg
// backend of Qt 6.4 crashes on machines without an audio device. Call before the
// application object is created.
void prepareMediaBackend();

// Linear gain (0 to 1) for a volume in hundredths of a decibel.
double linearVolume(int hundredthsOfDecibel);

// The media source for a `FileName` text: a stream address for http, https and mms,
// otherwise the absolute local file.
QUrl mediaSource(const QString& text);

// The media player on Qt Multimedia.
class QtMediaPlayer final : public MediaPlayer {
public:
    QtMediaPlayer();

    QString FileName() const override;
    void setFileName(const QString& text) override;
    void setAutoStart(bool on) override;
    std::optional<PlayError> Play() override;
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
    void forgetPlayback();
    void load();
    void reopen(const QUrl& source);
    std::optional<PlayError> start();
    bool startsAsItIs() const;
    void onStatus(QMediaPlayer::MediaStatus status);
    void onError(QMediaPlayer::Error error, const QString& text);
    void reportLater();

    template <typename Call>
    void intoBackend(Call call)
    {
        const bool outer = inBackend_;
        inBackend_ = true;
        call();
        inBackend_ = outer;
    }

    QAudioOutput audio_;
    QMediaPlayer player_;
    QString fileName_;
    bool autoStart_ = true;
    bool loaded_ = false;
    // A position the backend has not been given yet, in milliseconds: a seek while not
    // playing, or where a start of playback goes once the reopened file is ready.
    std::optional<qint64> heldPosition_;
    bool seekWhenReady_ = false;
    // Paused while it played, and not moved since: playing again simply resumes.
    bool pausedMidTrack_ = false;
    // The same file opened afresh has the same length, shown while it opens.
    qint64 durationBeforeReopen_ = 0;
    // From a start of playback until it is paused, replaced or has failed.
    bool playWanted_ = false;
    // Inside one of our own calls into the backend, where the handler must not run.
    bool inBackend_ = false;
    // A failure on its way to the handler from the event loop.
    bool failurePending_ = false;
    std::optional<PlayError> error_;
};

}  // namespace tulvane::components
