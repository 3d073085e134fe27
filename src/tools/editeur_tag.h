#pragma once

#include "metadata/id3v1.h"
#include "tools/cadre_outil.h"
#include "tools/valeurs_tag.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tulvane::app {
class Contexte;
}

namespace tulvane::tools {

// What the two tag editors share: the picture, the two help lines, the fields (captions over
// boxes, the year beside the genre), "&Annuler", the action button that Timer1 enables while
// a genre is shown, and the writing of a tag into its file and its rows.
class EditeurTag : public QDialog {
public:
    struct Disposition {
        const char* legende;  // the window's caption
        int largeur;          // client area, twips
        int hauteur;
        const char* aide[2];  // Label7, Label8
        int gaucheChamps;     // left edge of the captions and boxes
        int largeurStyle;     // width of the genre list
        Legende action;       // Command3
        Place annuler;        // Command1
    };

    EditeurTag(app::Contexte& contexte, QWidget* parent, const Disposition& disposition);

    QLabel* Image1;
    QLabel* Label7;
    QLabel* Label8;
    std::array<QLabel*, 6> Label{};  // Label1 to Label6, over the boxes
    QLineEdit* Text1;                // artist
    QLineEdit* Text2;                // title
    QLineEdit* Text3;                // album
    QLineEdit* Text4;                // year
    QComboBox* Combo1;               // genre
    QLineEdit* Text5;                // comment
    QPushButton* Command3;
    QPushButton* Command1;
    QTimer Timer1;

    void Command1_Click();
    void Timer1_Timer();

protected:
    // Writes the tag into the file, asking first about a read-only file; the fields not in
    // `modifies` keep the bytes the file's tag has for them. The French reason when nothing
    // was written.
    std::optional<QString> ecrireTag(const QString& chemin, const ValeursTag& valeurs, std::uint8_t genre,
                                     metadata::ChampsModifies modifies);
    // Sub-items 1 (artist), 2 (title), 3 (album), 4 (genre) and 8 (comment) of a play-list row.
    void mettreAJourLigne(int ligne, const ValeursTag& valeurs);
    // One message for the files that could not be written, naming them.
    void signalerEchecs(const QStringList& raisons);

    app::Contexte& ctx_;
};

}  // namespace tulvane::tools
