// Named pipes given to the play-list window as media files, as a play list or as the column
// layout file: none is waited on, each is treated like a file that cannot be read.
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "playlist/extensions.h"
#include "playlist/fliste.h"
#include "support/bytes.h"
#include "support/sans_attente.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace tulvane;
using test::revientSansAttendre;

namespace {

QString q(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

class FichiersSpeciaux : public testing::Test {
protected:
    FichiersSpeciaux()
    {
        test::creerFifo(fifo);
        playlist::fnInitExtensions(t.ctx());
    }

    test::ContexteDeTest t;
    std::filesystem::path fifo = t.dossier() / "tube.mp3";
};

TEST_F(FichiersSpeciaux, APipeDroppedOrChosenGivesAnUntaggedRowAtOnce)
{
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;
    EXPECT_TRUE(revientSansAttendre(fifo, [&] { liste.Liste_OLEDragDrop(QStringList{q(fifo)}, 0); }));
    t.dialogues().answerOpen({q(fifo)});
    EXPECT_TRUE(revientSansAttendre(fifo, [&] { liste.Importation_emplac_Click(); }));
    ASSERT_EQ(vue.count(), 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(vue.text(i), "tube.mp3");
        EXPECT_EQ(vue.subItem(i, playlist::kAuteur), "");
        EXPECT_EQ(vue.subItem(i, playlist::kKbps), "128 kbps");
        EXPECT_EQ(vue.subItem(i, playlist::kDuree), "");
        EXPECT_EQ(vue.subItem(i, playlist::kEmplacement), q(fifo));
    }
}

TEST_F(FichiersSpeciaux, AListWhoseFirstRowIsAPipeSurvivesTheFirstTick)
{
    QByteArray contenu = "### Tulvane PlayList\r\n";
    for (const QString& champ : {QString("tube.mp3"), QString("Auteur"), QString("Titre"), QString(), QString(),
                                 QString("192 kbps"), q(fifo), QString("03:00"), QString()})
        contenu += "\"" + champ.toUtf8() + "\"\r\n";
    test::writeFile(t.dossier() / "liste.tvl4", test::Bytes(contenu.begin(), contenu.end()));
    playlist::FListe& liste = t.ctx().fListe();
    liste.fnChargerListe(q(t.dossier() / "liste.tvl4"));
    ASSERT_EQ(t.piste().FileName(), q(fifo));

    EXPECT_TRUE(revientSansAttendre(fifo, [&] { liste.Timer1_Timer(); }));
    EXPECT_EQ(t.ctx().vIndexPiste, 1);
    EXPECT_EQ(t.ctx().fInterface().Label10->text(), "128 kbps");
    EXPECT_EQ(t.ctx().fInterface().Label11->text(), "Auteur - Titre");
}

TEST_F(FichiersSpeciaux, APipeOpenedAsThePlayListLoadsNothing)
{
    playlist::FListe& liste = t.ctx().fListe();
    liste.fnAjouterFichierLite(t.fichier("a.wav"));
    const QString joueur = t.piste().FileName();
    t.dialogues().answerOpen({q(fifo)});
    EXPECT_TRUE(revientSansAttendre(fifo, [&] { liste.Ouvrir_Click(); }));
    EXPECT_EQ(liste.Liste->count(), 0);
    EXPECT_EQ(t.ctx().vAdresseListe, q(fifo));
    EXPECT_EQ(t.piste().FileName(), joueur);
    EXPECT_EQ(t.dialogues().questions().size(), 1u);  // the open dialog, no message
}

TEST_F(FichiersSpeciaux, APipeAsTheColumnFileLeavesTheColumnsInOrder)
{
    const auto colonnes = t.dossier() / "Colonnes.dat";
    test::creerFifo(colonnes);
    playlist::FListe* liste = nullptr;
    EXPECT_TRUE(revientSansAttendre(colonnes, [&] { liste = &t.ctx().fListe(); }));
    for (int colonne = 1; colonne <= 9; ++colonne)
        EXPECT_EQ(liste->Liste->columnPosition(colonne), colonne);
}

}  // namespace
