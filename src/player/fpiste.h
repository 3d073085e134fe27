#pragma once

#include <memory>

namespace tulvane::player {

class MediaPlayer;

// The hidden host of the two media players: `Piste` plays the play-list files, `Piste2`
// the web-radio streams. Never shown.
class FPiste {
public:
    FPiste(std::unique_ptr<MediaPlayer> piste, std::unique_ptr<MediaPlayer> piste2);
    ~FPiste();

    MediaPlayer& Piste() { return *piste_; }
    MediaPlayer& Piste2() { return *piste2_; }

private:
    std::unique_ptr<MediaPlayer> piste_;
    std::unique_ptr<MediaPlayer> piste2_;
};

}  // namespace tulvane::player
