// The CSV export of the selected rows.
#include "app/contexte.h"
#include "platform/dialog_service.h"
#include "platform/hourglass.h"
#include "platform/list_view.h"
#include "playlist/export_csv.h"
#include "playlist/fliste.h"

#include <string>
#include <vector>

namespace tulvane::playlist {

void FListe::Exporter_Click()
{
    const QString nom = ctx_.dialogues().showSave({"Exporter au format CSV", "Fichier CSV (*.csv)|*.csv", ""});
    if (nom.isEmpty())
        return;
    int nombre = 0;
    std::string texte;
    {
        platform::Hourglass sablier;
        std::vector<std::string> titres;
        for (int colonne = 1; colonne <= Liste->columnCount(); ++colonne)
            titres.push_back(Liste->columnCaption(colonne).toStdString());
        ajouterEnteteCsv(texte, titres);
        const int n = Liste->count();
        for (int i = 1; i <= n; ++i) {
            if (!Liste->isSelected(i))
                continue;
            ++nombre;
            ajouterLigneCsv(texte, textesLigne(i));
        }
    }
    ecrireFichierOuSignaler(nom, QByteArray::fromStdString(texte),
                            QString::number(nombre) + " fichiers ont été exportées au format CSV avec succès !",
                            "Opération effectuée");
}

}  // namespace tulvane::playlist
