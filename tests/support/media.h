#pragma once

#include "support/bytes.h"

#include <string>

namespace tulvane::test {

// A 128 kbit/s joint-stereo MP3 start (a frame and the next sync 417 bytes later), padded
// to `taille` bytes, with an ID3v1 tag at the end: album "Album", year 1999, comment
// "Un commentaire", genre Rock.
Bytes mp3Tague(std::size_t taille, const std::string& auteur, const std::string& titre);

}  // namespace tulvane::test
