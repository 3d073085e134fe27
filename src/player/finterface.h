#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QListWidget;
class QMimeData;
class QRadioButton;

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
    // Shows the window, modeless, and makes it the active one.
    void afficher();

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

    // ---- CD mode: the CD panel over the display, its fields kept by the CD device's status
    // updates, the door commands, and the covers over the controls CD mode does not use.
    ControleImage* Picture3;
    QLabel* Label14;  // "Lecteur CD Audio"
    QLabel* Label15;  // "Piste no. :"
    QLabel* Label16;  // track field: current track / track count
    QLabel* Label17;  // "Temps :"
    QLabel* Label18;  // time field: minutes and seconds into the track
    QLabel* Label19;  // "Ejecter le CD"
    QLabel* Label20;  // the request for a disc
    QLabel* Label22;  // "Fermer le CD"
    ControleImage* Image6;
    ControleImage* ImgCache;   // over the position bar and its skips
    ControleImage* ImgCache2;  // over the volume track
    QTimer Timer2;             // the disc or no-disc display, while CD mode is on

    void MMControl1_StatusUpdate();
    void Timer2_Timer();
    void BTN7_Click();
    void Label19_Click();
    void Label22_Click();

    // Web radio (finterface_radio.cpp): the radio panel over the display, the radio button,
    // tuning and the status timer.
    QWidget* Picture4;
    QListWidget* Combo1;                     // the station names, in the station table's order
    std::array<QRadioButton*, 2> Option1{};  // "Canal 1", "Canal 2": the address a tuning takes
    QLabel* Label23;                         // the status line
    QLabel* Label24;                         // the panel's title
    ControleImage* ImgCache3;                // over the position bar while radio mode is on
    QTimer Timer3;                           // the radio status, while radio mode is on
    void BTN9_Click();
    void Combo1_DblClick();
    void Timer3_Timer();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void creerControles();
    void creerPanneauCD();
    void fnFormerFenetre();
    void fnInitCD();
    // The transport buttons while CD mode is on.
    void BTNcmd_ClickCD(int Index);
    // The first steps of turning the CD or the radio mode on, and off: the mode's timer, the
    // volume label, the play-list window, the refused pointers of BTN1 and of the other mode's
    // button, the flag, the panel, the heartbeat and the file player.
    void entrerMode(QTimer& minuterie, QWidget& autreMode, bool& drapeau, QWidget& panneau);
    void quitterMode(QTimer& minuterie, QWidget& autreMode);
    void creerPanneauRadio();  // finterface_radio.cpp

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
