#include "player/region_visible.h"

namespace tulvane::player {

std::vector<QRect> fnCreerRegion(const QImage& image)
{
    std::vector<QRect> rectangles;
    if (image.isNull())
        return rectangles;
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const int largeur = pixels.width();
    const QRgb cle = pixels.pixel(0, 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int debut = -1;
        for (int x = 0; x <= largeur; ++x) {
            const bool visible = x < largeur && ligne[x] != cle;
            if (visible && debut < 0) {
                debut = x;
            } else if (!visible && debut >= 0) {
                rectangles.emplace_back(debut, y, x - debut, 1);
                debut = -1;
            }
        }
    }
    return rectangles;
}

}  // namespace tulvane::player
