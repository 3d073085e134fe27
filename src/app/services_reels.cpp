#include "app/services_reels.h"

#include "platform/no_cd_device.h"
#include "platform/qt_dialog_service.h"
#include "platform/qt_media_player.h"
#include "platform/settings_store.h"
#include "playlist/qt_file_work.h"

namespace tulvane::app {

Services servicesReels(const QString& dossierProgramme)
{
    Services services;
    services.creerLecteur = [] { return std::make_unique<platform::QtMediaPlayer>(); };
    services.reglages = std::make_unique<platform::QtSettingsStore>();
    services.fwork = std::make_unique<playlist::QtFileWork>(*services.reglages);
    services.dialogues = std::make_unique<platform::QtDialogService>();
    services.cd = std::make_unique<platform::NoCdDevice>();
    services.dossierProgramme = dossierProgramme;
    return services;
}

}  // namespace tulvane::app
