#include "platform/single_instance.h"

#include <QStandardPaths>

namespace tulvane::platform {

SingleInstance::SingleInstance(const QString& folder)
    : lock_(folder + QStringLiteral("/tulvane.lock"))
{
    // The lock lasts as long as the program, however long: only a dead owner makes it stale.
    lock_.setStaleLockTime(0);
    anotherRunning_ = !lock_.tryLock(0) && lock_.error() == QLockFile::LockFailedError;
}

QString SingleInstance::runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

}  // namespace tulvane::platform
