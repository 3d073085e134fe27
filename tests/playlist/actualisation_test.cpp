// The refresh of the play list: the order of its questions, and the rows it rewrites.
#include "fenetre_liste.h"
#include "player/fpiste.h"
#include "playlist/actualisation.h"
#include "support/media.h"

#include <QApplication>
#include <QProgressBar>

#include <deque>
#include <numeric>
#include <random>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using playlist::ReponseLigneAbsente;

namespace {

// ---- The order of the pass ----

struct Deroulement {
    std::vector<int> questions;  // the rows asked about, by their number in the first list
    std::vector<int> lues;       // the rows read, each once, in the order first read
    std::vector<int> restantes;
};

// The pass as the command describes it: from row 1, and from row 1 again after each removal.
Deroulement litteral(int n, const std::vector<bool>& existe, std::deque<ReponseLigneAbsente> reponses)
{
    Deroulement d;
    std::vector<int> lignes(static_cast<std::size_t>(n));
    std::iota(lignes.begin(), lignes.end(), 1);
    for (bool reprendre = true; reprendre;) {
        reprendre = false;
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            const int id = lignes[i];
            if (existe[std::size_t(id)]) {
                if (std::find(d.lues.begin(), d.lues.end(), id) == d.lues.end())
                    d.lues.push_back(id);
                continue;
            }
            d.questions.push_back(id);
            const ReponseLigneAbsente r = reponses.front();
            reponses.pop_front();
            if (r == ReponseLigneAbsente::Arreter) {
                d.restantes = lignes;
                return d;
            }
            if (r == ReponseLigneAbsente::Supprimer) {
                lignes.erase(lignes.begin() + std::ptrdiff_t(i));
                reprendre = true;
                break;
            }
        }
    }
    d.restantes = lignes;
    return d;
}

Deroulement notre(int n, const std::vector<bool>& existe, std::deque<ReponseLigneAbsente> reponses)
{
    Deroulement d;
    std::vector<int> lignes(static_cast<std::size_t>(n));
    std::iota(lignes.begin(), lignes.end(), 1);
    const auto id = [&lignes](int ligne) { return lignes.at(std::size_t(ligne - 1)); };
    playlist::EtapesActualisation etapes;
    etapes.relire = [&](int ligne) {
        if (!existe[std::size_t(id(ligne))])
            return false;
        d.lues.push_back(id(ligne));
        return true;
    };
    etapes.demander = [&](int ligne) {
        d.questions.push_back(id(ligne));
        const ReponseLigneAbsente r = reponses.front();
        reponses.pop_front();
        return r;
    };
    etapes.supprimer = [&](int ligne) { lignes.erase(lignes.begin() + (ligne - 1)); };
    playlist::actualiserLignes(n, etapes);
    d.restantes = lignes;
    return d;
}

TEST(OrdreActualisation, AsksTheSameQuestionsAsAPassRestartedAfterEachRemoval)
{
    std::mt19937 hasard(12);
    for (int essai = 0; essai < 2000; ++essai) {
        const int n = int(hasard() % 14);
        std::vector<bool> existe(std::size_t(n) + 1);
        for (int i = 1; i <= n; ++i)
            existe[std::size_t(i)] = hasard() % 5 < 3;
        std::deque<ReponseLigneAbsente> reponses;
        for (int i = 0; i < 200; ++i) {
            const unsigned tirage = hasard() % 20;
            reponses.push_back(tirage == 0 ? ReponseLigneAbsente::Arreter
                                           : tirage < 10 ? ReponseLigneAbsente::Supprimer : ReponseLigneAbsente::Garder);
        }
        const Deroulement attendu = litteral(n, existe, reponses);
        const Deroulement obtenu = notre(n, existe, reponses);
        ASSERT_EQ(obtenu.questions, attendu.questions) << "essai " << essai;
        ASSERT_EQ(obtenu.lues, attendu.lues) << "essai " << essai;
        ASSERT_EQ(obtenu.restantes, attendu.restantes) << "essai " << essai;
    }
}

