#include "platform/hourglass.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

using tulvane::platform::Hourglass;

namespace {

std::optional<Qt::CursorShape> pointer()
{
    if (const QCursor* cursor = QGuiApplication::overrideCursor())
        return cursor->shape();
    return std::nullopt;
}

}  // namespace

TEST(Hourglass, NestsAndGivesBackThePointerThatWasThere)
{
    ASSERT_EQ(pointer(), std::nullopt);
    QGuiApplication::setOverrideCursor(QCursor(Qt::PointingHandCursor));
    {
        Hourglass outer;
        EXPECT_EQ(pointer(), Qt::WaitCursor);
        {
            Hourglass inner;
            EXPECT_EQ(pointer(), Qt::WaitCursor);
        }
        EXPECT_EQ(pointer(), Qt::WaitCursor);
    }
    EXPECT_EQ(pointer(), Qt::PointingHandCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(pointer(), std::nullopt);
}
