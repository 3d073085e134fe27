#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace tulvane::app {
class Contexte;
}
namespace tulvane::platform {
class ListView;
}

namespace tulvane::tools {

// What the program knows of one play-list file, in fourteen rows, with their text export.
class FInfosFichier final : public QDialog {
public:
    // The file of the play list's selected item; the caller makes sure there is one.
    explicit FInfosFichier(app::Contexte& contexte, QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label7;
    platform::ListView* ListView1;
    QPushButton* Command3;
    QPushButton* Command1;
    QWidget* Picture1;  // takes the focus in place of the list

    void Form_Resize();
    void ListView1_GotFocus();
    void Command3_Click();
    void Command1_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();

    app::Contexte& ctx_;
};

}  // namespace tulvane::tools
