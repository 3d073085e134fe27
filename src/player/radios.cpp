#include "player/radios.h"

#include "app/contexte.h"
#include "components/file_work.h"
#include "components/station_cipher.h"
#include "platform/ansi_text.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "player/fsys.h"

#include <QFile>
#include <QListWidget>

namespace tulvane::player {

QList<StationRadio> stationsDesLignes(const QStringList& lignes)
{
    QList<StationRadio> stations;
    for (qsizetype i = 0; i + 2 < lignes.size(); i += 3)
        stations.append({lignes[i], lignes[i + 1], lignes[i + 2]});
    return stations;
}

void fnChargerRadios(app::Contexte& contexte)
{
    const QString stockee = contexte.cheminProgramme("Radios.sys");
    const QString lisible = contexte.cheminProgramme("Radios.tmp");
    // A missing or damaged list leaves no readable file: the program starts without stations.
    contexte.FWork1().DecoderFichier(1, stockee, lisible, QString::fromUtf8(components::kCleListeRadios.data(),
                                                                          components::kCleListeRadios.size()));
    const platform::TextRead lecture = platform::readTextLines(lisible);
    platform::ListView& table = *contexte.fSYS().ListeRadios;
    std::vector<std::vector<QString>> lignes;
    QStringList noms;
    for (const StationRadio& station : stationsDesLignes(lecture.lines)) {
        lignes.push_back({station.nom, station.canal1, station.canal2});
        noms.append(station.nom);
    }
    table.addItems(std::move(lignes));
    QFile::remove(lisible);
    contexte.fInterface().Combo1->addItems(noms);
}

}  // namespace tulvane::player
