#pragma once

#include "support/temp_folder.h"

#include <string>

#include <sys/types.h>

namespace tulvane::test {

// A PulseAudio server of the test's own with one null sink, and a recorder that listens to
// that sink so it runs with a sound card's short latency (a null sink nobody listens to
// holds about a second of sound). While it lives, the sound this process plays goes there
// (PULSE_SERVER). GStreamer plays very differently into it than into its fallback sink.
class SoundServer {
public:
    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Empty once the server runs and is listened to; otherwise why it does not.
    const std::string& failure() const { return failure_; }

private:
    bool accepts() const;
    bool listened() const;

    TempFolder folder_;
    std::string address_;
    pid_t server_ = 0;
    pid_t recorder_ = 0;
    std::string failure_;
    bool hadServer_ = false;
    std::string previousServer_;
};

}  // namespace tulvane::test
