#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

class QAction;
class QMenu;

namespace tulvane::app {
class Contexte;
}
namespace tulvane::platform {
class ListView;
class TrayIcon;
}

namespace tulvane::player {

// The hidden tray form: the program's icon in the notification area and its menu, the
// station table, and the timers that finish the start-up and end the process. It is never
// shown; it loads with the first use of its station table, and its timers start then.
class FSYS : public QWidget {
public:
    explicit FSYS(app::Contexte& contexte);
    ~FSYS() override;

    // One row per station in file order: the name, then the addresses of channels 1 and 2.
    // The selected row is the station tuned last.
    platform::ListView* ListeRadios;

    QTimer Timer4;  // adds the icon, once
    QTimer Timer2;  // finishes the start-up, once
    QTimer Timer5;  // removes the icon, enabled by the quit
    QTimer Timer1;  // ends the process, enabled by the quit

    QMenu* Menu;  // the icon's pop-up menu
    // The entry of that name ("interface", "toujour_premier_plan", "Arrêter"...), null for none.
    QAction* menu(const QString& nom) const;

    // How the pop-up menu is shown, returning when it has closed: at the pointer, by default.
    std::function<void(QMenu& menu)> montrerMenu;

    void Timer4_Timer();
    void Timer2_Timer();
    void Timer5_Timer();
    void Timer1_Timer();

    // The icon's mouse message, numbered as the window messages: 515 a double click of the
    // left button, 517 the right button released.
    void Form_MouseMove(int message);
    int dernierMessage() const { return dernierMessage_; }
    const platform::TrayIcon& icone() const { return *icone_; }

    void interface_Click();
    void toujour_premier_plan_Click();
    void volumes_Click();
    void Arrêter_Click();
    void A_propos_Click();
    void Quitter_Click();

private:
    void creerMenu();

    app::Contexte& ctx_;
    platform::TrayIcon* icone_;
    // While the first message's action runs (the menu waits inside it), later ones are dropped.
    bool occupe_ = false;
    int dernierMessage_ = 0;
};

}  // namespace tulvane::player
