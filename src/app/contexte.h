#pragma once

#include "platform/random.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace tulvane::platform {
class DialogService;
class SingleInstance;
}
namespace tulvane::components {
class CdDevice;
class FileWork;
class MediaPlayer;
class SettingsStore;
}
namespace tulvane::playlist {
class FListe;
}
namespace tulvane::player {
class FInterface;
class FPiste;
class FStart;
class FSYS;
class Module3;
}

namespace tulvane::app {

// The outside components and platform services, real in the program, fakes in tests.
struct Services {
    // Out of line, where the components' types are complete.
    Services();
    ~Services();
    Services(Services&&) noexcept;
    Services& operator=(Services&&) noexcept;

    std::function<std::unique_ptr<components::MediaPlayer>()> creerLecteur;
    std::unique_ptr<components::SettingsStore> reglages;
    std::unique_ptr<components::FileWork> fwork;  // may use `reglages`, so it is declared after it
    std::unique_ptr<platform::DialogService> dialogues;
    std::unique_ptr<components::CdDevice> cd;
    QString dossierProgramme;  // where "Colonnes.dat", "Favoris.dat" and "Radios.sys" live
    QString dossierVerrou;     // where the running instance leaves its lock; "" for the user's runtime folder
    // Whether the desktop shows icons in a notification area.
    std::function<bool()> zoneNotificationDisponible;
};

// Everything that lives as long as the process: the services, the variables the modules
// share, and the windows, each created the first time it is used.
class Contexte {
public:
    explicit Contexte(Services services);
    ~Contexte();
    Contexte(const Contexte&) = delete;
    Contexte& operator=(const Contexte&) = delete;

    components::FileWork& FWork1() { return *services_.fwork; }
    platform::DialogService& dialogues() { return *services_.dialogues; }
    components::SettingsStore& reglages() { return *services_.reglages; }
    components::CdDevice& cd() { return *services_.cd; }
    platform::Aleatoire& aleatoire() { return aleatoire_; }
    const QString& dossierProgramme() const { return services_.dossierProgramme; }
    QString cheminProgramme(const QString& nomFichier) const;

    player::FPiste& fPiste();
    playlist::FListe& fListe();
    player::FInterface& fInterface();
    player::Module3& module3();
    player::FSYS& fSYS();

    // A hidden player window comes back only through the tray icon: without a notification
    // area it is minimised instead.
    bool zoneNotificationDisponible() const { return services_.zoneNotificationDisponible(); }

    // The splash, loaded (its load shown) on first use after each unload.
    player::FStart& fStart();
    bool fStartCharge() const { return fStart_ != nullptr; }
    void dechargerFStart();

    // Whether another instance of the program runs; this one keeps its lock for its life.
    bool autreInstance();

    // Shared state of the modules.
    int vEtat = 0;        // 0 stopped, 1 paused, 2 playing
    int vIndexPiste = 0;  // 1-based row of the file player's file, 0 for none
    int vVolume = 10;     // attenuation steps, 20 minus the level shown
    bool vModeCD = false;
    bool vModeRadio = false;
    QString vAdresseListe;
    QString vNomListe;
    QStringList vExtensions;

private:
    Services services_;
    platform::Aleatoire aleatoire_;
    std::unique_ptr<player::Module3> module3_;
    std::unique_ptr<player::FPiste> fPiste_;
    std::unique_ptr<player::FInterface> fInterface_;
    std::unique_ptr<playlist::FListe> fListe_;
    std::unique_ptr<player::FSYS> fSYS_;
    std::unique_ptr<platform::SingleInstance> instance_;
    std::unique_ptr<player::FStart> fStart_;
    // An unloaded splash may still be inside the handler that unloaded it: it goes at the
    // next unload, or with the context.
    std::unique_ptr<player::FStart> fStartDecharge_;
};

}  // namespace tulvane::app
