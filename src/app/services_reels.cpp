#include "app/services_reels.h"

#include "components/cdio_cd_device.h"
#include "components/no_cd_device.h"
#include "components/qt_file_work.h"
#include "components/qt_media_player.h"
#include "components/settings_store.h"
#include "platform/qt_dialog_service.h"
#include "platform/tray_icon.h"

namespace tulvane::app {

Services servicesReels(const QString& dossierProgramme)
{
    Services services;
    services.creerLecteur = [] { return std::make_unique<components::QtMediaPlayer>(); };
    services.reglages = std::make_unique<components::QtSettingsStore>();
    services.fwork = std::make_unique<components::QtFileWork>(*services.reglages);
    services.dialogues = std::make_unique<platform::QtDialogService>();
    // A drive with no disc in it is the libcdio device's to watch: the panel asks for a disc
    // until one comes. A machine without a drive has nothing to watch.
    if (const QString lecteur = components::CdioCdDevice::lecteurParDefaut(); !lecteur.isEmpty())
        services.cd = std::make_unique<components::CdioCdDevice>(lecteur);
    else
        services.cd = std::make_unique<components::NoCdDevice>();
    services.zoneNotificationDisponible = platform::TrayIcon::isAvailable;
    services.dossierProgramme = dossierProgramme;
    return services;
}

}  // namespace tulvane::app
