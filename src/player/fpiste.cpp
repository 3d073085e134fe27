#include "player/fpiste.h"

#include "components/media_player.h"

namespace tulvane::player {

FPiste::FPiste(std::unique_ptr<components::MediaPlayer> piste, std::unique_ptr<components::MediaPlayer> piste2)
    : piste_(std::move(piste)), piste2_(std::move(piste2))
{
}

FPiste::~FPiste() = default;

}  // namespace tulvane::player
