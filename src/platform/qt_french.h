#pragma once

class QCoreApplication;

namespace tulvane::platform {

// Installs Qt's own French catalogue in the application, whatever the user's locale: the
// interface is French by design, the standard dialogs and buttons too. Returns false when
// the catalogue is not installed; Qt's English then shows.
bool installQtFrench(QCoreApplication& application);

}  // namespace tulvane::platform
