#pragma once

#include "support/bytes.h"

namespace tulvane::test {

// A WAV file of a mono 44.1 kHz 16-bit PCM tone lasting `seconds`.
Bytes toneWav(double seconds);

}  // namespace tulvane::test
