#pragma once

#include "app/contexte.h"

namespace tulvane::app {

// The real components and services: Qt Multimedia players, the settings store, the file
// utility, Qt dialogs, and no CD drive until the CD backend comes.
Services servicesReels(const QString& dossierProgramme);

}  // namespace tulvane::app
