#pragma once

#include <QLockFile>
#include <QString>

namespace tulvane::platform {

// Tells whether another instance of the program already runs for this user. The first
// instance holds a lock file in the user's runtime folder for as long as this object lives;
// a lock left by a process that died is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& folder = runtimeFolder());

    // True when another process holds the lock: this one should end at once, silently.
    // When the lock cannot be tried at all (no runtime folder), the program runs.
    bool anotherInstanceRunning() const { return anotherRunning_; }

    static QString runtimeFolder();

private:
    QLockFile lock_;
    bool anotherRunning_ = false;
};

}  // namespace tulvane::platform
