#pragma once

#include "app/contexte.h"
#include "fakes/fake_cd_device.h"
#include "fakes/fake_media_player.h"
#include "fakes/memory_settings.h"
#include "fakes/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <QString>
#include <QUrl>

#include <memory>

namespace tulvane::test {

// A whole program context over fakes: scripted dialogs, fake players whose clock the test
// advances, settings in memory, the real file-utility component, and a temporary program
// folder that also holds the test's media files. A test that needs them takes the real
// media players or the real settings store instead.
class ContexteDeTest {
public:
    struct Reels {
        bool lecteurs = false;  // Qt Multimedia players: piste() and piste2() are then not there
        bool reglages = false;  // the settings file under $XDG_CONFIG_HOME: reglages() is then not there
    };

    ContexteDeTest();
    explicit ContexteDeTest(Reels reels);
    ~ContexteDeTest();

    app::Contexte& ctx() { return *contexte_; }
    ScriptedDialogs& dialogues() { return *dialogues_; }
    FakeMediaPlayer& piste();   // the file player, created with the host form on first use
    FakeMediaPlayer& piste2();  // the radio player
    MemorySettingsStore& reglages() { return *reglages_; }
    const TempFolder& dossier() const { return dossier_; }
    // Whether the desktop is said to show a notification area; not at first, as offscreen.
    void setZoneNotification(bool disponible) { zoneNotification_ = disponible; }

    // A file of the given size (bytes of zeros) in the temporary folder; returns its path.
    QString fichier(const QString& nom, std::size_t taille = 2000);

    // A file of the temporary folder whose name holds bytes that are not UTF-8 ("caf\xE9.wav",
    // as old collections have them): its path as Qt gives it, and its address as a file
    // manager drops it.
    struct FichierNonUtf8 {
        QString chemin;
        QUrl adresse;
    };
    FichierNonUtf8 fichierNonUtf8(const std::string& nom);

private:
    TempFolder dossier_;
    ScriptedDialogs* dialogues_ = nullptr;
    MemorySettingsStore* reglages_ = nullptr;
    FakeMediaPlayer* lecteurs_[2] = {nullptr, nullptr};
    int lecteursCrees_ = 0;
    bool zoneNotification_ = false;
    std::unique_ptr<app::Contexte> contexte_;
};

}  // namespace tulvane::test
