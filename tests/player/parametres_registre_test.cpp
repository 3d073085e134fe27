// The seven settings: written at quit, read at the end of the start-up.
#include "components/station_cipher.h"
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "player/fsys.h"
#include "player/parametres_registre.h"
#include "playlist/fliste.h"
#include "support/bytes.h"
#include "support/environnement.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QLocale>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

#include <algorithm>

using namespace tulvane;

namespace {

QString valeur(const char* nom)
{
    return QString::fromLatin1(player::kCleParametres) + QString::fromLatin1(nom);
}

// A program folder with two stations, a play list of three files elsewhere, and the start
// of the program up to the tray form's start-up step, which reads the settings.
class Demarrage {
public:
    explicit Demarrage(test::ContexteDeTest::Reels reels = {}) : t(reels)
    {
        test::writeFile(t.dossier() / "Radios.sys",
                        components::chiffrerListeRadios({{"Alpha", "http://a/1", "http://a/2"},
                                                         {"Beta", "http://b/1", "http://b/2"}},
                                                        components::kCleListeRadios));
        ctx.fInterface().Form_Load();
    }

    void lireParametres() { ctx.fSYS().Timer2_Timer(); }

    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();
    player::FInterface& f = ctx.fInterface();
    playlist::FListe& liste = ctx.fListe();
};

// Three files and the play list that holds them, in their own folder.
class ListeDeTrois {
public:
    ListeDeTrois()
    {
        test::ContexteDeTest t;
        for (const char* nom : {"un.mp3", "deux.mp3", "trois.mp3"}) {
            const auto fichier = dossier / nom;
            test::writeFile(fichier, test::filled(2000));
            t.ctx().fListe().fnAjouterFichierLite(QString::fromStdString(fichier.string()));
        }
        t.dialogues().answer(platform::MessageAnswer::Ok);  // "enregistrée avec succès"
        t.ctx().fListe().fnEnregistrerListe(chemin);
    }

    QString fichier(const char* nom) const { return QString::fromStdString((dossier / nom).string()); }

