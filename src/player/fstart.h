#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace tulvane::app {
class Contexte;
}

namespace tulvane::player {

// The splash shown while the program loads, shown again later as the About box.
class FStart : public QWidget {
public:
    explicit FStart(app::Contexte& contexte);
    ~FStart() override;

    QLabel* Label2;        // the version
    QLabel* Label1;        // the blinking loading notice
    QPushButton* Command1;  // "Fermer", in the About box only
    QTimer Timer1;         // loads the player window, once
    QTimer Timer2;         // the blink

    // Shows the splash, unless another instance of the program runs: then nothing shows
    // and `autreInstance` tells the program to end.
    void Form_Load();
    bool autreInstance() const { return autreInstance_; }

    void Timer1_Timer();
    void Timer2_Timer();
    void Command1_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    app::Contexte& ctx_;
    bool autreInstance_ = false;
};

// The About box: the splash again, still, with its close button.
void afficherAPropos(app::Contexte& contexte);

}  // namespace tulvane::player
