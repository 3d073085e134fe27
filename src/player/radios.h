#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tulvane::app {
class Contexte;
}

namespace tulvane::player {

// One web-radio station: its name and the stream addresses of its two channels.
struct StationRadio {
    QString nom;
    QString canal1;
    QString canal2;
    bool operator==(const StationRadio&) const = default;
};

// The stations of the readable list, three lines each in file order; a last station cut
// short is left out, so the list holds only stations read whole.
QList<StationRadio> stationsDesLignes(const QStringList& lignes);

// Has the file-utility component write "Radios.tmp" from "Radios.sys", reads it into the
// tray form's station table and the player window's station list, and deletes it.
void fnChargerRadios(app::Contexte& contexte);

}  // namespace tulvane::player
