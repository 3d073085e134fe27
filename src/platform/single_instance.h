#pragma once

#include <QString>

namespace tulvane::platform {

// Tells whether another instance of the program already runs for this user. The first
// instance holds a lock on a file of the user's runtime folder for as long as this object
// lives; the system releases it when the process ends, however it ends, so whatever a
// dead instance left behind never stops a start, and no leftover under the lock's name
// lets a second instance start beside the first.
class SingleInstance {
public:
    explicit SingleInstance(const QString& folder = runtimeFolder());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another process holds the lock: this one should end at once, silently.
    // When no lock can be tried at all (no runtime folder), the program runs.
    bool anotherInstanceRunning() const { return anotherRunning_; }

    static QString runtimeFolder();

private:
    int lock_ = -1;
    bool anotherRunning_ = false;
};

}  // namespace tulvane::platform
