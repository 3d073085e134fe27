// A full disk while the play list or the column layout is saved: the old file stays as it was,
// the user is told why, and nothing is left behind.
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"
#include "support/bytes.h"
#include "support/petit_disque.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tulvane;
using platform::MessageAnswer;

namespace {

// The program's folder of the test context becomes a 64 KiB disk.
class DisquePlein : public testing::Test {
protected:
    void SetUp() override
    {
        if (!disque.monte())
            GTEST_SKIP() << disque.raison();
    }

    QString chemin(const QString& nom) const
    {
        return QDir(QString::fromStdString(t.dossier().path().string())).filePath(nom);
    }

    std::filesystem::path fichier(const QString& nom) const { return t.dossier() / nom.toStdString(); }

    void remplacerLignes(int n)
    {
        std::vector<std::vector<QString>> lignes;
        for (int i = 1; i <= n; ++i) {
            const QString nom = QString("piste%1.mp3").arg(i, 4, 10, QChar('0'));
            lignes.push_back({nom, "Artiste", QString("Titre n° %1").arg(i), "Album", "Rock", "128 kbps",
                              "/musique/" + nom, "03:07", ""});
        }
        vue.clear();
        vue.addItems(std::move(lignes));
    }

    // The message of the last failure, the old bytes and the folder as they should stay.
    void attendreEchec(const QString& nom, const test::Bytes& avant)
    {
        const test::ScriptedDialogs::Question& message = t.dialogues().questions().back();
        EXPECT_EQ(message.title.toStdString(), "Annulation de procédure");
        EXPECT_EQ(message.icon, platform::MessageIcon::Critical);
        EXPECT_EQ(message.text.toStdString(),
                  "Impossible d'enregistrer le fichier '" + chemin(nom).toStdString() + "' : le disque est plein.");
        EXPECT_EQ(test::readFile(fichier(nom)), avant);
        const QStringList entrees =
            QDir(chemin("")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        QStringList attendues{nom, "remplissage"};
        attendues.sort();
        EXPECT_EQ(entrees.join(" ").toStdString(), attendues.join(" ").toStdString());
    }

    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;
    test::PetitDisque disque{t.dossier().path(), 64 * 1024};
};

struct Sauvegarde {
    const char* nom;
    int lignes;
    std::size_t libre;  // bytes left on the disk
    bool selection;
};

void PrintTo(const Sauvegarde& s, std::ostream* out)
{
    *out << s.nom;
}

class ListeSurDisquePlein : public DisquePlein, public testing::WithParamInterface<Sauvegarde> {};

TEST_P(ListeSurDisquePlein, KeepsTheOldFileAndSaysTheDiskIsFull)
{
    const Sauvegarde c = GetParam();
    remplacerLignes(2);
    t.dialogues().answerSave(chemin("rock.tvl4"));
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Enregistrer_sous_Click();
    const test::Bytes avant = test::readFile(fichier("rock.tvl4"));
    ASSERT_FALSE(avant.empty());

    remplacerLignes(c.lignes);
    disque.remplir(c.libre);
    if (c.selection) {
        for (int i = 1; i <= vue.count(); ++i)
            vue.setSelected(i, true);
        t.dialogues().answerSave(chemin("rock.tvl4"));
        t.dialogues().answer(MessageAnswer::Ok);
        liste.Enregistrer_selection_Click();
    } else {
        t.dialogues().answer(MessageAnswer::Ok);
        liste.Enregistrer_Click();
    }
    attendreEchec("rock.tvl4", avant);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListeSurDisquePlein,
                         testing::Values(Sauvegarde{"three_rows", 3, 0, false},
                                         Sauvegarde{"thousand_rows", 1000, 0, false},
                                         Sauvegarde{"thousand_rows_one_page_free", 1000, 4096, false},
                                         Sauvegarde{"selection_of_three_rows", 3, 0, true}),
                         [](const testing::TestParamInfo<Sauvegarde>& info) { return std::string(info.param.nom); });

TEST_F(DisquePlein, BothColumnCommandsKeepTheOldLayoutFile)
{
    const test::Bytes avant = test::bytesOf(" 2 \r\n 1 \r\n");
    test::writeFile(fichier("Colonnes.dat"), avant);
    disque.remplir();
    const auto essayer = [&](const auto& commande) {
        t.dialogues().answer(MessageAnswer::Ok);
        commande();
        attendreEchec("Colonnes.dat", avant);
    };
    essayer([&] { liste.Enregistrer_disposition_Click(); });
    essayer([&] { liste.reinitialiser_Click(); });
}

}  // namespace
