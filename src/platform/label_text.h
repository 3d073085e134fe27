#pragma once

#include <QFont>

class QLabel;

namespace tulvane::platform {

// The face of the windows' labels: Arial, or its metric twin Liberation Sans where Arial is
// not installed, `pixels` high (8.25 pt is 11 pixels, 12 pt is 16 at 96 dpi).
QFont arial(int pixels, bool bold = false);

// The windows place their labels in boxes drawn for a narrower face than the ones found here.
// A label keeps its box and the size of its face; a text that does not fit the box (on one
// line, or on the lines of a label that wraps, a line counting when at least half of it
// shows) is set narrower, down to a condensed face, rather than cut. Call it once the label
// has its text, font and size.
void fitTextToBox(QLabel& label);

}  // namespace tulvane::platform
