#pragma once

#include "app/contexte.h"

namespace tulvane::app {

// The real components and services: Qt Multimedia players, the settings store, the file
// utility, Qt dialogs, and the CD drive on libcdio (or none, on a machine without one).
Services servicesReels(const QString& dossierProgramme);

}  // namespace tulvane::app
