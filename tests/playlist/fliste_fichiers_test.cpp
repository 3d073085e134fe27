#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"
#include "support/bytes.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageIcon;
using test::ScriptedDialogs;

namespace {

class FichiersTest : public testing::Test {
protected:
    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();
    playlist::FListe& liste = ctx.fListe();
    platform::ListView& vue = *liste.Liste;

    QString chemin(const QString& nom) { return QDir(QString::fromStdString(t.dossier().path().string())).filePath(nom); }

    void remplir(const QStringList& noms)
    {
        for (const QString& nom : noms)
            liste.fnAjouterFichierLite(t.fichier(nom));
    }

    QString enregistrerSous(const QString& nom)
    {
        t.dialogues().answerSave(chemin(nom));
        t.dialogues().answer(MessageAnswer::Ok);
        liste.Enregistrer_sous_Click();
        return chemin(nom);
    }

    void ouvrir(const QString& fichier)
    {
        t.dialogues().answerOpen({fichier});
        liste.Ouvrir_Click();
    }

    const ScriptedDialogs::Question& derniere() { return t.dialogues().questions().back(); }

    QString ecrireFichier(const QString& nom, const QByteArray& contenu)
    {
        QFile f(chemin(nom));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenu);
        return chemin(nom);
    }

    QByteArray lireFichier(const QString& fichier)
    {
        QFile f(fichier);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
};

TEST_F(FichiersTest, SaveAsThenOpenGivesBackTheRowsAndNamesTheList)
{
    remplir({"a.wav", "b.wav", "a.wav"});
    vue.setSubItem(2, 2, "Un, deux");
    vue.setChecked(2, true);
    const QString fichier = enregistrerSous("rock.tvl4");
    EXPECT_EQ(derniere().text, "La Play-List active a été enregistrée avec succès !");
    EXPECT_EQ(derniere().title, "Procédure effectuée");
    EXPECT_EQ(derniere().icon, MessageIcon::Information);
    EXPECT_EQ(ctx.vAdresseListe, fichier);
    EXPECT_EQ(ctx.vNomListe, "rock.tvl4");

    std::vector<QStringList> avant;
    for (int i = 1; i <= vue.count(); ++i) {
        QStringList textes{vue.text(i)};
        for (int k = 1; k <= 8; ++k)
            textes << vue.subItem(i, k);
        avant.push_back(textes);
    }
    ouvrir(fichier);
    EXPECT_EQ(ctx.vNomListe, "rock");
    ASSERT_EQ(vue.count(), 3);
    for (int i = 1; i <= 3; ++i) {
        QStringList textes{vue.text(i)};
        for (int k = 1; k <= 8; ++k)
            textes << vue.subItem(i, k);
        EXPECT_EQ(textes, avant[static_cast<std::size_t>(i - 1)]);
        EXPECT_FALSE(vue.isChecked(i));
        EXPECT_EQ(vue.isSelected(i), i == 1);
    }
    EXPECT_EQ(t.piste().FileName(), vue.subItem(1, 6));
    EXPECT_TRUE(vue.isBold(1));
    EXPECT_TRUE(vue.isBold(3));  // the same path
}

TEST_F(FichiersTest, SaveWithoutAKnownFileAsksForOneAndCancelChangesNothing)
{
    remplir({"a.wav"});
    t.dialogues().answerSave("");
    liste.Enregistrer_Click();
    EXPECT_EQ(derniere().kind, ScriptedDialogs::Kind::Save);
    EXPECT_EQ(derniere().title, "Enregistrer sous...");
    EXPECT_EQ(derniere().filter, "Play-List Tulvane (*.tvl4)|*.tvl4");
    EXPECT_EQ(ctx.vAdresseListe, "");
    EXPECT_EQ(ctx.vNomListe, "");
}

TEST_F(FichiersTest, SaveWritesToTheKnownFile)
{
    remplir({"a.wav"});
    const QString fichier = enregistrerSous("liste.tvl4");
    remplir({"b.wav"});
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Enregistrer_Click();
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lignes = f.readAll().split('\n');
    EXPECT_EQ(lignes.size(), 1 + 18 + 1);  // header, two rows, the empty tail after the last line end
    EXPECT_EQ(lignes[0], "### Tulvane PlayList\r");
}

TEST_F(FichiersTest, SaveSelectionCountsTheRowsWritten)
{
    remplir({"a.wav", "b.wav", "c.wav"});
    vue.setSelected(1, false);
    vue.setSelected(2, true);
    vue.setSelected(3, true);
    t.dialogues().answerSave(chemin("sel.tvl4"));
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Enregistrer_selection_Click();
    EXPECT_EQ(derniere().text, "2 fichiers sélectionnés ont été enregistrés avec succès !");
    EXPECT_EQ(ctx.vAdresseListe, "");  // save selection names nothing

    for (int i = 1; i <= 3; ++i)
        vue.setSelected(i, false);
    t.dialogues().answerSave(chemin("vide.tvl4"));
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Enregistrer_selection_Click();
    EXPECT_EQ(derniere().text, "0 fichiers sélectionnés ont été enregistrés avec succès !");
    ouvrir(chemin("vide.tvl4"));
    EXPECT_EQ(vue.count(), 0);
}

TEST_F(FichiersTest, AHeaderOnlyFileEmptiesTheListAndThePlayer)
{
    remplir({"a.wav"});
    QFile f(chemin("vide.tvl4"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("autre chose\r\n");
    f.close();
    t.piste().clearCalls();
    ouvrir(chemin("vide.tvl4"));
    EXPECT_EQ(vue.count(), 0);
    EXPECT_EQ(t.piste().FileName(), "");
    const auto& appels = t.piste().calls();
    EXPECT_NE(std::find(appels.begin(), appels.end(), "Decharger"), appels.end());
    EXPECT_EQ(ctx.vNomListe, "vide");
}

TEST_F(FichiersTest, ANameOfFiveCharactersOrFewerLeavesTheListUnnamed)
{
    remplir({"a.wav"});
    const QString fichier = enregistrerSous("a.tvl");
    ouvrir(fichier);
    EXPECT_EQ(ctx.vNomListe, "");
    liste.Timer1_Timer();
    EXPECT_EQ(liste.Panels[0]->text(), "Liste sans nom");
}

TEST_F(FichiersTest, AFileCutShortKeepsTheRowsReadAndLeavesThePlayerAlone)
{
    remplir({"a.wav", "b.wav"});
    const QString fichier = enregistrerSous("deux.tvl4");
    QByteArray contenu;
    {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        contenu = f.readAll();
    }
    contenu.chop(12);
    {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenu);
    }
    const QString joueur = t.piste().FileName();
    ouvrir(fichier);
    EXPECT_EQ(vue.count(), 1);
    EXPECT_EQ(ctx.vAdresseListe, fichier);
    EXPECT_EQ(t.piste().FileName(), joueur);
}

TEST_F(FichiersTest, OpeningAMissingFileEmptiesTheListWithoutAMessage)
{
    remplir({"a.wav"});
    const std::size_t questions = t.dialogues().questions().size();
    ouvrir(chemin("absente.tvl4"));
    EXPECT_EQ(vue.count(), 0);
    EXPECT_EQ(ctx.vAdresseListe, chemin("absente.tvl4"));
    EXPECT_EQ(t.dialogues().questions().size(), questions + 1);  // only the open dialog
}

TEST_F(FichiersTest, AFailedSaveSaysSoAndKeepsTheOldFile)
{
    remplir({"a.wav"});
    const QString fichier = enregistrerSous("garde.tvl4");
    QFile(fichier).setPermissions(QFile::ReadOwner);
    remplir({"b.wav"});
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Enregistrer_Click();
    EXPECT_EQ(derniere().title, "Annulation de procédure");
    EXPECT_EQ(derniere().icon, MessageIcon::Critical);
    EXPECT_TRUE(derniere().text.contains(fichier));
    ouvrir(fichier);
    EXPECT_EQ(vue.count(), 1);
}

TEST_F(FichiersTest, NewListAsksFirstAndOnYesEmptiesEverything)
{
    remplir({"a.wav"});
    enregistrerSous("x.tvl4");
    t.dialogues().answer(MessageAnswer::No);
    liste.nouvelle_Click();
    EXPECT_EQ(vue.count(), 1);
    EXPECT_EQ(derniere().title, "Attention");
    EXPECT_EQ(derniere().icon, MessageIcon::Critical);
    EXPECT_EQ(derniere().buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(derniere().text,
              "Si vous créez une nouvelle Play-List, la liste actuelle sera écrasée\n"
              "et si vous souhaitez la conservez, vous devez l'enregistrer.\n\n"
              "Souhaitez-vous créer la nouvelle Play-Liste ?");

    ctx.vEtat = 1;
    t.dialogues().answer(MessageAnswer::Yes);
    liste.nouvelle_Click();
    EXPECT_EQ(vue.count(), 0);
    EXPECT_EQ(ctx.vAdresseListe, "");
    EXPECT_EQ(ctx.vNomListe, "");
    EXPECT_EQ(t.piste().FileName(), "");
    EXPECT_EQ(ctx.vEtat, 1);  // the state is not touched
}

TEST_F(FichiersTest, AListWrittenOnTheOriginalPlatformOpensWithItsAccents)
{
    QByteArray contenu = "### Tulvane PlayList\r\n";
    for (const char* champ : {"\"\xE9t\xE9.mp3\"", "\"No\xEBl\"", "\"\"", "\"\"", "\"\"", "\"128 kbps\"",
                              "\"/m/\xE9t\xE9.mp3\"", "\"\"", "\"\""})
        contenu += QByteArray(champ) + "\r\n";
    QFile f(chemin("ancienne.tvl4"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    f.close();
    ouvrir(chemin("ancienne.tvl4"));
    ASSERT_EQ(vue.count(), 1);
    EXPECT_EQ(vue.text(1), "été.mp3");
    EXPECT_EQ(vue.subItem(1, 1), "Noël");
}

TEST_F(FichiersTest, AListWithCrOnlyLineEndsOpensWithItsRows)
{
    remplir({"a.wav", "b.wav"});
    const QString fichier = enregistrerSous("mac.tvl4");
    ecrireFichier("mac.tvl4", lireFichier(fichier).replace("\r\n", "\r"));
    t.dialogues().answer(MessageAnswer::Yes);
    liste.nouvelle_Click();

    ouvrir(fichier);
    ASSERT_EQ(vue.count(), 2);
    EXPECT_EQ(vue.text(2), "b.wav");
    EXPECT_EQ(vue.subItem(2, 6), t.fichier("b.wav"));
    EXPECT_EQ(t.piste().FileName(), t.fichier("a.wav"));
}

TEST_F(FichiersTest, OneWindows1252LineAmongUtf8LinesKeepsEveryAccent)
{
    QByteArray contenu = "### Tulvane PlayList\r\n";
    for (const char* champ : {"\"\xC3\xA9t\xC3\xA9.mp3\"", "\"No\xEBl\"", "\"\"", "\"\"", "\"\"",
                              "\"128 kbps\"", "\"/m/\xC3\xA9t\xC3\xA9.mp3\"", "\"\"", "\"d\xC3\xA9j\xC3\xA0\""})
        contenu += QByteArray(champ) + "\r\n";
    ouvrir(ecrireFichier("melange.tvl4", contenu));
    ASSERT_EQ(vue.count(), 1);
    EXPECT_EQ(vue.text(1), "été.mp3");
    EXPECT_EQ(vue.subItem(1, 1), "Noël");
    EXPECT_EQ(vue.subItem(1, 6), "/m/été.mp3");
    EXPECT_EQ(vue.subItem(1, 8), "déjà");
}

// A file without even its header line is no play list: nothing is loaded and nothing is
// lost, not even the name under which the shown rows are saved.
TEST_F(FichiersTest, AnEmptyFileLeavesTheListAndThePlayerAsTheyWere)
{
    remplir({"a.wav", "b.wav"});
    const QString garde = enregistrerSous("garde.tvl4");
    const QString vide = ecrireFichier("vide.tvl4", {});
    const QString joueur = t.piste().FileName();
    const std::size_t questions = t.dialogues().questions().size();
    t.piste().clearCalls();

    ouvrir(vide);
    EXPECT_EQ(vue.count(), 2);
    EXPECT_EQ(vue.subItem(2, 6), t.fichier("b.wav"));
    EXPECT_EQ(t.piste().FileName(), joueur);
    EXPECT_TRUE(t.piste().calls().empty());
    EXPECT_EQ(ctx.vAdresseListe, garde);
    EXPECT_EQ(ctx.vNomListe, "garde.tvl4");
    EXPECT_EQ(t.dialogues().questions().size(), questions + 1);  // only the open dialog
    EXPECT_TRUE(lireFichier(vide).isEmpty());
}

}  // namespace
