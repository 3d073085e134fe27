#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QMimeData;

namespace tulvane::app {
class Contexte;
}

namespace tulvane::player {

class ControleImage;

// The player window: a frameless window cut from its skin, with click areas over the
// skin's painted buttons, the display labels, the position bar and the volume slider.
class FInterface : public QWidget {
public:
    explicit FInterface(app::Contexte& contexte);
    ~FInterface() override;

    // The skin, the drop target for files and the handle that moves the window.
    ControleImage* Picture1;

    QLabel* Label2;     // title
    QLabel* Label3;     // total time
    QLabel* Label4;     // elapsed time
    QLabel* Label5;     // volume level
    QLabel* Label6;     // remaining time
    QLabel* Label10;    // audio quality of the current row
    QLabel* Label11;    // artist and title of the current row
    QLabel* Label12;    // album and genre of the current row
    QLabel* Label13;    // the empty-list notice's text
    QLabel* vPistes;    // track counter
    QLabel* vMSGpetit;  // hint line

    ControleImage* ImgEtat;  // state icon
    ControleImage* Image1;   // position bar
    ControleImage* Image4;   // position cursor
    ControleImage* Image5;   // volume track
    ControleImage* Image2;   // volume knob

    ControleImage* BTN1;
    ControleImage* BTN3;
    ControleImage* BTN4;
    ControleImage* BTN5;
    ControleImage* BTN6;
    ControleImage* BTN7;
    ControleImage* BTN8;
    ControleImage* BTN9;
    ControleImage* BTN11;
    ControleImage* BTN12;
    ControleImage* BTN13;
    // The transport buttons: 0 play, 3 stop, 4 pause, 5 mute; 1 and 2 are not used.
    std::array<ControleImage*, 6> BTNcmd{};

    QWidget* Picture2;  // the empty-list notice over the display
    QTimer Timer1;      // the heartbeat

    bool vGlisserVolume = false;

    // Start of the window, run once while it is still hidden.
    void Form_Load();
    // The window became active: the splash or the About box goes.
    void Form_Activate();

    void Timer1_Timer();

    void BTN1_Click();
    void BTN3_Click();
    void BTN4_Click();
    void BTN5_Click();
    void BTN6_Click();
    void BTN8_Click();
    void BTN11_Click();
    void BTN12_Click();
    void BTN12_DblClick();
    void BTN13_Click();
    void BTN13_DblClick();
    void BTNcmd_Click(int Index);

    void Image1_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Image5_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Image5_MouseMove(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Image5_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Picture1_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Picture1_MouseMove(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Picture1_MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Picture1_OLEDragDrop(const QMimeData& Data);

    // Starts a move of the window with the pointer, until the button is released.
    void fnDeplacerFen();

    // The mute button's picture: sound on or muted.
    void afficherSilence(bool muet);
    bool silenceAffiche() const { return silenceAffiche_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void creerControles();
    void fnFormerFenetre();
    void fnInitCD();
    void finirDemarrage();

    app::Contexte& ctx_;
    // The state icons (stopped, paused, playing) and the mute pictures (sound on, muted).
    std::array<QPixmap, 3> Icn;
    std::array<QPixmap, 2> SND;
    bool silenceAffiche_ = false;
    // A press on the inactive window stood for its activation, which is yet to come.
    bool activeParPression_ = false;
    // Where the pointer took the skin when the window manager cannot move the window itself.
    std::optional<QPointF> prise_;
};

}  // namespace tulvane::player
