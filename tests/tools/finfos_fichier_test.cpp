// The file-information dialog, its rows and their text export.
#include "tools/finfos_fichier.h"
#include "tools/informations_fichier.h"

#include "outils_test.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

using namespace tulvane;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

TEST(InformationsFichier, SizeIsTheShortestTextOfTheQuotient)
{
    const std::vector<std::tuple<std::uint64_t, const char*, std::string>> cas = {
        {999, ",", "0,999"}, {500, ",", "0,5"},  {2000000, ",", "2000"}, {0, ",", "0"},
        {999, ".", "0.999"}, {1234567, ".", "1234.567"}, {1, ",", "0,001"}, {123456789012345678, ".", "123456789012346"}};
    for (const auto& [octets, separateur, texte] : cas)
        EXPECT_EQ(tools::formaterKilo(octets, separateur), texte) << octets;
}

TEST(InformationsFichier, AnEmptyValueLeavesTheLabelAloneAndTheBitrateAlwaysHasOne)
{
    tools::SourceInformations source;
    source.emplacement = "/m/a.mp3";
    source.nomFichier = "a.mp3";
    source.tag.auteur = "Moi";
    source.tag.commentaire = "";
    const auto lignes = tools::lignesInformations(source, ",");
    EXPECT_EQ(tools::ExportTXT(lignes), "Emplacement : /m/a.mp3\r\nNom du fichier : a.mp3\r\nTaille\r\nDurée\r\n\r\n"
                                        "Qualité audio : 128 kbps\r\nFormat stéréo\r\n\r\nAuteur : Moi\r\nTitre\r\n"
                                        "Album\r\nAnnée\r\nStyle\r\nCommentaires\r\n");
}

class FInfosFichierTest : public test::ListeOutilsTest {
protected:
    QString valeur(const tools::FInfosFichier& d, int ligne) { return d.ListView1->subItem(ligne, 1); }
};

TEST_F(FInfosFichierTest, ExportsTheFourteenLinesOfAnUntaggedFileByteForByte)
{
    std::filesystem::create_directory(chemin("Sons"));
    ajouter("Sons/x.wav", 2000000);
    ajouter("autre.wav");
    selectionner({1});
    tools::FInfosFichier d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);

    EXPECT_EQ(d.windowTitle(), " Informations fichier");
    ASSERT_EQ(d.ListView1->count(), 14);
    for (int ligne = 1; ligne <= 14; ++ligne)
        EXPECT_TRUE(d.ListView1->isBold(ligne)) << ligne;

    const QString export_ = qchemin("infos.txt");
    t.dialogues().answerSave(export_);
    d.Command3_Click();

    const test::ScriptedDialogs::Question& q = question();
    EXPECT_EQ(q.kind, test::ScriptedDialogs::Kind::Save);
    EXPECT_EQ(q.title, "Exporter au format *.TXT");
    EXPECT_EQ(q.filter, "Fichier texte (*.txt)|*.txt");
    EXPECT_EQ(q.defaultText, "");
    const std::string attendu = "Emplacement : " + chemin("Sons/x.wav").string()
                              + "\r\nNom du fichier : x.wav\r\nTaille : 2000 ko\r\nDurée\r\n\r\n"
                                "Qualité audio : 128 kbps\r\nFormat stéréo\r\n\r\nAuteur\r\nTitre\r\nAlbum\r\n"
                                "Année\r\nStyle\r\nCommentaires\r\n";
    EXPECT_EQ(test::readFile(chemin("infos.txt")), test::bytesOf(attendu));
    EXPECT_EQ(ferme.count(), 1);
    EXPECT_EQ(questions(), 1u);
}

TEST_F(FInfosFichierTest, SizeFollowsTheLocalesDecimalSeparator)
{
    const QLocale avant;
    ajouter("petit.wav", 999);
    selectionner({1});
    for (const auto& [langue, attendu] : {std::pair{QLocale::French, "0,999 ko"}, std::pair{QLocale::English, "0.999 ko"}}) {
        QLocale::setDefault(QLocale(langue));
        tools::FInfosFichier d(t.ctx());
        EXPECT_EQ(valeur(d, 3), attendu);
    }
    QLocale::setDefault(avant);
}

