// Renaming a row's file in place, and pointing a row at another file.
#include "fenetre_liste.h"
#include "playlist/extensions.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <filesystem>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

class Renommage : public test::FenetreListe {
protected:
    QString a = t.fichier("a.mp3");
    QString dossier = QString::fromStdString(t.dossier().path().string());

    void SetUp() override
    {
        lignesDe({a, t.fichier("autre.mp3"), a});
        vue.setSubItem(1, playlist::kAuteur, "Auteur");
        vue.setSelected(1, true);
    }

    // The end of the edit of row 1, answering the message it may show; true when the list
    // view is to keep the old text.
    bool renommer(const QString& nom, bool avecMessage = true)
    {
        if (avecMessage)
            t.dialogues().answer(MessageAnswer::Ok);
        bool annuler = false;
        liste.Liste_AfterLabelEdit(1, annuler, nom);
        return annuler;
    }

    test::ScriptedDialogs::Question existeDeja(const QString& nom) const
    {
        return message("Un fichier portant le nom '" + nom + "' existe déjà !", "Attention", MessageIcon::Critical);
    }
};

TEST_F(Renommage, TheFileTakesTheNewNameAndEveryRowOfItsPathFollows)
{
    EXPECT_FALSE(renommer("b é.mp3", false));
    const QString nouveau = dossier + "/b é.mp3";
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_TRUE(QFile::exists(nouveau));
    EXPECT_EQ(chemins(), QStringList({nouveau, dossier + "/autre.mp3", nouveau}));
    EXPECT_EQ(vue.text(3), "b é.mp3");
    EXPECT_EQ(vue.subItem(1, playlist::kAuteur), "Auteur");
    EXPECT_TRUE(t.dialogues().questions().empty());
}

TEST_F(Renommage, ANameThatExistsOrIsUnchangedIsRefused)
{
    for (const QString& nom : {QString("autre.mp3"), QString("a.mp3")}) {
        EXPECT_TRUE(renommer(nom)) << nom.toStdString();
        EXPECT_EQ(t.dialogues().questions().back(), existeDeja(nom));
    }
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_EQ(chemins(), QStringList({a, dossier + "/autre.mp3", a}));
}

// A dangling link is no file, yet the name is taken: the rename must not replace it.
TEST_F(Renommage, ANameTakenByAnythingIsNeverReplaced)
{
    std::filesystem::create_symlink(t.dossier() / "nulle-part", t.dossier() / "lien.mp3");
    EXPECT_TRUE(renommer("lien.mp3"));
    EXPECT_EQ(t.dialogues().questions().back(), existeDeja("lien.mp3"));
    EXPECT_TRUE(std::filesystem::is_symlink(t.dossier() / "lien.mp3"));
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_EQ(liste.cheminLigne(1), a);
}

TEST_F(Renommage, ANameThatWouldLeaveTheFolderIsRefused)
{
    std::filesystem::create_directory(t.dossier() / "sous");
    for (const char* nom : {"../x.mp3", "sous/x.mp3", ".", "..", "", "/tmp/x.mp3"}) {
        EXPECT_TRUE(renommer(QString::fromUtf8(nom))) << nom;
        EXPECT_EQ(t.dialogues().questions().back(),
                  message(QString("Le nom '%1' n'est pas un nom de fichier valide !").arg(nom), "Attention",
                          MessageIcon::Critical))
            << nom;
    }
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_EQ(chemins(), QStringList({a, dossier + "/autre.mp3", a}));
}

TEST_F(Renommage, AFailedRenameIsSaidAndTheRowStaysAsItWas)
{
    QFile::remove(a);
    EXPECT_TRUE(renommer("b.mp3"));
    const auto& q = t.dialogues().questions().back();
    EXPECT_EQ(q.text, "Le fichier 'a.mp3' n'a pas pu être renommé en 'b.mp3' : le fichier est introuvable.");
    EXPECT_EQ(q.title, "Annulation de procédure");
    EXPECT_EQ(q.icon, MessageIcon::Critical);
    EXPECT_EQ(liste.cheminLigne(1), a);
    EXPECT_FALSE(QFile::exists(dossier + "/b.mp3"));
}

// The whole road: F2 opens the editor on the selected row, Enter ends the edit.
TEST_F(Renommage, EditingTheRowTextInTheListRenamesTheFile)
{
    liste.show();
    liste.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&liste));
    liste.menu("Renommer_fichier")->trigger();
    auto* editeur = vue.findChild<QLineEdit*>();
    ASSERT_NE(editeur, nullptr);
    editeur->setText("c.mp3");
    QTest::keyClick(editeur, Qt::Key_Return);
    // The editor confirms through a posted call, and the list answers through another.
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(vue.text(1), "c.mp3");
    EXPECT_EQ(liste.cheminLigne(1), dossier + "/c.mp3");
    EXPECT_TRUE(QFile::exists(dossier + "/c.mp3"));
}

TEST_F(Renommage, ARowPointedElsewhereKeepsItsTexts)
{
    const QString b = t.fichier("b.wav");
    t.dialogues().answerOpen({b});
    liste.menu("modifier_source")->trigger();
    t.dialogues().answerOpen({});
    liste.modifier_source_Click();
    const auto& q = t.dialogues().questions();
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].kind, test::ScriptedDialogs::Kind::Open);
    EXPECT_EQ(q[0].title, "Modifier la source du fichier");
    EXPECT_EQ(q[0].defaultText, a);
    EXPECT_EQ(q[0].filter, playlist::filtreMedias(t.ctx().vExtensions));
    EXPECT_FALSE(q[0].multiSelect);
    EXPECT_EQ(q[1].defaultText, b);
    EXPECT_EQ(chemins(), QStringList({b, dossier + "/autre.mp3", a}));
    EXPECT_EQ(vue.text(1), "a.mp3");
    EXPECT_EQ(vue.subItem(1, playlist::kAuteur), "Auteur");
}

}  // namespace
