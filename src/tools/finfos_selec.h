#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace tulvane::app {
class Contexte;
}

namespace tulvane::tools {

// Totals of the selected play-list rows: count, size on disk, total and mean duration, mean
// bitrate; computed once, at opening.
class FInfosSelec final : public QDialog {
public:
    explicit FInfosSelec(app::Contexte& contexte, QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label7;
    QFrame* Picture1;
    // 0 to 4 the captions, 9 to 5 their values (count, size, total duration, mean bitrate,
    // mean duration).
    std::array<QLabel*, 10> Label1{};
    QPushButton* Command1;

    void Command1_Click();

private:
    void Form_Load();

    app::Contexte& ctx_;
};

}  // namespace tulvane::tools
