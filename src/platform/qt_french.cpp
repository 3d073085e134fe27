#include "platform/qt_french.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tulvane::platform {

bool installQtFrench(QCoreApplication& application)
{
    auto* catalogue = new QTranslator(&application);
    if (!catalogue->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete catalogue;
        return false;
    }
    return QCoreApplication::installTranslator(catalogue);
}

}  // namespace tulvane::platform
