#pragma once

#include <QImage>
#include <QRect>

#include <vector>

namespace tulvane::player {

// The visible part of a picture: one rectangle a pixel high for each maximal run, in each
// row from left to right, of pixels unlike the top-left pixel's colour; rows from top to
// bottom. None when every pixel has that colour.
std::vector<QRect> fnCreerRegion(const QImage& image);

}  // namespace tulvane::player
