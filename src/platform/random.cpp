#include "platform/random.h"

namespace tulvane::platform {

// A 24-bit linear congruential generator: cheap, repeatable from run to run.
double Aleatoire::suivant()
{
    etat_ = (etat_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<double>(etat_) / 16777216.0;
}

}  // namespace tulvane::platform
