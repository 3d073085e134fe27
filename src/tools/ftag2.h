#pragma once

#include "tools/editeur_tag.h"

#include <array>

class QCheckBox;
class QProgressBar;

namespace tulvane::tools {

// The global tag editor: the ticked fields applied to every selected file of the play list,
// the other fields kept as each file has them.
class FTag2 final : public EditeurTag {
public:
    explicit FTag2(app::Contexte& contexte, QWidget* parent = nullptr);

    std::array<QCheckBox*, 6> Check1{};  // artist, title, album, year, comment, genre
    QLabel* Label9;
    QProgressBar* ProgressBar1;
    QComboBox* Combo2;  // hidden: turns a genre name into its number
    int vNbSelection = 0;

    void Command3_Click();

private:
    void Text_Change(QLineEdit* boite, std::size_t coche);
};

}  // namespace tulvane::tools
