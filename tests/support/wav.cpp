#include "support/wav.h"

#include <cmath>

namespace tulvane::test {

namespace {

void put16(Bytes& b, std::size_t at, unsigned v)
{
    put(b, at, bytes({int(v & 0xFF), int(v >> 8 & 0xFF)}));
}

void put32(Bytes& b, std::size_t at, unsigned v)
{
    put(b, at, bytes({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24 & 0xFF)}));
}

}  // namespace

Bytes toneWav(double seconds)
{
    constexpr unsigned rate = 44100;
    const auto samples = static_cast<unsigned>(seconds * rate);
    Bytes b = bytesOf("RIFF....WAVEfmt ");
    put32(b, 4, 36 + samples * 2);
    put32(b, 16, 16);
    put16(b, 20, 1);
    put16(b, 22, 1);
    put32(b, 24, rate);
    put32(b, 28, rate * 2);
    put16(b, 32, 2);
    put16(b, 34, 16);
    put(b, 36, bytesOf("data"));
    put32(b, 40, samples * 2);
    for (unsigned i = 0; i < samples; ++i)
        put16(b, 44 + 2 * i, static_cast<unsigned>(static_cast<int>(8000 * std::sin(i * 0.0627)) & 0xFFFF));
    return b;
}

}  // namespace tulvane::test
