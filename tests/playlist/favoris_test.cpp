// "Favoris.dat" and the favourites menu.
#include "fenetre_liste.h"
#include "playlist/favoris.h"
#include "playlist/playlist_file.h"
#include "support/bytes.h"

#include <QAction>
#include <QMenu>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using playlist::Favori;
using playlist::FavoriLu;

namespace {

struct CasLecture {
    const char* texte;
    std::vector<std::tuple<int, std::string, std::string>> favoris;
    int paires;
};

TEST(LectureFavoris, PairsOfLinesWithTheirNumbers)
{
    const std::vector<CasLecture> cas = {
        {"", {}, 0},
        {"Rock\r\n/m/rock.tvl4\r\n", {{1, "Rock", "/m/rock.tvl4"}}, 1},
        {"\r\n/m/vide.tvl4\r\nJazz\r\n/m/jazz.tvl4\r\n", {{2, "Jazz", "/m/jazz.tvl4"}}, 2},
        {"A\n/a\nB\r/b\r", {{1, "A", "/a"}, {2, "B", "/b"}}, 2},
        {" blanc \r\n chemin \r\n", {{1, " blanc ", " chemin "}}, 1},
        {"A\r\n/a\r\nSeul", {{1, "A", "/a"}, {2, "Seul", ""}}, 2},
        {"\r\n\r\n", {}, 1},
    };
    for (const CasLecture& c : cas) {
        const playlist::LectureFavoris lecture = playlist::lireFavoris(c.texte);
        std::vector<std::tuple<int, std::string, std::string>> lus;
        for (const FavoriLu& f : lecture.favoris)
            lus.emplace_back(f.entree, f.favori.nom, f.favori.chemin);
        EXPECT_EQ(lus, c.favoris) << c.texte;
        EXPECT_EQ(lecture.paires, c.paires) << c.texte;
    }
}

TEST(EcritureFavoris, TwoLinesEachAnEmptyNameKeptAndNoLineBreakInside)
{
    const std::vector<Favori> favoris = {{"Rock", "/m/rock.tvl4"}, {"", "/m/vide.tvl4"}, {"a\nb", "/m/c\r.tvl4"}};
    EXPECT_EQ(playlist::ecrireFavoris(favoris), "Rock\r\n/m/rock.tvl4\r\n\r\n/m/vide.tvl4\r\na b\r\n/m/c .tvl4\r\n");
    EXPECT_EQ(playlist::ecrireFavoris({}), "");
}

class Favoris : public test::FenetreListe {
protected:
    QMenu& menuFavoris() { return *liste.menu("Playlist")->menu(); }

    // The captions after the separator, with the data of each entry.
    std::vector<std::pair<QString, QString>> entrees()
    {
        std::vector<std::pair<QString, QString>> e;
        const QList<QAction*> actions = menuFavoris().actions();
        for (qsizetype i = 3; i < actions.size(); ++i)
            e.emplace_back(actions[i]->text(), actions[i]->data().toString());
        return e;
    }

    QAction& aucun() { return *liste.menu("liste_favoris0"); }

    void charger(const std::string& texte)
    {
        test::writeFile(t.dossier() / "Favoris.dat", test::bytesOf(texte));
        liste.fnChargerFavoris();
    }

    QString liste4(const QString& nom, const std::vector<std::string>& chemins)
    {
        std::vector<playlist::TextesLigne> lignes;
        for (const std::string& c : chemins)
            lignes.push_back({"n", "", "", "", "", "128 kbps", c, "", ""});
        std::vector<const playlist::TextesLigne*> pointeurs;
        for (const auto& l : lignes)
            pointeurs.push_back(&l);
        const auto chemin = t.dossier() / nom.toStdString();
        test::writeFile(chemin, test::bytesOf(playlist::ecrireFichierPlayList(pointeurs)));
        return QString::fromStdString(chemin.string());
    }
};

TEST_F(Favoris, WithoutTheFileOnlyTheManagerAndNoFavouriteShow)
{
    const QList<QAction*> actions = menuFavoris().actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "Gestion de la liste des favoris          ");
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2], &aucun());
    EXPECT_EQ(aucun().text(), "(aucun Favoris)");
    EXPECT_TRUE(aucun().isVisible());
    EXPECT_FALSE(aucun().isEnabled());
    charger("");
    EXPECT_TRUE(entrees().empty());
    EXPECT_TRUE(aucun().isVisible());
}

