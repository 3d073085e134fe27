#include "player/habillage.h"
#include "player/region_visible.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using tulvane::player::fnCreerRegion;

namespace {

// A picture drawn as rows of characters: '.' the key colour (taken from the top-left
// character), 'x' red, 'o' blue.
QImage dessin(const std::vector<std::string>& lignes)
{
    QImage image(static_cast<int>(lignes[0].size()), static_cast<int>(lignes.size()), QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const char c = lignes[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            image.setPixel(x, y, c == '.' ? qRgb(255, 0, 255) : c == 'x' ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
        }
    return image;
}

TEST(FnCreerRegion, AllKeyColourGivesNoRegion)
{
    EXPECT_TRUE(fnCreerRegion(dessin({"....", "....", "...."})).empty());
}

TEST(FnCreerRegion, OneRectanglePerRunEndingAtTheRowsEdge)
{
    const auto rectangles = fnCreerRegion(dessin({
        "......",
        "..xxxx",  // reaches the right edge: it ends there
        "ox..ox",  // two runs, any colour but the key's
        "xxxxxx",  // the last row is kept
    }));
    EXPECT_EQ(rectangles, (std::vector<QRect>{QRect(2, 1, 4, 1), QRect(0, 2, 2, 1), QRect(4, 2, 2, 1),
                                              QRect(0, 3, 6, 1)}));
}

TEST(FnCreerRegion, TheKeyIsWhateverTheTopLeftPixelHas)
{
    const auto rectangles = fnCreerRegion(dessin({"x..", "xx."}));
    EXPECT_EQ(rectangles, (std::vector<QRect>{QRect(1, 0, 2, 1), QRect(2, 1, 1, 1)}));
}

TEST(FnCreerRegion, TheShippedSkinGivesOneRectangleForEachRowFromThreeTo314)
{
    const QImage& habillage = tulvane::player::imageHabillage();
    ASSERT_EQ(habillage.size(), QSize(329, 317));
    EXPECT_EQ(habillage.format(), QImage::Format_RGB888);
    EXPECT_EQ(habillage.pixel(0, 0), tulvane::player::kCouleurCle);

    const auto rectangles = fnCreerRegion(habillage);
    ASSERT_EQ(rectangles.size(), 312u);
    for (std::size_t i = 0; i < rectangles.size(); ++i) {
        const QRect& r = rectangles[i];
        EXPECT_EQ(r.top(), static_cast<int>(i) + 3);
        EXPECT_EQ(r.height(), 1);
        EXPECT_GT(r.left(), 0);
        EXPECT_LT(r.right(), 328);
    }
}

}  // namespace
