#include "platform/window_region.h"

#include <QWidget>

#include <gtest/gtest.h>

using tulvane::platform::WindowRegion;
using tulvane::platform::applyWindowRegion;

namespace {

// The region drawn as rows of '#' (inside) and '.' (outside) over a small frame.
std::vector<std::string> picture(const QRegion& region, int width, int height)
{
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += region.contains(QPoint(x, y)) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(WindowRegion, IsTheUnionOfItsOneRowRuns)
{
    WindowRegion shape;
    shape.addRun(0, 2, 5);
    shape.addRun(1, 0, 3);
    shape.addRun(1, 4, 7);  // reaches the right edge of a 7-pixel row
    shape.addRun(2, 3, 4);
    shape.addRun(2, 4, 6);  // touches the run before it
    shape.addRun(4, 0, 7);  // row 3 has no run
    EXPECT_FALSE(shape.isEmpty());
    EXPECT_EQ(picture(shape.region(), 8, 6), (std::vector<std::string>{
                                                 "..###...",
                                                 "###.###.",
                                                 "...###..",
                                                 "........",
                                                 "#######.",
                                                 "........",
                                             }));
    EXPECT_EQ(shape.region().boundingRect(), QRect(0, 0, 7, 5));
}

TEST(WindowRegion, WithoutRunsIsEmptyAndLeavesTheWindowRectangular)
{
    QWidget window;
    window.setMask(QRegion(0, 0, 3, 3));
    const WindowRegion none;
    EXPECT_TRUE(none.isEmpty());
    applyWindowRegion(window, none.region());
    EXPECT_TRUE(window.mask().isEmpty());
}

TEST(WindowRegion, BecomesTheWindowsMask)
{
    WindowRegion shape;
    for (int y = 3; y <= 314; ++y)
        shape.addRun(y, 4, 325);
    QWidget window;
    window.resize(329, 317);
    applyWindowRegion(window, shape.region());
    EXPECT_EQ(window.mask(), shape.region());
    EXPECT_EQ(window.mask().boundingRect(), QRect(4, 3, 321, 312));
}
