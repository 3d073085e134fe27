#include "platform/window_region.h"

#include <QWidget>

namespace tulvane::platform {

void WindowRegion::addRun(int y, int left, int right)
{
    region_ += QRect(left, y, right - left, 1);
}

void applyWindowRegion(QWidget& window, const QRegion& region)
{
    if (region.isEmpty())
        window.clearMask();
    else
        window.setMask(region);
    window.update();
}

}  // namespace tulvane::platform
