// The CSV export of the selected rows.
#include "fenetre_liste.h"
#include "playlist/export_csv.h"
#include "support/bytes.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageIcon;

namespace {

TEST(ExportCsv, FieldsAreQuotedWithTheirQuotesDoubled)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cas = {
        {{"a", "b"}, "\"a\";\"b\"\r\n"},
        {{"", "", ""}, "\"\";\"\";\"\"\r\n"},
        {{"x;y", "dit \"non\""}, "\"x;y\";\"dit \"\"non\"\"\"\r\n"},
        {{"\""}, "\"\"\"\"\r\n"},
        {{" blancs "}, "\" blancs \"\r\n"},
    };
    for (const auto& [valeurs, attendu] : cas) {
        std::string sortie;
        playlist::ajouterLigneCsv(sortie, valeurs);
        EXPECT_EQ(sortie, attendu);
    }
    std::string entete;
    playlist::ajouterEnteteCsv(entete, std::vector<std::string>{"Nom", "Durée"});
    EXPECT_EQ(entete, "\"Nom\";\"Durée\";\r\n");
}

constexpr const char* kEntete =
    "\"Nom du fichier\";\"Auteur\";\"Titre\";\"Album\";\"Style\";\"Kbps\";\"Emplacement\";\"Durée\";\"Commentaires\";\r\n";

class Export : public test::FenetreListe {
protected:
    QString cible = QString::fromStdString((t.dossier() / "export.csv").string());

    void SetUp() override
    {
        vue.addItems({{"un.mp3", "A1", "T1", "", "Rock", "128 kbps", "/m/un.mp3", "03:00", ""},
                      {"deux.mp3", "Zoé", "Titre", "Album", "Pop", "064 kbps", "/m/deux.mp3", "10:00",
                       "dit \"oui\"; puis non"},
                      {"trois.mp3", "", "", "", "", "128 kbps", "/m/trois.mp3", "", ""},
                      {"quatre.mp3"},
                      {"cinq.mp3", "", "", "", "", "320 kbps", "/m/cinq.mp3", "", "« fin »"}});
    }

    std::string exporter(const QString& nom)
    {
        t.dialogues().answerSave(nom);
        t.dialogues().answer(MessageAnswer::Ok);
        liste.Toolbar1_ButtonClick(5);
        const test::Bytes octets = test::readFile(nom.toStdString());
        return std::string(octets.begin(), octets.end());
    }

    test::ScriptedDialogs::Question succes(int n) const
    {
        return message(QString("%1 fichiers ont été exportées au format CSV avec succès !").arg(n),
                       "Opération effectuée", MessageIcon::Information);
    }
};

TEST_F(Export, TheSelectedRowsInListOrderUnderTheHeader)
{
    selectionner({false, true, false, false, true});
    vue.setColumnPosition(3, 2);  // "Titre" dragged in front of "Auteur"
    EXPECT_EQ(exporter(cible), std::string(kEntete)
                                   + "\"deux.mp3\";\"Zoé\";\"Titre\";\"Album\";\"Pop\";\"064 kbps\";\"/m/deux.mp3\";"
                                     "\"10:00\";\"dit \"\"oui\"\"; puis non\"\r\n"
                                   + "\"cinq.mp3\";\"\";\"\";\"\";\"\";\"320 kbps\";\"/m/cinq.mp3\";\"\";\"« fin »\"\r\n");
    const auto& q = t.dialogues().questions();
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].kind, test::ScriptedDialogs::Kind::Save);
    EXPECT_EQ(q[0].title, "Exporter au format CSV");
    EXPECT_EQ(q[0].filter, "Fichier CSV (*.csv)|*.csv");
    EXPECT_EQ(q[0].defaultText, "");
    EXPECT_EQ(q[1], succes(2));
    EXPECT_EQ(selection(), std::vector<bool>({false, true, false, false, true}));
}

TEST_F(Export, WithNoRowSelectedTheFileHoldsTheHeaderAlone)
{
    test::writeFile(cible.toStdString(), test::bytesOf("ancien contenu bien plus long que l'en-tête, ancien contenu"));
    EXPECT_EQ(exporter(cible), kEntete);
    EXPECT_EQ(t.dialogues().questions().back(), succes(0));
}

TEST_F(Export, CancellingWritesNothingAndSaysNothing)
{
    t.dialogues().answerSave("");
    liste.Exporter_Click();
    EXPECT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(cible.toStdString()));
}

TEST_F(Export, AFileThatCannotBeWrittenIsSaidAndNothingIsLeft)
{
    const QString perdu = QString::fromStdString((t.dossier() / "parti" / "export.csv").string());
    t.dialogues().answerSave(perdu);
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Exporter_Click();
    const auto& q = t.dialogues().questions().back();
    EXPECT_EQ(q.title, "Annulation de procédure");
    EXPECT_EQ(q.icon, MessageIcon::Critical);
    EXPECT_TRUE(q.text.contains(perdu)) << q.text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(t.dossier() / "parti"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Another program reads the file back: Python's csv module with the semicolon.
TEST_F(Export, PythonsCsvReaderGetsTheRowsValuesBack)
{
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    vue.addItems({{"quote\".mp3", "a;b", "\"\"", ";", " x ", "128 kbps", "/m/quote\".mp3", "", "é\"è;"}});
    selectionner({true, true, true, true, true, true});
    exporter(cible);

    QProcess lecteur;
    lecteur.start(python, {"-c",
                           "import csv, json, sys\n"
                           "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                           "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n",
                           cible});
    ASSERT_TRUE(lecteur.waitForFinished(30000));
    ASSERT_EQ(lecteur.exitCode(), 0) << lecteur.readAllStandardError().toStdString();
    const QJsonArray lignes = QJsonDocument::fromJson(lecteur.readAllStandardOutput()).array();
    ASSERT_EQ(lignes.size(), 7);
    QStringList entete;
    for (int colonne = 1; colonne <= 9; ++colonne)
        entete << vue.columnCaption(colonne);
    entete << "";
    EXPECT_EQ(lignes[0].toVariant().toStringList(), entete);
    for (int i = 1; i <= 6; ++i) {
        QStringList valeurs;
        for (int k = 0; k <= 8; ++k)
            valeurs << vue.subItem(i, k);
        EXPECT_EQ(lignes[i].toVariant().toStringList(), valeurs) << "row " << i;
    }
}

}  // namespace
