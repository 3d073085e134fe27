#pragma once

#include <QStringList>

class QMimeData;

namespace tulvane::platform {

// The local files carried by dropped data, in the order of its list, with the platform's
// separators; none when the data carries no file list.
QStringList droppedLocalPaths(const QMimeData* mime);

}  // namespace tulvane::platform