    test::TempFolder dossier;
    QString chemin = QString::fromStdString((dossier / "soirée.tvl4").string());
};

// ---- Conversions of the stored texts ----

TEST(ConversionsParametres, BooleansAreTheLocalesWordsAndReadBackInBothLanguagesAndAsNumbers)
{
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(player::texteBooleen(true), "Vrai");
    EXPECT_EQ(player::texteBooleen(false), "Faux");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(player::texteBooleen(true), "True");
    EXPECT_EQ(player::texteBooleen(false), "False");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(player::texteBooleen(true), "True");
    QLocale::setDefault(avant);

    const std::vector<std::pair<QString, std::optional<bool>>> cas = {
        {"Vrai", true}, {"vrai", true}, {"TRUE", true}, {"Faux", false}, {"false", false}, {"0", false},
        {"-1", true}, {"2,5", true}, {" 0 ", false}, {"", std::nullopt}, {"oui", std::nullopt},
    };
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(player::booleenDuTexte(texte), attendu) << texte.toStdString();
}

TEST(ConversionsParametres, WholeNumbersRoundHalvesToEvenWithinSixteenBits)
{
    const std::vector<std::pair<QString, std::optional<int>>> cas = {
        {"3", 3},       {"-1", -1},          {"2.5", 2},         {"3,5", 4},     {"32767", 32767},
        {"32768", {}},  {"-32769", {}},      {"", {}},           {"deux", {}},   {"1e3", 1000},
    };
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(player::entier16DuTexte(texte), attendu) << texte.toStdString();
}

// ---- Reading ----

TEST(LireParametres, AFirstRunStartsInTheDesignState)
{
    Demarrage d;
    d.lireParametres();
    EXPECT_TRUE(d.f.isVisible());
    EXPECT_EQ(d.ctx.vAdresseListe, "");
    EXPECT_EQ(d.liste.nombreLignes(), 0);
    EXPECT_EQ(d.f.Combo1->currentRow(), -1);
    EXPECT_FALSE(d.liste.menu("toujour_premier_plan")->isChecked());
    EXPECT_FALSE(d.f.windowFlags() & Qt::WindowStaysOnTopHint);
    for (const char* entree : {"choix_affichage0", "choix_affichage1", "choix_affichage2"})
        EXPECT_TRUE(d.liste.menu(entree)->isChecked()) << entree;
    EXPECT_FALSE(d.liste.Toolbar1->isHidden());
    EXPECT_FALSE(d.liste.Picture6->isHidden());
    EXPECT_FALSE(d.liste.StatusBar1->isHidden());
    EXPECT_TRUE(d.t.dialogues().questions().empty());
}

TEST(LireParametres, OnlyVraiOrTrueExactlyPutsThePlayerOnTop)
{
    const std::pair<const char*, bool> cas[] = {
        {"Vrai", true}, {"True", true}, {"vrai", false}, {"TRUE", false}, {"Faux", false}, {"-1", false},
    };
    for (const auto& [texte, dessus] : cas) {
        Demarrage d;
        d.t.reglages().ecrireValeur(valeur("PremierPlan"), texte);
        d.lireParametres();
        EXPECT_EQ(d.liste.menu("toujour_premier_plan")->isChecked(), dessus) << texte;
        EXPECT_EQ(d.ctx.fSYS().menu("toujour_premier_plan")->isChecked(), dessus) << texte;
        EXPECT_EQ(bool(d.f.windowFlags() & Qt::WindowStaysOnTopHint), dessus) << texte;
    }
}

TEST(LireParametres, TheSavedStationIsHighlightedOnlyWhenItIsInTheList)
{
    const std::pair<const char*, int> cas[] = {{"1", 1}, {"0", 0}, {"-1", -1}, {"2", -1}, {"-7", -1},
                                               {"99999", -1}, {"x", -1}};
    for (const auto& [texte, entree] : cas) {
        Demarrage d;
        d.t.reglages().ecrireValeur(valeur("Radio"), texte);
        d.lireParametres();
        EXPECT_EQ(d.f.Combo1->currentRow(), entree) << texte;
        EXPECT_TRUE(d.t.piste2().calls().empty()) << texte;  // highlighted, not tuned
    }
}

TEST(LireParametres, TheSavedRowIsLoadedNotPlayedAndARowOutsideTheListGivesRowOne)
{
    const ListeDeTrois trois;
    const std::pair<const char*, int> cas[] = {{"2", 2}, {"3", 3}, {"2.9", 2}, {"0", 1}, {"4", 1},
                                               {"-2", 1}, {"", 1}, {"rien", 1}};
    for (const auto& [texte, ligne] : cas) {
        Demarrage d;
        d.t.reglages().ecrireValeur(valeur("ListeAdresse"), trois.chemin);
        d.t.reglages().ecrireValeur(valeur("ListePose"), texte);
        d.lireParametres();
        EXPECT_EQ(d.ctx.vAdresseListe, trois.chemin) << texte;
        ASSERT_EQ(d.liste.nombreLignes(), 3) << texte;
        EXPECT_EQ(d.t.piste().FileName(), d.liste.cheminLigne(ligne)) << texte;
        EXPECT_EQ(d.liste.Liste->selectedItem(), ligne) << texte;
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(d.liste.Liste->isSelected(i), i == ligne) << texte << " row " << i;
        EXPECT_TRUE(d.liste.Liste->isBold(ligne)) << texte;
        const auto& appels = d.t.piste().calls();
        EXPECT_EQ(std::count(appels.begin(), appels.end(), "Play"), 0) << texte;
        EXPECT_EQ(d.ctx.vEtat, 0) << texte;
    }
}

TEST(LireParametres, ASavedListThatIsGoneLeavesTheListEmptyAndIsWrittenBackUnchanged)
{
    const QString disparue = "/nulle-part/ancienne liste.tvl4";
    Demarrage d;
    d.t.reglages().ecrireValeur(valeur("ListeAdresse"), disparue);
    d.t.reglages().ecrireValeur(valeur("ListePose"), "2");
    d.lireParametres();
    EXPECT_EQ(d.ctx.vAdresseListe, disparue);
    EXPECT_EQ(d.liste.nombreLignes(), 0);
    EXPECT_EQ(d.t.piste().FileName(), "");
    EXPECT_TRUE(d.t.dialogues().questions().empty());

    player::fnSauverParametres(d.ctx);
    EXPECT_EQ(d.t.reglages().lireValeur(valeur("ListeAdresse")), disparue);
    EXPECT_EQ(d.t.reglages().lireValeur(valeur("ListePose")), "0");
}

TEST(LireParametres, TheBarsFollowTheirSavedChecks)
{
    Demarrage d;
    d.t.reglages().ecrireValeur(valeur("Affichage1"), "Faux");
    d.t.reglages().ecrireValeur(valeur("Affichage2"), "0");
    d.t.reglages().ecrireValeur(valeur("Affichage3"), "False");
    d.lireParametres();
    for (const char* entree : {"choix_affichage0", "choix_affichage1", "choix_affichage2"})
        EXPECT_FALSE(d.liste.menu(entree)->isChecked()) << entree;
    EXPECT_TRUE(d.liste.Toolbar1->isHidden());
    EXPECT_TRUE(d.liste.Picture6->isHidden());
    EXPECT_TRUE(d.liste.StatusBar1->isHidden());
}

// ---- Writing, then a restart, through a real settings file ----

class ParametresReels : public testing::Test {
protected:
    ParametresReels() { environnement.definir("XDG_CONFIG_HOME", config.path().string()); }

