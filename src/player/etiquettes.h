#pragma once

#include "player/disposition.h"

#include <QColor>
#include <QPalette>

class QLabel;
class QWidget;

// The labels of the player window's panels: Arial, placed in twips, a caption wider than its
// box set narrower rather than cut.
namespace tulvane::player {

void colorer(QWidget& controle, QPalette::ColorRole role, const QColor& couleur);

// A label that takes its own presses, so that only the bare skin moves the window. Texts from
// files (names, tags) show as typed, never read as markup.
// A label on several lines wraps its text at the top left of its place.
QLabel* etiquette(QWidget* parent, const QString& texte, const disposition::Zone& place,
                  bool plusieursLignes = false);

// The same in bold, for the fields that stand out.
QLabel* enGras(QLabel* label);

}  // namespace tulvane::player
