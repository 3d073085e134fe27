#include "platform/single_instance.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tulvane::platform {

namespace {

// Tried in this order. A name that cannot hold a lock (a folder, a pipe or a link left
// there) gives way to the next; every instance walks the same list, so they still meet.
constexpr const char* kLockNames[] = {"tulvane.lock", "tulvane-2.lock", "tulvane-3.lock"};

// An open regular file at `path`, created when missing; -1 when there is none to be had.
// Not passed on to the programs the instance starts: they would keep the lock after it.
int openLockFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder)
{
    for (const char* name : kLockNames) {
        const int fd = openLockFile(folder + QLatin1Char('/') + QLatin1String(name));
        if (fd < 0)
            continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            lock_ = fd;
            return;
        }
        anotherRunning_ = errno == EWOULDBLOCK;
        ::close(fd);
        // A file system without locks leaves nothing to tell by: the program runs.
        return;
    }
}

SingleInstance::~SingleInstance()
{
    // The file stays: were it removed, an instance opening it at that moment would lock a
    // file that no later instance finds.
    if (lock_ >= 0)
        ::close(lock_);
}

QString SingleInstance::runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

}  // namespace tulvane::platform
