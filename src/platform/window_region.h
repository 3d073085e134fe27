#pragma once

#include <QRegion>

class QWidget;

namespace tulvane::platform {

// The visible area of a frameless window, built from runs of pixels one row high joined by
// union. Runs are expected top to bottom and left to right, which Qt appends cheaply.
class WindowRegion {
public:
    // Columns left to right - 1 of row y.
    void addRun(int y, int left, int right);

    const QRegion& region() const { return region_; }
    bool isEmpty() const { return region_.isEmpty(); }

private:
    QRegion region_;
};

// Gives the window its shape and repaints it; an empty region leaves it rectangular.
void applyWindowRegion(QWidget& window, const QRegion& region);

}  // namespace tulvane::platform
