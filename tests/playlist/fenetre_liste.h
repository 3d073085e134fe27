#pragma once

#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"

#include <gtest/gtest.h>

#include <vector>

namespace tulvane::test {

// The play-list window over fakes, and rows made straight from their texts.
class FenetreListe : public testing::Test {
protected:
    ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;

    // One row per path, named after the path's last part; the other cells empty.
    void lignesDe(const QStringList& chemins)
    {
        std::vector<std::vector<QString>> lignes;
        for (const QString& chemin : chemins)
            lignes.push_back({chemin.mid(chemin.lastIndexOf('/') + 1), "", "", "", "", "128 kbps", chemin, "", ""});
        vue.addItems(std::move(lignes));
    }

    // n rows "/musique/piste1.mp3" to "/musique/pisteN.mp3".
    void remplir(int n)
    {
        QStringList chemins;
        for (int i = 1; i <= n; ++i)
            chemins << QString("/musique/piste%1.mp3").arg(i);
        lignesDe(chemins);
    }

    std::vector<bool> drapeaux(bool (platform::ListView::*lu)(int) const) const
    {
        std::vector<bool> valeurs;
        for (int i = 1; i <= vue.count(); ++i)
            valeurs.push_back((vue.*lu)(i));
        return valeurs;
    }
    std::vector<bool> marques() const { return drapeaux(&platform::ListView::isChecked); }
    std::vector<bool> selection() const { return drapeaux(&platform::ListView::isSelected); }

    void marquer(const std::vector<bool>& valeurs)
    {
        for (std::size_t i = 0; i < valeurs.size(); ++i)
            vue.setChecked(int(i) + 1, valeurs[i]);
    }
    void selectionner(const std::vector<bool>& valeurs)
    {
        for (std::size_t i = 0; i < valeurs.size(); ++i)
            vue.setSelected(int(i) + 1, valeurs[i]);
    }

    QStringList chemins() const
    {
        QStringList tous;
        for (int i = 1; i <= vue.count(); ++i)
            tous << liste.cheminLigne(i);
        return tous;
    }

    ScriptedDialogs::Question message(const QString& texte, const QString& titre, platform::MessageIcon icone,
                                      platform::MessageButtons boutons = platform::MessageButtons::Ok) const
    {
        ScriptedDialogs::Question q;
        q.text = texte;
        q.title = titre;
        q.icon = icone;
        q.buttons = boutons;
        return q;
    }
};

}  // namespace tulvane::test
