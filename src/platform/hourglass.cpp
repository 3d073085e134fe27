#include "platform/hourglass.h"

#include <QCursor>
#include <QGuiApplication>

namespace tulvane::platform {

Hourglass::Hourglass()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

Hourglass::~Hourglass()
{
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace tulvane::platform
