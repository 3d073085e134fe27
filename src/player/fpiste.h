#pragma once

#include <memory>

namespace tulvane::components {
class MediaPlayer;
}

namespace tulvane::player {

// The hidden host of the two media players: `Piste` plays the play-list files, `Piste2`
// the web-radio streams. Never shown.
class FPiste {
public:
    FPiste(std::unique_ptr<components::MediaPlayer> piste, std::unique_ptr<components::MediaPlayer> piste2);
    ~FPiste();

    components::MediaPlayer& Piste() { return *piste_; }
    components::MediaPlayer& Piste2() { return *piste2_; }

private:
    std::unique_ptr<components::MediaPlayer> piste_;
    std::unique_ptr<components::MediaPlayer> piste2_;
};

}  // namespace tulvane::player