// A kept row whose file is back by the next pass is read, not asked about.
TEST(OrdreActualisation, AKeptRowWhoseFileCameBackIsRead)
{
    std::vector<bool> existe = {false, false, false, true};
    std::vector<std::string> journal;
    std::vector<int> lignes = {1, 2, 3};
    playlist::EtapesActualisation etapes;
    const auto id = [&lignes](int ligne) { return lignes[std::size_t(ligne - 1)]; };
    etapes.relire = [&](int ligne) {
        if (!existe[std::size_t(id(ligne))])
            return false;
        journal.push_back("lire " + std::to_string(id(ligne)));
        return true;
    };
    etapes.demander = [&](int ligne) {
        journal.push_back("demander " + std::to_string(id(ligne)));
        if (id(ligne) == 1)
            return ReponseLigneAbsente::Garder;
        existe[1] = true;
        return ReponseLigneAbsente::Supprimer;
    };
    etapes.supprimer = [&](int ligne) { lignes.erase(lignes.begin() + (ligne - 1)); };
    playlist::actualiserLignes(3, etapes);
    EXPECT_EQ(journal, std::vector<std::string>({"demander 1", "demander 2", "lire 1", "lire 3"}));
    EXPECT_EQ(lignes, std::vector<int>({1, 3}));
}

// ---- The command ----

class Actualisation : public test::FenetreListe {
protected:
    QString tague(const QString& nom, const std::string& auteur, const std::string& titre)
    {
        const QString chemin = QString::fromStdString((t.dossier() / nom.toStdString()).string());
        test::writeFile(chemin.toStdString(), test::mp3Tague(4000, auteur, titre));
        return chemin;
    }

    // Rows whose texts are those of another time.
    void anciennesLignes(const QStringList& chemins)
    {
        std::vector<std::vector<QString>> lignes;
        for (const QString& chemin : chemins)
            lignes.push_back({"nom " + chemin.mid(chemin.lastIndexOf('/') + 1), "vieil auteur", "vieux titre",
                              "vieil album", "Jazz", "256 kbps", chemin, "09:09", "vieux commentaire"});
        vue.addItems(std::move(lignes));
    }

    QStringList cellules(int ligne) const
    {
        QStringList c;
        for (int k = 0; k <= 8; ++k)
            c << vue.subItem(ligne, k);
        return c;
    }

    test::ScriptedDialogs::Question introuvable(const QString& chemin) const
    {
        return message("Le fichier '" + chemin + "' est introuvable.\nSouhaitez-vous le supprimer de la liste ?\n\n"
                       "(Pour annuler l'actualisation de la liste, cliquez sur Annuler)",
                       "Erreur d'actualisation", MessageIcon::Critical, MessageButtons::YesNoCancel);
    }

    void actualiser(std::initializer_list<MessageAnswer> reponses)
    {
        t.dialogues().answer(MessageAnswer::Yes);
        for (MessageAnswer r : reponses)
            t.dialogues().answer(r);
        liste.menu("Actualiser")->trigger();
    }

    QString absent(const QString& nom) const
    {
        return QString::fromStdString((t.dossier() / nom.toStdString()).string());
    }
};

TEST_F(Actualisation, NoToTheFirstQuestionChangesNothing)
{
    anciennesLignes({tague("a.mp3", "Auteur", "Titre")});
    const QStringList avant = cellules(1);
    t.dialogues().answer(MessageAnswer::No);
    liste.Toolbar1_ButtonClick(11);
    EXPECT_EQ(cellules(1), avant);
    EXPECT_EQ(t.dialogues().questions(),
              std::vector({message("Souhaitez-vous actualiser tous les éléments de la liste ?", "Actualiser la Play-List",
                                   MessageIcon::Question, MessageButtons::YesNo)}));
}

