#pragma once

namespace tulvane::platform {

// Shows the hourglass pointer for its lifetime. Guards nest: the pointer comes back when the
// outermost one ends.
class Hourglass {
public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

}  // namespace tulvane::platform