TEST_F(FInfosFichierTest, ShowsTheFramesAndTheTagOfTheSelectedItem)
{
    test::Bytes contenu = test::mp3a64(48000);
    const test::Bytes tag = test::avecTag(128, "Titre", "Auteur", "Album", "1999", "", 17);
    contenu.insert(contenu.end(), tag.begin(), tag.end());
    ajouter("a.mp3");
    ajouter("b.mp3", contenu);
    selectionner({2});
    // The list writes the bitrate with three digits, the dialog as the frame gives it.
    ASSERT_EQ(vue.subItem(2, playlist::kKbps), "064 kbps");

    const std::vector<std::pair<QString, QString>> attendues = {
        {"Emplacement", qchemin("b.mp3")}, {"Nom du fichier", "b.mp3"}, {"Taille", "48,128 ko"},
        {"Durée", "00:06"}, {"", ""}, {"Qualité audio", "64 kbps"}, {"Format stéréo", "Joint Stereo"},
        {"", ""}, {"Auteur", "Auteur"}, {"Titre", "Titre"}, {"Album", "Album"}, {"Année", "1999"},
        {"Style", "Rock"}, {"Commentaires", ""}};
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French));
    tools::FInfosFichier francais(t.ctx());
    QLocale::setDefault(avant);
    for (int ligne = 1; ligne <= 14; ++ligne) {
        EXPECT_EQ(francais.ListView1->text(ligne), attendues[std::size_t(ligne - 1)].first) << ligne;
        EXPECT_EQ(valeur(francais, ligne), attendues[std::size_t(ligne - 1)].second) << ligne;
    }
}

TEST_F(FInfosFichierTest, AFileOf1024BytesShowsNoTagEvenWhenItEndsWithOne)
{
    ajouter("court.mp3", test::avecTag(1024, "Titre", "Auteur", "Album", "1999", "Note", 17));
    selectionner({1});
    tools::FInfosFichier d(t.ctx());
    for (int ligne = 9; ligne <= 14; ++ligne)
        EXPECT_EQ(valeur(d, ligne), "") << ligne;
}

TEST_F(FInfosFichierTest, AFileGoneSinceItWasListedShowsNoSize)
{
    ajouter("parti.wav");
    selectionner({1});
    std::filesystem::remove(chemin("parti.wav"));
    tools::FInfosFichier d(t.ctx());
    EXPECT_EQ(valeur(d, 3), "");
    EXPECT_EQ(valeur(d, 6), "128 kbps");
}

TEST_F(FInfosFichierTest, CancellingTheSaveDialogWritesNothingAndStaysOpen)
{
    ajouter("a.wav");
    selectionner({1});
    tools::FInfosFichier d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    t.dialogues().answerSave("");
    d.Command3_Click();
    EXPECT_EQ(ferme.count(), 0);
    EXPECT_EQ(questions(), 1u);
}

TEST_F(FInfosFichierTest, AnExportThatCannotBeWrittenIsToldAndTheDialogStaysOpen)
{
    ajouter("a.wav");
    selectionner({1});
    tools::FInfosFichier d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    const QString impossible = qchemin("absent/infos.txt");
    t.dialogues().answerSave(impossible);
    t.dialogues().answer(platform::MessageAnswer::Ok);
    d.Command3_Click();

    ASSERT_EQ(questions(), 2u);
    EXPECT_TRUE(question(1).text.contains(impossible)) << question(1).text.toStdString();
    EXPECT_EQ(question(1).title, "Annulation de procédure");
    EXPECT_EQ(question(1).icon, MessageIcon::Critical);
    EXPECT_EQ(question(1).buttons, MessageButtons::Ok);
    EXPECT_FALSE(std::filesystem::exists(chemin("absent")));
    EXPECT_EQ(ferme.count(), 0);
}

TEST_F(FInfosFichierTest, TheListPassesTheFocusOnToThePictureBox)
{
    ajouter("a.wav");
    selectionner({1});
    tools::FInfosFichier d(t.ctx());
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.ListView1->setFocus();
    EXPECT_TRUE(d.Picture1->hasFocus());
}

TEST_F(FInfosFichierTest, CloseLeavesWithoutWriting)
{
    ajouter("a.wav");
    selectionner({1});
    tools::FInfosFichier d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    d.Command1_Click();
    EXPECT_EQ(ferme.count(), 1);
    EXPECT_EQ(questions(), 0u);
}

}  // namespace
