#pragma once

#include <QFile>
#include <QString>

#include <climits>
#include <filesystem>

namespace tulvane::platform {

// A path as the system spells it, for the code that works on std::filesystem paths. A text
// longer than any path the system opens names no file: it is not converted, which would copy
// a huge field of a play list on every beat of the timers.
inline std::filesystem::path cheminSysteme(const QString& chemin)
{
    if (chemin.size() > PATH_MAX)
        return {};
    return std::filesystem::path(QFile::encodeName(chemin).toStdString());
}

}  // namespace tulvane::platform
