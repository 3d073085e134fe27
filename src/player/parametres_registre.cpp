#include "player/parametres_registre.h"

#include "app/contexte.h"
#include "components/file_work.h"
#include "components/media_player.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "player/fpiste.h"
#include "player/module3.h"
#include "playlist/fliste.h"

#include <QAction>
#include <QListWidget>
#include <QLocale>
#include <QStatusBar>
#include <QToolBar>

#include <cmath>
#include <cstdint>
#include <limits>

namespace tulvane::player {

namespace {

QString cheminValeur(const QString& nom)
{
    return QString::fromLatin1(kCleParametres) + nom;
}

QString nomAffichage(int index)
{
    return QString("Affichage%1").arg(index + 1);
}

QAction* affichage(playlist::FListe& liste, int index)
{
    return liste.menu(QString("choix_affichage%1").arg(index));
}

}  // namespace

QString texteBooleen(bool valeur)
{
    if (QLocale().language() == QLocale::French)
        return valeur ? "Vrai" : "Faux";
    return valeur ? "True" : "False";
}

std::optional<double> nombreDuTexte(const QString& texte)
{
    const QString nombre = texte.trimmed();
    bool ok = false;
    double valeur = QLocale::c().toDouble(nombre, &ok);
    if (!ok)
        valeur = QLocale(QLocale::French).toDouble(nombre, &ok);
    if (!ok || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

std::optional<bool> booleenDuTexte(const QString& texte)
{
    const QString mot = texte.trimmed();
    for (const char* vrai : {"Vrai", "True"})
        if (mot.compare(QLatin1String(vrai), Qt::CaseInsensitive) == 0)
            return true;
    for (const char* faux : {"Faux", "False"})
        if (mot.compare(QLatin1String(faux), Qt::CaseInsensitive) == 0)
            return false;
    if (const auto nombre = nombreDuTexte(mot))
        return *nombre != 0;
    return std::nullopt;
}

std::optional<int> entier16DuTexte(const QString& texte)
{
    const auto nombre = nombreDuTexte(texte);
    if (!nombre)
        return std::nullopt;
    const double entier = std::nearbyint(*nombre);
    if (entier < std::numeric_limits<std::int16_t>::min() || entier > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(entier);
}

void fnSauverParametres(app::Contexte& contexte)
{
    components::FileWork& fwork = contexte.FWork1();
    playlist::FListe& liste = contexte.fListe();
    fwork.EcrireRegistre(cheminValeur("ListeAdresse"), contexte.vAdresseListe);
    fwork.EcrireRegistre(cheminValeur("ListePose"), QString::number(contexte.module3().fnMarquerPiste()));
    fwork.EcrireRegistre(cheminValeur("PremierPlan"), texteBooleen(liste.menu("toujour_premier_plan")->isChecked()));
    fwork.EcrireRegistre(cheminValeur("Radio"), QString::number(contexte.fInterface().Combo1->currentRow()));
    for (int i = 0; i < 3; ++i)
        fwork.EcrireRegistre(cheminValeur(nomAffichage(i)), texteBooleen(affichage(liste, i)->isChecked()));
}

void fnLireParametres(app::Contexte& contexte)
{
    components::FileWork& fwork = contexte.FWork1();
    const auto lire = [&fwork](const QString& nom) { return fwork.LireRegistre(cheminValeur(nom)); };
    playlist::FListe& liste = contexte.fListe();
    FInterface& lecteur = contexte.fInterface();

    contexte.vAdresseListe = lire("ListeAdresse");

    // A station that is no longer in the list is not highlighted.
    const int station = entier16DuTexte(lire("Radio")).value_or(-1);
    lecteur.Combo1->setCurrentRow(station >= 0 && station < lecteur.Combo1->count() ? station : -1);

    lecteur.afficher();

    const QString premierPlan = lire("PremierPlan");
    if (premierPlan == u"Vrai" || premierPlan == u"True")
        liste.toujour_premier_plan_Click();

    const double pose = std::floor(nombreDuTexte(lire("ListePose")).value_or(0));
    // A copy: the load empties the variable before it takes the path again.
    const QString adresse = contexte.vAdresseListe;
    fwork.DefinirFichier(adresse);
    if (fwork.Existe()) {
        liste.fnChargerListe(adresse);
        // A row outside the reopened list gives row 1; a list without rows selects none.
        if (const int lignes = liste.nombreLignes(); lignes > 0) {
            const int ligne = pose >= 1 && pose <= lignes ? static_cast<int>(pose) : 1;
            liste.Liste->setSelected(ligne, true);
            liste.Liste->ensureVisible(ligne);
            contexte.fPiste().Piste().setFileName(liste.cheminLigne(ligne));
            liste.Atteindre_Click();
        }
    }

    for (int i = 0; i < 3; ++i)
        affichage(liste, i)->setChecked(booleenDuTexte(lire(nomAffichage(i))).value_or(true));
    liste.montrerBarres();
}

}  // namespace tulvane::player
