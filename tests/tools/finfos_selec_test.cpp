// The selection totals dialog.
#include "tools/finfos_selec.h"

#include "outils_test.h"

#include <QLabel>
#include <QSignalSpy>

using namespace tulvane;

namespace {

class FInfosSelecTest : public test::ListeOutilsTest {
protected:
    QString valeur(const tools::FInfosSelec& d, std::size_t i) { return d.Label1[i]->text(); }
    // Count, size, total duration, mean bitrate, mean duration.
    QStringList valeurs(const tools::FInfosSelec& d)
    {
        QStringList v;
        for (std::size_t i = 9; i >= 5; --i)
            v << valeur(d, i);
        return v;
    }
};

TEST_F(FInfosSelecTest, TotalsTheSelectedRowsOnly)
{
    const std::vector<std::tuple<std::string, std::size_t, QString, QString>> fichiers = {
        {"a.mp3", 1000, "128 kbps", "03:20"},
        {"b.mp3", 2000, "192 kbps", "04:05"},
        {"pas_choisi.mp3", 5000000, "320 kbps", "09:59"},
        {"parti.mp3", 3000, "128 kbps", "02:35"}};
    for (const auto& [nom, taille, kbps, duree] : fichiers) {
        const int ligne = ajouter(nom, taille);
        vue.setSubItem(ligne, playlist::kKbps, kbps);
        vue.setSubItem(ligne, playlist::kDuree, duree);
    }
    std::filesystem::remove(chemin("parti.mp3"));
    // The player's row counts like any other when it is selected, and only then.
    t.piste().setFileName(qchemin("pas_choisi.mp3"));
    selectionner({1, 2, 4});

    tools::FInfosSelec d(t.ctx());
    EXPECT_EQ(d.windowTitle(), " Informations sélection");
    const std::vector<std::pair<std::size_t, QString>> legendes = {
        {0, "Quantité de fichiers :"}, {1, "Poid total :"}, {2, "Durée totale :"}, {3, "Qualité moyenne :"},
        {4, "Durée moyenne :"}};
    for (const auto& [i, texte] : legendes)
        EXPECT_EQ(valeur(d, i), texte);
    EXPECT_EQ(valeurs(d), (QStringList{"3 fichiers", "0'003 ko (0 Mo)", "10:00 min. (600 sec.)", "149 Kbps",
                                       "03:20 min. (200 sec.)"}));
}

TEST_F(FInfosSelecTest, WithoutASelectedRowTheMeansReadZero)
{
    ajouter("a.mp3");
    selectionner({});
    tools::FInfosSelec d(t.ctx());
    EXPECT_EQ(valeurs(d), (QStringList{"0 fichiers", "0'000 ko (0 Mo)", "00:00 min. (0 sec.)", "000 Kbps",
                                       "00:00 min. (0 sec.)"}));
}

TEST_F(FInfosSelecTest, TheMenuCommandOpensItAndCloseUnloadsIt)
{
    ajouter("a.mp3");
    auto vu = test::pendantDialogue<tools::FInfosSelec>([](tools::FInfosSelec& d) { d.Command1_Click(); });
    liste.menu("Informations_selec")->trigger();
    EXPECT_TRUE(*vu);
}

}  // namespace
