#pragma once

#include <QWidget>

class QLabel;

namespace tulvane::app {
class Contexte;
}

namespace tulvane::player {

// The player window. Its labels are written by the player commands and by the play-list
// window's timer.
class FInterface : public QWidget {
public:
    explicit FInterface(app::Contexte& contexte);
    ~FInterface() override;

    QLabel* Label2;   // title
    QLabel* Label3;   // total time
    QLabel* Label4;   // elapsed time
    QLabel* Label6;   // remaining time
    QLabel* Label10;  // audio quality of the current row
    QLabel* Label11;  // artist and title of the current row
    QLabel* Label12;  // album and genre of the current row
    QLabel* vPistes;  // track counter

    // The mute button's picture: sound on or muted.
    void afficherSilence(bool muet);
    bool silenceAffiche() const { return silenceAffiche_; }

private:
    app::Contexte& ctx_;
    bool silenceAffiche_ = false;
};

}  // namespace tulvane::player
