#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace tulvane::platform {

// A path as the system spells it, for the code that works on std::filesystem paths.
inline std::filesystem::path cheminSysteme(const QString& chemin)
{
    return std::filesystem::path(QFile::encodeName(chemin).toStdString());
}

}  // namespace tulvane::platform
