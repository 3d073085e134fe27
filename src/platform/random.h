#pragma once

#include <cstdint>

namespace tulvane::platform {

// The process-wide pseudo-random generator: uniform values in [0, 1), never seeded,
// so every run draws the same sequence. Everyone who draws moves it on.
class Aleatoire {
public:
    double suivant();

private:
    std::uint32_t etat_ = 0x50000;
};

}  // namespace tulvane::platform
