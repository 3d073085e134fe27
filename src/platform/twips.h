#pragma once

// Window geometry is given in twips: 15 twips per pixel at 96 dpi. Qt scales logical
// pixels for high-dpi screens, so this one factor holds everywhere.
namespace tulvane::platform {

constexpr int kTwipsParPixel = 15;

constexpr int twipsEnPixels(int twips)
{
    // Round to nearest, halves away from zero, as the window system does.
    return twips >= 0 ? (twips + kTwipsParPixel / 2) / kTwipsParPixel
                      : -((-twips + kTwipsParPixel / 2) / kTwipsParPixel);
}

constexpr int pixelsEnTwips(int pixels)
{
    return pixels * kTwipsParPixel;
}

}  // namespace tulvane::platform
