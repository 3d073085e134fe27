#pragma once

#include "platform/twips.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>

class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// What the file tools' dialogs share: their frame, and controls placed and captioned from the
// dialogs' tables.
namespace tulvane::tools {

// A place in twips, relative to the containing dialog or panel. A zero width or height takes
// what the caption needs.
struct Place {
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;

    constexpr QRect enPixels() const
    {
        using platform::twipsEnPixels;
        return {twipsEnPixels(gauche), twipsEnPixels(haut), twipsEnPixels(largeur), twipsEnPixels(hauteur)};
    }
};

// A caption and where it stands.
struct Legende {
    const char* texte;
    Place place;
};

// The frame of every tool: a fixed single border, no title-bar buttons, modal, centred on
// the screen, with a client area of the size given in twips.
void preparerCadre(QDialog& dialogue, const char* legende, int largeur, int hauteur);

template <class Controle>
Controle* placer(Controle* controle, const Place& place)
{
    const QRect r = place.enPixels();
    if (r.width() > 0 && r.height() > 0)
        controle->setGeometry(r);
    else
        controle->move(r.topLeft());
    return controle;
}

QLabel* etiquette(QWidget* parent, const Legende& legende);
QPushButton* bouton(QWidget* parent, const Legende& legende);
// The dialog's 32 x 32 picture.
QLabel* image(QWidget* parent, const Place& place);
// A raised light grey panel (&HE0E0E0).
QFrame* panneauGris(QWidget* parent, const Place& place);

// The 148 genre names, kept in alphabetical order ignoring case, each entry carrying its
// genre number as item data; "Other" chosen.
void remplirGenres(QComboBox* liste);
inline constexpr int kGenreAutre = 12;

// The size of the file at a path; none when it cannot be had (gone, a folder).
std::optional<std::uint64_t> tailleFichier(const std::filesystem::path& chemin);

}  // namespace tulvane::tools