TEST_F(Actualisation, EveryRowIsReadAgainAndThePlayersRowRepainted)
{
    const QString a = tague("a.mp3", "Auteur A", "Titre A");
    const QString b = t.fichier("b.wav");  // neither tag nor frame
    anciennesLignes({a, b, a});
    t.piste().setFileName(a);
    vue.setBold(2, true);
    actualiser({});
    EXPECT_EQ(cellules(1), QStringList({"nom a.mp3", "Auteur A", "Titre A", "Album", "Rock", "128 kbps", a, "00:00",
                                        "Un commentaire"}));
    EXPECT_EQ(cellules(2), QStringList({"nom b.wav", "", "", "", "", "128 kbps", b, "", ""}));
    EXPECT_EQ(cellules(3), cellules(1));
    for (int i : {1, 3}) {
        EXPECT_TRUE(vue.isBold(i));
        EXPECT_EQ(vue.foreColor(i), 0xFF0000u);
    }
    EXPECT_FALSE(vue.isBold(2));
    EXPECT_FALSE(liste.ProgressBar1->isVisible());
    EXPECT_EQ(t.dialogues().questions().size(), 1u);
}

TEST_F(Actualisation, MissingFilesAnsweredNoStaySelectedWithTheirTexts)
{
    const QString a = tague("a.mp3", "A", "A");
    anciennesLignes({absent("x.mp3"), a, absent("y.mp3")});
    actualiser({MessageAnswer::No, MessageAnswer::No});
    const auto& q = t.dialogues().questions();
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[1], introuvable(absent("x.mp3")));
    EXPECT_EQ(q[2], introuvable(absent("y.mp3")));
    EXPECT_EQ(selection(), std::vector<bool>({true, false, true}));
    EXPECT_EQ(vue.subItem(1, playlist::kAuteur), "vieil auteur");
    EXPECT_EQ(vue.subItem(2, playlist::kAuteur), "A");
}

TEST_F(Actualisation, YesRemovesTheRowAndTheNewPassAsksAgainAboutTheKeptOnes)
{
    const QString a = tague("a.mp3", "A", "A");
    anciennesLignes({absent("x.mp3"), a, absent("y.mp3"), a});
    actualiser({MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::No});
    const auto& q = t.dialogues().questions();
    ASSERT_EQ(q.size(), 4u);
    EXPECT_EQ(q[1], introuvable(absent("x.mp3")));
    EXPECT_EQ(q[2], introuvable(absent("y.mp3")));
    EXPECT_EQ(q[3], introuvable(absent("x.mp3")));
    EXPECT_EQ(chemins(), QStringList({absent("x.mp3"), a, a}));
    EXPECT_EQ(vue.subItem(3, playlist::kAuteur), "A");
}

TEST_F(Actualisation, CancelStopsThereAndStillRepaints)
{
    const QString a = tague("a.mp3", "A", "A");
    anciennesLignes({a, absent("x.mp3"), a});
    t.piste().setFileName(a);
    actualiser({MessageAnswer::Cancel});
    EXPECT_EQ(vue.subItem(1, playlist::kAuteur), "A");
    EXPECT_EQ(vue.subItem(3, playlist::kAuteur), "vieil auteur");
    EXPECT_EQ(vue.count(), 3);
    EXPECT_TRUE(vue.isBold(3)) << "the final repaint ran";
    EXPECT_FALSE(liste.ProgressBar1->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A file that exists but cannot be read keeps its row's texts; the rows after it are read.
TEST_F(Actualisation, AnUnreadableFileKeepsItsTextsAndTheRefreshGoesOn)
{
    const QString a = tague("a.mp3", "A", "A");
    anciennesLignes({"/proc/self/mem", a});  // a regular file whose first bytes cannot be read
    actualiser({});
    EXPECT_EQ(vue.subItem(1, playlist::kAuteur), "vieil auteur");
    EXPECT_EQ(vue.subItem(1, playlist::kDuree), "09:09");
    EXPECT_EQ(vue.subItem(2, playlist::kAuteur), "A");
    EXPECT_EQ(t.dialogues().questions().size(), 1u);
}

}  // namespace
