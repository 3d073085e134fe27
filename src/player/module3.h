#pragma once

#include <QString>

namespace tulvane::app {
class Contexte;
}

namespace tulvane::components {
class MediaPlayer;
struct PlayError;
}

namespace tulvane::player {

// The player commands every transport control ends in, the current-row marking, the time
// labels and the step to the next file at the end of a track.
class Module3 {
public:
    explicit Module3(app::Contexte& contexte);

    void fnLecture();
    void fnPause();
    void fnArret();
    void fnRetourRapide(double vfnPas);
    void fnAvanceRapide(double vfnPas);
    void fnSilence();
    int fnMarquerPiste();
    void fnAfficherTemps();
    void fnPisteSuivante();

    // Previous and next row of the list, round and round; a stopped player only loads it.
    void fnPrecedente();
    void fnSuivante();

    // The file player failed to play its file, now or later in the background.
    void surEchecLecture(const components::PlayError& erreur);

    // Opens the single-file tag editor on a file, unless the file player holds it.
    void fnEditerTag(const QString& vfnAdresse);

private:
    components::MediaPlayer& piste();
    void chargerLigne(int ligne);

    app::Contexte& ctx_;
};

}  // namespace tulvane::player
