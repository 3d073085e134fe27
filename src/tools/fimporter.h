#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace tulvane::app {
class Contexte;
}
namespace tulvane::platform {
class ListView;
}

namespace tulvane::tools {

// The mount points offered as drives, the root first.
QStringList lecteursMontes();

// Finds every file of one media type on a drive and adds the hits the user picks to the play
// list.
class FImporter final : public QDialog {
public:
    // `lecteurs` gives the drives present, asked at opening and at each search.
    explicit FImporter(app::Contexte& contexte, QWidget* parent = nullptr,
                       std::function<QStringList()> lecteurs = lecteursMontes);

    platform::ListView* ListView1;  // the hits, one full path per row
    QWidget* Picture2;              // explanation over the empty list
    QWidget* Picture1;              // search banner
    QLabel* Label2;                 // its text
    QWidget* Picture3;              // import progress
    QProgressBar* ProgressBar1;
    std::array<QLabel*, 7> Label3{};  // 0, 3 and 6 explain, 5 says the import runs
    QLabel* Label1;
    QComboBox* Combo1;  // media type
    QLabel* Label4;
    QComboBox* Drive1;  // drive
    QPushButton* Command3;
    QPushButton* Command2;
    QPushButton* Command1;
    QStringList List1;  // the hits' full paths, as the walk finds them
    QStringList List2;  // the paths queued for import
    QTimer Timer1;
    QTimer Timer2;
    QMenu* menu;
    QAction* sélectionner;

    QString vMasque;  // "*." and the chosen type
    bool vRecherche = false;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void ListView1_DblClick();
    void ListView1_MouseDown(Qt::MouseButton Button, int x, int y);
    void sélectionner_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // Closing the dialog also stops a search that runs.
    void done(int resultat) override;

private:
    void Form_Load();

    app::Contexte& ctx_;
    std::function<QStringList()> lecteurs_;
};

}  // namespace tulvane::tools
