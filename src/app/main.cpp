#include "app/services_reels.h"
#include "components/qt_media_player.h"
#include "platform/qt_french.h"
#include "player/fstart.h"

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
    tulvane::components::prepareMediaBackend();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tulvane");
    if (!tulvane::platform::installQtFrench(application))
        qWarning("Catalogue français de Qt introuvable (paquet qt6-translations-l10n) : "
                 "les boîtes de dialogue standard resteront en anglais.");
    // The player lives on in the tray with no window shown; a message box closing then
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace tulvane;
    app::Contexte contexte(app::servicesReels(dossierProgramme()));
    // The splash starts everything else; a second instance ends here, silently.
    if (contexte.fStart().autreInstance())
        return 0;
    return QApplication::exec();
}
