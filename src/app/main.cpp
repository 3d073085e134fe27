#include "app/contexte.h"
#include "platform/no_cd_device.h"
#include "platform/qt_dialog_service.h"
#include "platform/qt_media_player.h"
#include "platform/settings_store.h"
#include "player/fstart.h"
#include "playlist/qt_file_work.h"

#include <QApplication>

namespace {

// The data files live beside the executable unless the user points elsewhere, for an
// install folder that is read-only.
QString dossierProgramme()
{
    const QString choisi = qEnvironmentVariable("TULVANE_DOSSIER");
    return choisi.isEmpty() ? QCoreApplication::applicationDirPath() : choisi;
}

}  // namespace

int main(int argc, char** argv)
{
    tulvane::platform::prepareMediaBackend();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tulvane");
    // The player lives on in the tray with no window shown; a message box closing then
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace tulvane;
    app::Services services;
    services.creerLecteur = [] { return std::make_unique<platform::QtMediaPlayer>(); };
    services.reglages = std::make_unique<platform::QtSettingsStore>();
    services.fwork = std::make_unique<playlist::QtFileWork>(*services.reglages);
    services.dialogues = std::make_unique<platform::QtDialogService>();
    services.cd = std::make_unique<platform::NoCdDevice>();
    services.dossierProgramme = dossierProgramme();

    app::Contexte contexte(std::move(services));
    // The splash starts everything else; a second instance ends here, silently.
    if (contexte.fStart().autreInstance())
        return 0;
    return QApplication::exec();
}