TEST_F(Favoris, TheFileInTheProgramFolderIsReadWhenTheWindowLoads)
{
    test::ContexteDeTest autre;
    test::writeFile(autre.dossier() / "Favoris.dat", test::bytesOf("R&ock\r\n/m/rock.tvl4\r\n\r\n/x\r\nJazz\r\n/j\r\n"));
    playlist::FListe& fenetre = autre.ctx().fListe();
    EXPECT_FALSE(fenetre.menu("liste_favoris0")->isVisible());
    EXPECT_EQ(fenetre.menu("liste_favoris1")->text(), "R&ock");  // the ampersand marks the access key
    EXPECT_EQ(fenetre.menu("liste_favoris1")->data().toString(), "/m/rock.tvl4");
    EXPECT_EQ(fenetre.menu("liste_favoris2"), nullptr);
    EXPECT_EQ(fenetre.menu("liste_favoris3")->text(), "Jazz");
    EXPECT_TRUE(fenetre.menu("liste_favoris3")->isEnabled());
}

TEST_F(Favoris, MoreThanFiftyFavouritesAreAllThere)
{
    std::string texte;
    for (int i = 1; i <= 60; ++i)
        texte += "F" + std::to_string(i) + "\r\n/m/" + std::to_string(i) + ".tvl4\r\n";
    charger(texte);
    charger(texte);  // loading again replaces the entries
    ASSERT_EQ(entrees().size(), 60u);
    EXPECT_EQ(entrees()[59], std::make_pair(QString("F60"), QString("/m/60.tvl4")));
    EXPECT_EQ(liste.menu("liste_favoris60")->text(), "F60");
}

TEST_F(Favoris, SavingWritesTheFileWholeAndRebuildsTheMenuFromIt)
{
    charger("Ancien\r\n/a\r\n");
    std::vector<Favori> favoris;
    for (int i = 1; i <= 55; ++i)
        favoris.push_back({"F" + std::to_string(i), "/m/" + std::to_string(i) + ".tvl4"});
    favoris[1].nom = "";
    ASSERT_TRUE(liste.fnEnregistrerFavoris(favoris).ok());
    const test::Bytes ecrit = test::readFile(t.dossier() / "Favoris.dat");
    EXPECT_EQ(std::string(ecrit.begin(), ecrit.end()), playlist::ecrireFavoris(favoris));
    ASSERT_EQ(entrees().size(), 55u);
    EXPECT_EQ(entrees()[1].first, "") << "the manager's rows keep their entries";
    EXPECT_FALSE(aucun().isVisible());

    ASSERT_TRUE(liste.fnEnregistrerFavoris({}).ok());
    EXPECT_TRUE(entrees().empty());
    EXPECT_TRUE(aucun().isVisible());
}

TEST_F(Favoris, AFailedSaveLeavesTheOldFileAndTheMenuAndSaysWhy)
{
    charger("Ancien\r\n/a\r\n");
    std::filesystem::remove(t.dossier() / "Favoris.dat");
    std::filesystem::create_directory(t.dossier() / "Favoris.dat");
    const platform::TextWrite resultat = liste.fnEnregistrerFavoris(std::vector<Favori>{{"Nouveau", "/n"}});
    EXPECT_FALSE(resultat.ok());
    EXPECT_TRUE(resultat.error.contains("Favoris.dat")) << resultat.error.toStdString();
    EXPECT_TRUE(std::filesystem::is_directory(t.dossier() / "Favoris.dat"));
    EXPECT_EQ(entrees(), (std::vector<std::pair<QString, QString>>{{"Ancien", "/a"}}));
    EXPECT_FALSE(aucun().isVisible());
}

TEST_F(Favoris, OpeningAFavouriteAsksFirst)
{
    const QString chemin = liste4("rock.tvl4", {"/m/1.mp3", "/m/2.mp3"});
    charger("Mon rock\r\n" + chemin.toStdString() + "\r\n");
    const auto question = message("Souhaitez-vous ouvrir la liste : Mon rock ?", "Attention", MessageIcon::Question,
                                  MessageButtons::YesNo);
    t.dialogues().answer(MessageAnswer::No);
    liste.menu("liste_favoris1")->trigger();
    EXPECT_EQ(vue.count(), 0);
    EXPECT_EQ(t.ctx().vNomListe, "");
    t.dialogues().answer(MessageAnswer::Yes);
    liste.menu("liste_favoris1")->trigger();
    EXPECT_EQ(t.dialogues().questions(), std::vector({question, question}));
    EXPECT_EQ(chemins(), QStringList({"/m/1.mp3", "/m/2.mp3"}));
    EXPECT_EQ(t.ctx().vAdresseListe, chemin);
    EXPECT_EQ(t.ctx().vNomListe, "rock");
}

TEST_F(Favoris, AFavouriteWhoseFileIsGoneIsSaidAndStays)
{
    remplir(2);
    charger("Disparue\r\n/nulle/part.tvl4\r\n");
    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Ok);
    liste.liste_favoris_Click(1);
    EXPECT_EQ(t.dialogues().questions().back(),
              message("La liste 'Disparue' que vous tentez d'ouvrir n'existe pas !", "Erreur d'ouverture",
                      MessageIcon::Exclamation));
    EXPECT_EQ(vue.count(), 2);
    EXPECT_NE(liste.menu("liste_favoris1"), nullptr);
}

}  // namespace
