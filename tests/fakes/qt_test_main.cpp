// GoogleTest main for the Qt tests: one QApplication for the whole run, offscreen, with a
// private runtime folder when CTest has not given one (test discovery runs without it), and
// Qt's French catalogue as the program has it, so that tests see the real captions.
#include "platform/qt_french.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + "/tulvane-tests-runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("tulvane-tests");
    tulvane::platform::installQtFrench(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
