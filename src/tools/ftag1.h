#pragma once

#include "tools/editeur_tag.h"

#include <QString>

namespace tulvane::tools {

// The single-file tag editor: the tag of one file, read at opening, written back by
// "&Sauver" into the file and every play-list row that holds it.
class FTag1 final : public EditeurTag {
public:
    // Fills the boxes from the tag read from `vfnAdresse`.
    FTag1(app::Contexte& contexte, const QString& vfnAdresse, const ValeursTag& valeurs, QWidget* parent = nullptr);

    QString Text6;  // the full path of the edited file

    void Command3_Click();

private:
    // The boxes' texts and the genre shown.
    ValeursTag valeursAffichees() const;

    ValeursTag fichier_;   // as read at opening
    ValeursTag affiches_;  // as shown at opening: a field the user left keeps its bytes
};

}  // namespace tulvane::tools
