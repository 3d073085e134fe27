#pragma once

#include "player/disposition.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QLabel;
class QWidget;

// The labels of the player window's panels: Arial, placed in twips, given the room their
// caption needs.
namespace tulvane::player {

QFont arial(int pixels, bool gras = false);

// A caption wider than its place in this font is given the room, not cut.
void donnerLaPlace(QLabel& label);

void colorer(QWidget& controle, QPalette::ColorRole role, const QColor& couleur);

// A label that takes its own presses, so that only the bare skin moves the window.
QLabel* etiquette(QWidget* parent, const QString& texte, const disposition::Zone& place);

// The same in bold, for the fields that stand out.
QLabel* enGras(QLabel* label);

}  // namespace tulvane::player
