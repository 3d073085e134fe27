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

// The n-th name the lock is looked for under: "tulvane.lock", "tulvane-2.lock", ...
QString lockName(int n)
{
    return n == 1 ? QStringLiteral("tulvane.lock") : QStringLiteral("tulvane-%1.lock").arg(n);
}

bool somethingIsThere(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

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
    // A name that cannot hold a lock (a folder, a pipe, a link or a foreign file left there)
    // gives way to the next one. Every instance walks the same names, so they meet at the
    // first one that can; however many names are taken, the walk ends at the first free one.
    for (int n = 1;; ++n) {
        const QString path = folder + QLatin1Char('/') + lockName(n);
        const int fd = openLockFile(path);
        if (fd < 0) {
            if (somethingIsThere(path))
                continue;
            return;  // no file can be made in this folder: nothing to tell by, the program runs
        }
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
