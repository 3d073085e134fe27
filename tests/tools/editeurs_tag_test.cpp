// The single-file and the global tag editors.
#include "tools/ftag1.h"
#include "tools/ftag2.h"

#include "metadata/genres.h"
#include "outils_test.h"
#include "player/module3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
namespace fs = std::filesystem;

namespace {

const test::Bytes kTagge = test::avecTag(2048, "Titre", "Auteur", "Album", "1999", "Note", 17);

class EditeurTagTest : public test::ListeOutilsTest {
protected:
    // Ends the test's additions: the player holds no file of the list.
    void lecteurVide() { t.piste().setFileName(""); }

    void lireSeule(const std::string& nom)
    {
        fs::permissions(chemin(nom), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

    std::vector<QString> ligne(int i)
    {
        std::vector<QString> textes;
        for (int k = 0; k <= 8; ++k)
            textes.push_back(vue.subItem(i, k));
        return textes;
    }
};

// ---- The genre lists ----

TEST_F(EditeurTagTest, TheGenreListIsAlphabeticalAndEachEntryCarriesItsNumber)
{
    tools::FTag1 d(t.ctx(), qchemin("x"), {});
    ASSERT_EQ(d.Combo1->count(), 148);
    for (int i = 0; i < d.Combo1->count(); ++i) {
        const int numero = d.Combo1->itemData(i).toInt();
        EXPECT_EQ(d.Combo1->itemText(i), QString::fromUtf8(metadata::nomGenre(numero)));
        if (i > 0) {
            EXPECT_LE(d.Combo1->itemText(i - 1).compare(d.Combo1->itemText(i), Qt::CaseInsensitive), 0);
        }
    }
    EXPECT_EQ(d.Combo1->itemText(0), "A Capella");
    EXPECT_EQ(d.Combo1->currentText(), "Other");
    EXPECT_EQ(d.Combo1->currentData().toInt(), 12);
    // "power Ballad" sorts among the P's.
    EXPECT_EQ(d.Combo1->itemText(d.Combo1->findText("power Ballad") - 1), "Porn Groove");
    d.Timer1_Timer();
    EXPECT_TRUE(d.Command3->isEnabled());
}

// ---- Single-file editor ----

TEST_F(EditeurTagTest, ThePlayersFileIsRefusedAndACaseVariantIsNot)
{
    ajouter("Piste.mp3", kTagge);
    t.piste().setFileName(qchemin("Piste.mp3"));
    t.dialogues().answer(MessageAnswer::Ok);
    auto vu = test::pendantDialogue<tools::FTag1>([](tools::FTag1& d) { d.Command1_Click(); });
    t.ctx().module3().fnEditerTag(qchemin("Piste.mp3"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(*vu);
    ASSERT_EQ(questions(), 1u);
    EXPECT_EQ(question().text, "Vous ne pouvez éditer les TAG-ID3 du fichier qui est en cours de lecture ou qui est "
                               "chargé dans le cache du lecteur.");
    EXPECT_EQ(question().title, "Procédure impossible");
    EXPECT_EQ(question().icon, MessageIcon::Critical);
    EXPECT_EQ(question().buttons, MessageButtons::Ok);

    t.piste().setFileName(qchemin("piste.mp3"));
    vu = test::pendantDialogue<tools::FTag1>([](tools::FTag1& d) {
        EXPECT_EQ(d.Text1->text(), "Auteur");
        d.Command1_Click();
    });
    t.ctx().module3().fnEditerTag(qchemin("Piste.mp3"));
    EXPECT_TRUE(*vu);
    EXPECT_EQ(questions(), 1u);
}

TEST_F(EditeurTagTest, OpensWithTheFilesTagAndSavesItIntoTheFileAndEveryRowOfIt)
{
    ajouter("a.mp3", kTagge);
    ajouter("A.MP3", kTagge);
    ajouter("a.mp3", kTagge);
    lecteurVide();
    const std::vector<QString> autre = ligne(2);

    tools::FTag1 d(t.ctx(), qchemin("a.mp3"), tools::lireValeursTag(chemin("a.mp3")));
    QSignalSpy ferme(&d, &QDialog::finished);
    EXPECT_EQ(d.windowTitle(), " Editeur de TAG-ID3");
    EXPECT_EQ(d.Text1->text(), "Auteur");
    EXPECT_EQ(d.Text2->text(), "Titre");
    EXPECT_EQ(d.Text3->text(), "Album");
    EXPECT_EQ(d.Text4->text(), "1999");
    EXPECT_EQ(d.Combo1->currentText(), "Rock");
    EXPECT_EQ(d.Text5->text(), "Note");
    EXPECT_EQ(d.Text6, qchemin("a.mp3"));

    const QString quarante = QString("Un titre de quarante caractères, voilà !").leftJustified(40, '.');
    d.Text1->setText("Été");
    d.Text2->setText(quarante);
    d.Text3->setText("");
    d.Text4->setText("2024");
    d.Combo1->setCurrentIndex(d.Combo1->findText("Chanson"));
    d.Text5->setText("Commentaire");
    d.Command3_Click();

    EXPECT_EQ(ferme.count(), 1);
    EXPECT_EQ(questions(), 0u);
    const metadata::TagID3 tag = test::tagDe(chemin("a.mp3"));
    EXPECT_EQ(tag.auteur, "Été");
    EXPECT_EQ(tag.titre, quarante.left(30).toStdString());
    EXPECT_EQ(tag.album, "");
    EXPECT_EQ(tag.annee, "2024");
    EXPECT_EQ(tag.commentaire, "Commentaire");
    EXPECT_EQ(tag.noStyle, 102);
    EXPECT_EQ(fs::file_size(chemin("a.mp3")), 2048u);
    for (int i : {1, 3}) {
        const std::vector<QString> l = ligne(i);
        EXPECT_EQ(l[playlist::kNomFichier], "a.mp3");
        EXPECT_EQ(l[playlist::kAuteur], "Été");
        EXPECT_EQ(l[playlist::kTitre], quarante);
        EXPECT_EQ(l[playlist::kAlbum], "");
        EXPECT_EQ(l[playlist::kStyle], "Chanson");
        EXPECT_EQ(l[playlist::kCommentaires], "Commentaire");
        EXPECT_EQ(l[playlist::kEmplacement], qchemin("a.mp3"));
    }
    EXPECT_EQ(ligne(2), autre);
}

TEST_F(EditeurTagTest, AnUntaggedFileOpensEmptyOnOtherAndSavingAddsATagOfGenre12)
{
    struct Cas {
        const char* nom;
        test::Bytes contenu;
        std::uint64_t tailleApres;
    };
    const std::vector<Cas> cas = {
        {"sans.mp3", test::Bytes(3000, 0), 3128},
        // The reader sees no tag in so short a file, the writer overwrites the one it has.
        {"court.mp3", test::avecTag(1024, "T", "A", "B", "1", "C", 17), 1024},
    };
    for (const Cas& c : cas) {
        ajouter(c.nom, c.contenu);
        lecteurVide();
        tools::FTag1 d(t.ctx(), qchemin(c.nom), tools::lireValeursTag(chemin(c.nom)));
        EXPECT_EQ(d.Combo1->currentText(), "Other") << c.nom;
        for (QLineEdit* boite : {d.Text1, d.Text2, d.Text3, d.Text4, d.Text5})
            EXPECT_EQ(boite->text(), "") << c.nom;
        d.Command3_Click();
        EXPECT_EQ(test::readFile(chemin(c.nom)).back(), 12) << c.nom;
        EXPECT_EQ(fs::file_size(chemin(c.nom)), c.tailleApres) << c.nom;
        EXPECT_EQ(vue.subItem(vue.count(), playlist::kStyle), "Other") << c.nom;
    }
}

// Shown as "Other", a genre byte that names no genre stays as it is unless the user picks one.
TEST_F(EditeurTagTest, AGenreAbove147LeftAsShownKeepsItsByte)
{
    ajouter("genre200.mp3", test::avecTag(3000, "T", "A", "B", "1", "C", 200));
    lecteurVide();
    tools::FTag1 d(t.ctx(), qchemin("genre200.mp3"), tools::lireValeursTag(chemin("genre200.mp3")));
    EXPECT_EQ(d.Combo1->currentText(), "Other");
    d.Text2->setText("Nouveau");
    d.Command3_Click();
    const metadata::TagID3 tag = test::tagDe(chemin("genre200.mp3"));
    EXPECT_EQ(tag.titre, "Nouveau");
    EXPECT_EQ(tag.noStyle, 200);
    EXPECT_EQ(vue.subItem(1, playlist::kStyle), "");
}

TEST_F(EditeurTagTest, AFileThatWasNotWrittenLeavesItsRowsAndSaysWhy)
{
    ajouter("protege.mp3", kTagge);
    ajouter("parti.mp3", kTagge);
    lecteurVide();
    lireSeule("protege.mp3");
    fs::remove(chemin("parti.mp3"));
    const std::vector<QString> avant1 = ligne(1), avant2 = ligne(2);

    {
        tools::FTag1 d(t.ctx(), qchemin("protege.mp3"), tools::lireValeursTag(chemin("protege.mp3")));
        QSignalSpy ferme(&d, &QDialog::finished);
        d.Text1->setText("Nouveau");
        t.dialogues().answer(MessageAnswer::Cancel);
        t.dialogues().answer(MessageAnswer::Ok);
        d.Command3_Click();
        ASSERT_EQ(questions(), 2u);
        EXPECT_EQ(question(0).title, "Enregistrer les modifications");
        EXPECT_EQ(question(0).icon, MessageIcon::Question);
        EXPECT_EQ(question(0).buttons, MessageButtons::OkCancel);
        EXPECT_EQ(question(1).text, "Le Tag-ID3 d'un fichier n'a pas pu être modifié :\nLe fichier « "
                                        + qchemin("protege.mp3") + " » est resté protégé en écriture.");
        EXPECT_EQ(question(1).title, "Annulation de procédure");
        EXPECT_EQ(question(1).icon, MessageIcon::Exclamation);
        EXPECT_EQ(ferme.count(), 0);
        EXPECT_EQ(test::readFile(chemin("protege.mp3")), kTagge);
        EXPECT_EQ(ligne(1), avant1);
    }
    {
        tools::FTag1 d(t.ctx(), qchemin("parti.mp3"), tools::lireValeursTag(chemin("parti.mp3")));
        EXPECT_EQ(d.Text1->text(), "");
        EXPECT_EQ(d.Combo1->currentText(), "Other");
        d.Text1->setText("Nouveau");
        t.dialogues().answer(MessageAnswer::Ok);
        d.Command3_Click();
        ASSERT_EQ(questions(), 3u);
        EXPECT_TRUE(question(2).text.startsWith("Le Tag-ID3 d'un fichier n'a pas pu être modifié :\n"));
        EXPECT_TRUE(question(2).text.contains(qchemin("parti.mp3")));
        EXPECT_FALSE(fs::exists(chemin("parti.mp3")));
        EXPECT_EQ(ligne(2), avant2);
    }
}

TEST_F(EditeurTagTest, TheMenuCommandEditsTheSelectedItemAndWantsOne)
{
    ajouter("a.mp3", kTagge);
    ajouter("b.mp3", kTagge);
    lecteurVide();
    selectionner({2});
    auto vu = test::pendantDialogue<tools::FTag1>([this](tools::FTag1& d) {
        EXPECT_EQ(d.Text6, qchemin("b.mp3"));
        d.Command1_Click();
    });
    liste.menu("editeur_tag")->trigger();
    EXPECT_TRUE(*vu);

    selectionner({});
    t.dialogues().answer(MessageAnswer::Ok);
    liste.menu("editeur_tag")->trigger();
    ASSERT_EQ(questions(), 1u);
    EXPECT_EQ(question().text, "Aucun fichier n'est sélectionné dans la liste.");
    EXPECT_EQ(question().title, "Procédure impossible");
}

// ---- Global editor ----

class EditeurGlobalTest : public EditeurTagTest {
protected:
    void confirmer(int nombre)
    {
        ASSERT_GE(questions(), 1u);
        EXPECT_EQ(question().text, QString("Les TAG-ID3 du/des %1 fichier(s) sélectionné(s) seront modifiés.\n"
                                           "Souhaitez-vous effectuer la procédure ?")
                                       .arg(nombre));
        EXPECT_EQ(question().title, "Editeur global");
        EXPECT_EQ(question().icon, MessageIcon::Question);
        EXPECT_EQ(question().buttons, MessageButtons::YesNo);
    }
    void succes(std::size_t i)
    {
        ASSERT_GT(questions(), i);
        EXPECT_EQ(question(i).text, "Les Tag-ID3 du/des fichier(s) sélectionné(s) ont été modifiés avec succès !");
        EXPECT_EQ(question(i).title, "Procédure effectuée");
        EXPECT_EQ(question(i).icon, MessageIcon::Information);
        EXPECT_EQ(question(i).buttons, MessageButtons::Ok);
    }
};

TEST_F(EditeurGlobalTest, TheYearAloneReachesEverySelectedFileButThePlayers)
{
    ajouter("joue.mp3", kTagge);
    ajouter("tagge.mp3", kTagge);
    ajouter("sans.mp3", test::Bytes(3000, 0));
    ajouter("pas_choisi.mp3", kTagge);
    t.piste().setFileName(qchemin("joue.mp3"));
    selectionner({1, 2, 3});

    tools::FTag2 d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    EXPECT_EQ(d.windowTitle(), "  Editeur de TAG-ID3 Global");
    EXPECT_EQ(d.vNbSelection, 3);
    d.Text4->setText("2001");
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(d.Check1[i]->isChecked(), i == 3) << i;

    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command3_Click();
    confirmer(3);
    succes(1);
    EXPECT_EQ(d.ProgressBar1->value(), 3);
    EXPECT_EQ(ferme.count(), 1);

    EXPECT_EQ(test::readFile(chemin("joue.mp3")), kTagge);
    EXPECT_EQ(test::readFile(chemin("pas_choisi.mp3")), kTagge);
    const metadata::TagID3 tagge = test::tagDe(chemin("tagge.mp3"));
    EXPECT_EQ(tagge.titre, "Titre");
    EXPECT_EQ(tagge.auteur, "Auteur");
    EXPECT_EQ(tagge.album, "Album");
    EXPECT_EQ(tagge.annee, "2001");
    EXPECT_EQ(tagge.commentaire, "Note");
    EXPECT_EQ(tagge.noStyle, 17);
    const metadata::TagID3 sans = test::tagDe(chemin("sans.mp3"));
    EXPECT_EQ(sans.titre, "");
    EXPECT_EQ(sans.annee, "2001");
    EXPECT_EQ(sans.noStyle, 12);
    EXPECT_EQ(fs::file_size(chemin("sans.mp3")), 3128u);
    EXPECT_EQ(vue.subItem(3, playlist::kStyle), "Other");
    EXPECT_EQ(vue.subItem(2, playlist::kStyle), "Rock");
}

TEST_F(EditeurGlobalTest, TickedFieldsTakeTheDialogsTextsEvenEmptied)
{
    ajouter("a.mp3", kTagge);
    ajouter("genre200.mp3", test::avecTag(3000, "T", "A", "B", "1", "C", 200));
    ajouter("a.mp3", kTagge);
    ajouter("a.mp3", kTagge);
    lecteurVide();
    selectionner({1, 2, 3});
    const std::vector<QString> nonChoisie = ligne(4);

    tools::FTag2 d(t.ctx());
    d.Text1->setText("Quelqu'un");
    d.Text5->setText("x");
    d.Text5->setText("");
    d.Check1[5]->setChecked(true);
    d.Combo1->setCurrentIndex(d.Combo1->findText("Jazz"));
    EXPECT_TRUE(d.Check1[4]->isChecked());
    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command3_Click();
    succes(1);

    for (const char* nom : {"a.mp3", "genre200.mp3"}) {
        const metadata::TagID3 tag = test::tagDe(chemin(nom));
        EXPECT_EQ(tag.auteur, "Quelqu'un") << nom;
        EXPECT_EQ(tag.commentaire, "") << nom;
        EXPECT_EQ(tag.noStyle, 8) << nom;
    }
    EXPECT_EQ(test::tagDe(chemin("a.mp3")).titre, "Titre");
    for (int i : {1, 2, 3}) {
        EXPECT_EQ(vue.subItem(i, playlist::kAuteur), "Quelqu'un") << i;
        EXPECT_EQ(vue.subItem(i, playlist::kStyle), "Jazz") << i;
        EXPECT_EQ(vue.subItem(i, playlist::kCommentaires), "") << i;
    }
    EXPECT_EQ(ligne(4), nonChoisie);
}

TEST_F(EditeurGlobalTest, AnUntickedGenreAbove147IsKept)
{
    ajouter("genre200.mp3", test::avecTag(3000, "T", "A", "B", "1", "C", 200));
    lecteurVide();
    selectionner({1});
    tools::FTag2 d(t.ctx());
    d.Text2->setText("Nouveau");
    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command3_Click();
    EXPECT_EQ(test::tagDe(chemin("genre200.mp3")).noStyle, 200);
    EXPECT_EQ(test::tagDe(chemin("genre200.mp3")).auteur, "A");
    EXPECT_EQ(vue.subItem(1, playlist::kStyle), "");
}

TEST_F(EditeurGlobalTest, NoLeavesTheDialogOpenWithItsContents)
{
    ajouter("a.mp3", kTagge);
    lecteurVide();
    selectionner({1});
    tools::FTag2 d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    d.Text1->setText("Quelqu'un");
    t.dialogues().answer(MessageAnswer::No);
    d.Command3_Click();
    EXPECT_EQ(ferme.count(), 0);
    EXPECT_EQ(d.Text1->text(), "Quelqu'un");
    EXPECT_EQ(test::readFile(chemin("a.mp3")), kTagge);
}

TEST_F(EditeurGlobalTest, NoSelectedRowChangesNothingAndStillSaysItWorked)
{
    ajouter("a.mp3", kTagge);
    lecteurVide();
    selectionner({});
    tools::FTag2 d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command3_Click();
    confirmer(0);
    succes(1);
    EXPECT_EQ(ferme.count(), 1);
    EXPECT_EQ(test::readFile(chemin("a.mp3")), kTagge);
}

TEST_F(EditeurGlobalTest, FilesThatWereNotWrittenKeepTheirRowsAndAreNamedInOneMessage)
{
    ajouter("protege.mp3", kTagge);
    ajouter("bon.mp3", kTagge);
    ajouter("parti.mp3", kTagge);
    lecteurVide();
    lireSeule("protege.mp3");
    fs::remove(chemin("parti.mp3"));
    selectionner({1, 2, 3});
    const std::vector<QString> avant1 = ligne(1), avant3 = ligne(3);

    tools::FTag2 d(t.ctx());
    QSignalSpy ferme(&d, &QDialog::finished);
    d.Text1->setText("Quelqu'un");
    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Cancel);  // leave protege.mp3 read-only
    t.dialogues().answer(MessageAnswer::Ok);
    d.Command3_Click();

    ASSERT_EQ(questions(), 3u);
    EXPECT_EQ(question(1).title, "Enregistrer les modifications");
    const QStringList lignes = question(2).text.split('\n');
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes[0], "Les Tag-ID3 de 2 fichiers n'ont pas pu être modifiés :");
    EXPECT_TRUE(lignes[1].contains(qchemin("protege.mp3")));
    EXPECT_TRUE(lignes[2].contains(qchemin("parti.mp3")));
    EXPECT_EQ(question(2).title, "Annulation de procédure");
    EXPECT_EQ(question(2).icon, MessageIcon::Exclamation);
    EXPECT_EQ(ferme.count(), 1);

    EXPECT_EQ(ligne(1), avant1);
    EXPECT_EQ(ligne(3), avant3);
    EXPECT_EQ(vue.subItem(2, playlist::kAuteur), "Quelqu'un");
    EXPECT_EQ(test::tagDe(chemin("bon.mp3")).auteur, "Quelqu'un");
}

TEST_F(EditeurGlobalTest, TheMenuCommandOpensIt)
{
    ajouter("a.mp3", kTagge);
    auto vu = test::pendantDialogue<tools::FTag2>([](tools::FTag2& d) {
        EXPECT_EQ(d.vNbSelection, 1);
        d.Command1_Click();
    });
    liste.menu("editeur_tag_global")->trigger();
    EXPECT_TRUE(*vu);
}

}  // namespace