    QString fichierReglages() const
    {
        return QString::fromStdString((config / "Tulvane Adv 4.2.conf").string());
    }

    test::TempFolder config;
    test::Environnement environnement;
    const test::ContexteDeTest::Reels reels{.lecteurs = false, .reglages = true};
};

TEST_F(ParametresReels, WhatTheQuitWritesTheNextStartRestores)
{
    const ListeDeTrois trois;
    {
        Demarrage d(reels);
        d.lireParametres();
        d.liste.fnChargerListe(trois.chemin);
        d.t.piste().setFileName(trois.fichier("deux.mp3"));
        d.liste.toujour_premier_plan_Click();
        d.f.Combo1->setCurrentRow(1);
        d.liste.choix_affichage_Click(2);
        ASSERT_TRUE(d.liste.StatusBar1->isHidden());

        d.t.dialogues().answer(platform::MessageAnswer::Yes);
        d.f.BTN11_Click();
    }

    QFile fichier(fichierReglages());
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QString texte = QString::fromUtf8(fichier.readAll());
    const QString vrai = player::texteBooleen(true);
    const QString faux = player::texteBooleen(false);
    for (const QString& ligne : {QString("ListePose=2"), "PremierPlan=" + vrai, QString("Radio=1"),
                                 "Affichage1=" + vrai, "Affichage2=" + vrai, "Affichage3=" + faux})
        EXPECT_TRUE(texte.contains(ligne)) << ligne.toStdString() << " in\n" << texte.toStdString();
    EXPECT_TRUE(texte.contains("ListeAdresse=")) << texte.toStdString();

    Demarrage d(reels);
    d.lireParametres();
    EXPECT_EQ(d.ctx.vAdresseListe, trois.chemin);
    ASSERT_EQ(d.liste.nombreLignes(), 3);
    EXPECT_EQ(d.t.piste().FileName(), trois.fichier("deux.mp3"));
    EXPECT_EQ(d.liste.Liste->selectedItem(), 2);
    EXPECT_EQ(d.f.Combo1->currentRow(), 1);
    EXPECT_TRUE(d.liste.menu("toujour_premier_plan")->isChecked());
    EXPECT_TRUE(d.f.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(d.liste.menu("choix_affichage0")->isChecked());
    EXPECT_TRUE(d.liste.menu("choix_affichage1")->isChecked());
    EXPECT_FALSE(d.liste.menu("choix_affichage2")->isChecked());
    EXPECT_TRUE(d.liste.StatusBar1->isHidden());
    EXPECT_FALSE(d.liste.Toolbar1->isHidden());
    d.liste.show();
    EXPECT_FALSE(d.liste.StatusBar1->isVisible());
    EXPECT_TRUE(d.liste.Toolbar1->isVisible());
}

TEST(SauverParametres, AfterAFirstRunTheSevenValuesHoldTheDesignState)
{
    Demarrage d;
    d.lireParametres();
    player::fnSauverParametres(d.ctx);
    const QString vrai = player::texteBooleen(true);
    const QMap<QString, QString> attendu = {
        {valeur("ListeAdresse"), ""}, {valeur("ListePose"), "0"}, {valeur("PremierPlan"), player::texteBooleen(false)},
        {valeur("Radio"), "-1"},      {valeur("Affichage1"), vrai}, {valeur("Affichage2"), vrai},
        {valeur("Affichage3"), vrai},
    };
    EXPECT_EQ(d.t.reglages().valeurs(), attendu);
}

}  // namespace
