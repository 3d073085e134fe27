#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

namespace tulvane::app {
class Contexte;
}
namespace tulvane::platform {
class ListView;
}

namespace tulvane::tools {

// The favourites manager: its rows (name, then the play-list file's path) are a working copy
// of "Favoris.dat" until "&Fermer" writes them back and rebuilds the favourites menu. Closed
// any other way, it leaves the file and the menu as they were.
class FFavoris final : public QDialog {
public:
    explicit FFavoris(app::Contexte& contexte, QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    platform::ListView* ListView1;
    QPushButton* Command1;  // "&Fermer"
    QPushButton* Command2;  // "&Ajouter"
    QPushButton* Command3;  // "&Supprimer"
    QPushButton* Command4;  // "&Renommer"
    QTimer Timer1;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Timer1_Timer();

private:
    void Form_Load();

    app::Contexte& ctx_;
};

}  // namespace tulvane::tools
