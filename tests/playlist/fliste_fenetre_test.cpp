// The play-list window's controls, layout, bars, menus and column layout file.
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "platform/twips.h"
#include "player/finterface.h"
#include "playlist/fliste.h"
#include "support/bytes.h"
#include "support/case_names.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::twipsEnPixels;

namespace {

class FenetreTest : public testing::Test {
protected:
    test::ContexteDeTest t;

    playlist::FListe& liste() { return t.ctx().fListe(); }
    platform::ListView& vue() { return *liste().Liste; }

    // Shown on the offscreen screen, so that the window lays itself out as on a desktop.
    playlist::FListe& montree()
    {
        liste().show();
        return liste();
    }

    std::vector<int> positions()
    {
        std::vector<int> p;
        for (int c = 1; c <= 9; ++c)
            p.push_back(vue().columnPosition(c));
        return p;
    }

    std::filesystem::path fichierColonnes() const { return t.dossier() / "Colonnes.dat"; }
};

const std::vector<int> kOrdreIndex = {1, 2, 3, 4, 5, 6, 7, 8, 9};

// Where every control stands, to compare two layouts.
std::vector<QRect> placements(playlist::FListe& f)
{
    return {f.Liste->geometry(), f.Picture1->geometry(), f.ProgressBar1->geometry(), f.Toolbar1->geometry(),
            f.Picture6->geometry(), f.StatusBar1->geometry()};
}

TEST_F(FenetreTest, LoadFillsTheFieldListAndSetsTheFrequency)
{
    QStringList champs;
    for (int i = 0; i < liste().Combo2->count(); ++i)
        champs << liste().Combo2->itemText(i);
    EXPECT_EQ(champs, QStringList({"<Tous les champs>", "Nom du fichier", "Auteur", "Titre", "Album", "Style", "Kbps",
                                   "Emplacement", "Durée", "Commentaires"}));
    EXPECT_EQ(liste().Combo2->currentIndex(), 0);
    EXPECT_EQ(liste().vFrequence, 3);
    EXPECT_FALSE(liste().vColonnesInit);
    EXPECT_EQ(liste().windowTitle(), "Tulvane ADV v.4.2");
    EXPECT_TRUE(liste().ProgressBar1->isHidden());
}

TEST_F(FenetreTest, TheHelpPanelHoldsItsTextsInTheirBoxesWhole)
{
    struct Texte {
        std::size_t index;
        QRect twips;
        const char* texte;
    };
    const Texte textes[] = {
        {7, {840, 180, 3390, 435}, "Informations sur l'importation de fichiers multimédias dans une liste :"},
        {0, {240, 900, 4455, 435},
         "Pour ajouter des fichiers à la Play-List active, utilisez les options suivantes à partir du menu "
         "Fichiers :"},
        {1, {240, 1500, 2670, 195}, "> Importation de fichier(s) audio/vidéo"},
        {3, {240, 1740, 2550, 195}, "> Importation depuis emplacement..."},
        {4, {240, 2160, 4110, 375}, "Vous pouvez également glisser et déposer les fichiers vers la liste de fichiers."},
        {5, {240, 2880, 4305, 195}, "Dans le cas contraire, vous devez charger une liste existante"}};
    for (const Texte& t : textes) {
        const QLabel* label = liste().Label3[t.index];
        ASSERT_NE(label, nullptr) << t.index;
        EXPECT_EQ(label->text(), QString::fromUtf8(t.texte));
        EXPECT_EQ(label->parentWidget(), liste().Picture1);
        EXPECT_EQ(label->geometry(), QRect(twipsEnPixels(t.twips.x()), twipsEnPixels(t.twips.y()),
                                           twipsEnPixels(t.twips.width()), twipsEnPixels(t.twips.height())))
            << t.index;
        EXPECT_EQ(label->font().pixelSize(), 11) << t.index;  // 8.25 pt
        EXPECT_EQ(label->font().bold(), t.index == 7);
        // Whole lines, the last one at least half shown.
        const QFontMetrics mesure(label->font());
        const QRect besoin = mesure.boundingRect(label->contentsRect(), Qt::TextWordWrap | label->alignment(), label->text());
        EXPECT_LE(besoin.width(), label->width()) << t.index;
        EXPECT_LE(besoin.height(), label->height() + mesure.boundingRect("X").height() / 2) << t.index;
    }
    EXPECT_EQ(liste().Picture1->size(), QSize(twipsEnPixels(4935), twipsEnPixels(3315)));
    EXPECT_EQ(liste().Picture1->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
}

TEST_F(FenetreTest, TheFirstShowLaysOutTheWindowAndWidensTheColumnsOnce)
{
    playlist::FListe& f = montree();
    EXPECT_TRUE(f.vColonnesInit);
    // The list is 10035 twips wide: 10035 - 2000 - 2300 - 320 = 5415 twips, and 80 % and 30 % of
    // it, each rounded to whole pixels once.
    EXPECT_EQ(vue().columnWidth(1), 361);
    EXPECT_EQ(vue().columnWidth(7), 535);
    EXPECT_EQ(vue().columnWidth(9), 201);
    // Client area 10140 x 7500: the list between the tool bar and the search bar.
    EXPECT_EQ(f.Liste->geometry(), QRect(0, 24, 676, 500 - 24 - 37 - 21));
    EXPECT_EQ(f.Toolbar1->geometry(), QRect(0, 0, 676, 24));
    EXPECT_EQ(f.StatusBar1->geometry(), QRect(0, 500 - 21, 676, 21));
    EXPECT_EQ(f.Picture6->geometry(), QRect(0, 500 - 21 - 37, 676, 37));
    EXPECT_EQ(f.ProgressBar1->y(), twipsEnPixels(7220));

    vue().setColumnWidth(1, 100);
    f.resize(f.width() + 200, f.height() + 100);
    EXPECT_EQ(vue().columnWidth(1), 100);
    EXPECT_EQ(f.Liste->width(), 876);
}

TEST_F(FenetreTest, TheWindowCannotBeMadeSmallerThanItsMinimum)
{
    playlist::FListe& f = montree();
    f.resize(200, 150);
    // 9100 x 7600 outer twips: a client area of 8980 x 6915.
    EXPECT_EQ(f.centralWidget()->size(), QSize(599, 461));
    EXPECT_EQ(f.Liste->geometry(), QRect(0, 24, 599, 461 - 24 - 37 - 21));
    f.resize(200, 800);
    EXPECT_EQ(f.centralWidget()->width(), 599);
    EXPECT_GT(f.centralWidget()->height(), 461);
}

TEST_F(FenetreTest, AResizeWhileMinimisedChangesNothing)
{
    playlist::FListe& f = liste();
    const std::vector<QRect> avant = placements(f);
    f.setWindowState(Qt::WindowMinimized);
    f.Form_Resize();
    EXPECT_EQ(placements(f), avant);
    EXPECT_FALSE(f.vColonnesInit);
    EXPECT_EQ(vue().columnWidth(1), twipsEnPixels(1440));
}

class BarreTest : public FenetreTest, public testing::WithParamInterface<int> {};

TEST_P(BarreTest, ToggledTwiceTheLayoutComesBackExactly)
{
    playlist::FListe& f = montree();
    const int index = GetParam();
    QWidget* barres[] = {f.Toolbar1, f.Picture6, f.StatusBar1};
    const std::vector<QRect> avant = placements(f);
    const QRect listeAvant = f.Liste->geometry();

    f.choix_affichage_Click(index);
    EXPECT_FALSE(f.menu(QString("choix_affichage%1").arg(index))->isChecked());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(barres[i]->isHidden(), i == index) << i;
    const int gain[] = {24, 37, 21};
    EXPECT_EQ(f.Liste->height(), listeAvant.height() + gain[index]);
    EXPECT_EQ(f.Liste->y(), index == 0 ? 0 : 24);

    f.choix_affichage_Click(index);
    EXPECT_TRUE(f.menu(QString("choix_affichage%1").arg(index))->isChecked());
    EXPECT_FALSE(barres[index]->isHidden());
    EXPECT_EQ(placements(f), avant);
}

std::string nomBarre(const testing::TestParamInfo<int>& info)
{
    const char* barres[] = {"toolBar", "searchBar", "statusBar"};
    return barres[info.param];
}

INSTANTIATE_TEST_SUITE_P(Cases, BarreTest, testing::Values(0, 1, 2), nomBarre);

TEST_F(FenetreTest, TheViewMenuEntryTogglesItsBarOnceAClick)
{
    playlist::FListe& f = montree();
    QAction* entree = f.menu("choix_affichage2");
    entree->trigger();
    EXPECT_FALSE(entree->isChecked());
    EXPECT_TRUE(f.StatusBar1->isHidden());
    entree->trigger();
    EXPECT_TRUE(entree->isChecked());
    EXPECT_FALSE(f.StatusBar1->isHidden());
}

TEST_F(FenetreTest, ClosingOnlyHidesTheWindowAndKeepsItsRows)
{
    playlist::FListe& f = montree();
    f.fnAjouterFichierLite(t.fichier("a.wav"));
    t.ctx().fInterface().show();
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(vue().count(), 1);
    EXPECT_EQ(&t.ctx().fListe(), &f);
}

// ---- Column layout file ----

TEST_F(FenetreTest, TheSavedLayoutAfterDraggingTitreBeforeAuteurIsLoadedNextTime)
{
    vue().setColumnPosition(3, 2);
    t.dialogues().answer(MessageAnswer::Ok);
    liste().Enregistrer_disposition_Click();
    EXPECT_EQ(test::readFile(fichierColonnes()),
              test::bytesOf(" 1 \r\n 3 \r\n 2 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n"));
    const auto& question = t.dialogues().questions().back();
    EXPECT_EQ(question.text, "La disposition des colonnes a été enregistrée avec succès !");
    EXPECT_EQ(question.title, "Procédure effectuée");
    EXPECT_EQ(question.icon, MessageIcon::Information);
    EXPECT_EQ(question.buttons, MessageButtons::Ok);

    test::ContexteDeTest suivant;
    test::writeFile(suivant.dossier() / "Colonnes.dat", test::readFile(fichierColonnes()));
    platform::ListView& relue = *suivant.ctx().fListe().Liste;
    EXPECT_EQ(relue.columnPosition(1), 1);
    EXPECT_EQ(relue.columnPosition(2), 3);
    EXPECT_EQ(relue.columnPosition(3), 2);
    for (int c = 4; c <= 9; ++c)
        EXPECT_EQ(relue.columnPosition(c), c);
}

TEST_F(FenetreTest, ResetPutsTheColumnsBackInIndexOrderAndSaysSo)
{
    vue().setColumnPosition(9, 1);
    vue().setColumnPosition(2, 5);
    const int largeur = vue().columnWidth(2);
    t.dialogues().answer(MessageAnswer::Ok);
    liste().reinitialiser_Click();
    EXPECT_EQ(positions(), kOrdreIndex);
    EXPECT_EQ(vue().columnWidth(2), largeur);
    EXPECT_EQ(test::readFile(fichierColonnes()),
              test::bytesOf(" 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n"));
    EXPECT_EQ(t.dialogues().questions().back().text, "La disposition des colonnes a été réinitialisée !");
    EXPECT_EQ(t.dialogues().questions().back().title, "Procédure effectuée");
}

class EcritureRatee : public FenetreTest, public testing::WithParamInterface<bool> {};

// A layout that cannot be written is not reported as saved.
TEST_P(EcritureRatee, IsReportedAsAFailure)
{
    std::filesystem::create_directory(fichierColonnes());
    vue().setColumnPosition(3, 2);
    t.dialogues().answer(MessageAnswer::Ok);
    GetParam() ? liste().reinitialiser_Click() : liste().Enregistrer_disposition_Click();
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    const auto& question = t.dialogues().questions()[0];
    EXPECT_EQ(question.title, "Annulation de procédure");
    EXPECT_EQ(question.icon, MessageIcon::Critical);
    EXPECT_TRUE(question.text.contains("Colonnes.dat")) << question.text.toStdString();
    EXPECT_TRUE(std::filesystem::is_directory(fichierColonnes()));
    EXPECT_EQ(positions(), GetParam() ? kOrdreIndex : std::vector<int>({1, 3, 2, 4, 5, 6, 7, 8, 9}));
}

INSTANTIATE_TEST_SUITE_P(Cases, EcritureRatee, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "reset" : "save"; });

struct CasChargement {
    const char* nom;
    std::string contenu;  // "-" for no file at all
    std::vector<int> attendu;
};

class ChargementColonnes : public testing::TestWithParam<CasChargement> {};

TEST_P(ChargementColonnes, TheWindowLoadsWithItsNineColumnsInAValidOrder)
{
    test::ContexteDeTest t;
    if (GetParam().contenu != "-")
        test::writeFile(t.dossier() / "Colonnes.dat", test::bytesOf(GetParam().contenu));
    platform::ListView& vue = *t.ctx().fListe().Liste;
    std::vector<int> p;
    for (int c = 1; c <= 9; ++c)
        p.push_back(vue.columnPosition(c));
    EXPECT_EQ(p, GetParam().attendu);
    EXPECT_EQ(vue.columnCount(), 9);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChargementColonnes,
    testing::Values(CasChargement{"missing", "-", kOrdreIndex}, CasChargement{"empty", "", kOrdreIndex},
                    CasChargement{"notANumber", " 2 \r\n x \r\n", kOrdreIndex},
                    CasChargement{"outOfRange", " 2 \r\n 10 \r\n", kOrdreIndex},
                    CasChargement{"zero", " 0 \r\n", kOrdreIndex},
                    CasChargement{"tenLines", " 1 \r\n 2 \r\n 3 \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n 9 \r\n 1 \r\n",
                                  kOrdreIndex},
                    CasChargement{"twoLines", " 2 \r\n 1 \r\n", {2, 1, 3, 4, 5, 6, 7, 8, 9}},
                    CasChargement{"lastFirst", " 9 \r\n", {9, 1, 2, 3, 4, 5, 6, 7, 8}},
                    // Each position moves its column and shifts the others, as the list view does.
                    CasChargement{"allToTheLastSlot", "9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n",
                                  {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                    CasChargement{"reversed", "9\r\n8\r\n7\r\n6\r\n5\r\n4\r\n3\r\n2\r\n1\r\n",
                                  {9, 8, 7, 6, 5, 4, 3, 2, 1}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(FenetreTest, AFolderInPlaceOfTheFileLoadsInIndexOrder)
{
    std::filesystem::create_directory(fichierColonnes());
    EXPECT_EQ(positions(), kOrdreIndex);
}

// ---- Menus ----

TEST_F(FenetreTest, TheMenuBarHoldsItsNineMenus)
{
    QStringList titres;
    for (QAction* a : liste().menuBar()->actions())
        titres << a->text();
    EXPECT_EQ(titres, QStringList({"&Liste", "&Fichiers", "&Mode", "&Commandes", "&Affichage", "&Trier", "&Sélection",
                                   "&Favoris", "&?"}));
    for (const char* nom : {"Fonctions", "Sélection", "Playlist", "menu_aide", "Mode", "colonnes", "Paramètres_aléatoires"})
        ASSERT_NE(liste().menu(QString::fromUtf8(nom)), nullptr) << nom;
    EXPECT_EQ(liste().menu("Fonctions")->text(), "&Commandes");
    EXPECT_EQ(liste().menu("colonnes")->text(), "Paramètres des colonnes");
}

struct CasEntree {
    const char* nom;
    const char* legende;
    int blancs;
    const char* raccourci;
};

class EntreeMenuTest : public FenetreTest, public testing::WithParamInterface<CasEntree> {};

TEST_P(EntreeMenuTest, CarriesItsCaptionBlanksAndShortcut)
{
    QAction* entree = liste().menu(QString::fromUtf8(GetParam().nom));
    ASSERT_NE(entree, nullptr);
    EXPECT_EQ(entree->text(), QString::fromUtf8(GetParam().legende) + QString(GetParam().blancs, ' '));
    EXPECT_EQ(entree->shortcut(), QKeySequence(QString::fromLatin1(GetParam().raccourci)));
}

INSTANTIATE_TEST_SUITE_P(Cases, EntreeMenuTest,
    testing::Values(CasEntree{"Enregistrer", "Enregistrer  la Play-List", 0, "Ctrl+S"},
                    CasEntree{"Enregistrer_sous", "Enregistrer  la Play-List sous...", 10, ""},
                    CasEntree{"Sélectionner_tout", "Sélectionner tous les fichiers", 0, "Ctrl+A"},
                    CasEntree{"Live_Update", "Live Update des stations radios", 10, ""},
                    CasEntree{"Importation", "Importation de fichier(s) audio/vidéo", 10, "Ctrl+I"},
                    CasEntree{"Importation_emplac", "Importation depuis emplacement...", 0, "F11"},
                    CasEntree{"Supprimer", "Supprimer les fichiers sélectionnés", 0, "Del"},
                    CasEntree{"suppr_doublons", "Supprimer tous les doublons", 0, "Shift+Del"},
                    CasEntree{"vModeLect2", "Passer en mode manuel (lect. par fichier)", 10, "Ctrl+F3"},
                    CasEntree{"Atteindre", "Atteindre le fichiers en cours", 0, "F3"},
                    CasEntree{"vcmd_g", "Avance rapide", 10, "Shift+F7"},
                    CasEntree{"Enregistrer_disposition", "Enregistrer la disposition", 5, ""},
                    CasEntree{"reinitialiser", "Réinitialiser les paramètres", 5, ""},
                    CasEntree{"choix_affichage1", "Afficher la barre de recherches", 10, ""},
                    CasEntree{"toujour_premier_plan", "Toujour afficher le lecteur au 1er plan", 10, ""},
                    CasEntree{"ordre_tri0", "Nom du fichier", 0, "Shift+Ctrl+F1"},
                    CasEntree{"ordre_tri8", "Commentaires", 10, "Shift+Ctrl+F9"},
                    CasEntree{"Marquer_tout0", "Marquer tous les fichiers de la liste", 5, ""},
                    CasEntree{"cocher_aléatoirement", "Cocher aléatoirement les fichiers", 0, ""},
                    CasEntree{"choixFréquence3", "Fréquence très faible", 5, ""},
                    CasEntree{"Informations_selec", "Informations tailles et durées", 0, "F4"},
                    CasEntree{"Renommer_fichier", "Renommer la sélection", 0, "F2"},
                    CasEntree{"Renommer", "Renommer les fichiers en masse", 10, "Ctrl+R"},
                    CasEntree{"Ajouter_Favoris", "Gestion de la liste des favoris", 10, ""},
                    CasEntree{"liste_favoris0", "(aucun Favoris)", 0, ""},
                    CasEntree{"a_propos", "A propos de Tulvane ©", 5, ""},
                    CasEntree{"Support", "Support technique Online", 0, "F1"},
                    CasEntree{"cacher", "Cacher dans le Sys-Tray", 0, ""},
                    CasEntree{"voir_lecteur", "Afficher le lecteur Tulvane", 5, "F12"}),
    [](const auto& info) { return tulvane::test::caseName(info.param.nom); });

TEST_F(FenetreTest, ChecksStartAsTheMenusAreDrawn)
{
    for (const char* nom : {"vModeLect0", "choix_affichage0", "choix_affichage1", "choix_affichage2", "choixFréquence0"})
        EXPECT_TRUE(liste().menu(QString::fromUtf8(nom))->isChecked()) << nom;
    for (const char* nom : {"vModeLect1", "vModeLect3", "toujour_premier_plan", "choixFréquence1", "choixFréquence3"}) {
        EXPECT_TRUE(liste().menu(QString::fromUtf8(nom))->isCheckable()) << nom;
        EXPECT_FALSE(liste().menu(QString::fromUtf8(nom))->isChecked()) << nom;
    }
}

}  // namespace
