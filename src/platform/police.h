#pragma once

#include <QFont>

#include <algorithm>

namespace tulvane::platform {

// The face the windows' fixed-size boxes were made for: small and narrow.
inline QFont policeCompacte(QFont police)
{
    police.setPointSizeF(std::min(police.pointSizeF(), 7.5));
    police.setStretch(QFont::SemiCondensed);
    return police;
}

}  // namespace tulvane::platform
