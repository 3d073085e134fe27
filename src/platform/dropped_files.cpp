#include "platform/dropped_files.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace tulvane::platform {

QStringList droppedLocalPaths(const QMimeData* mime)
{
    QStringList paths;
    if (mime == nullptr || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(QDir::toNativeSeparators(url.toLocalFile()));
    }
    return paths;
}

}  // namespace tulvane::platform
