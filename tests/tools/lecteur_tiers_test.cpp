// A tag written by the editors reads back the same in TagLib.
#include "tools/ftag1.h"
#include "tools/ftag2.h"

#include "outils_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#ifdef TULVANE_AVEC_TAGLIB
#include <taglib/id3v1tag.h>
#include <taglib/mpegfile.h>
#endif

using namespace tulvane;

namespace {

struct TagAttendu {
    std::string titre, auteur, album;
    unsigned annee;
    std::string commentaire;
    unsigned genre;
};

class LecteurTiersTest : public test::ListeOutilsTest {
protected:
    void lireAvecTagLib([[maybe_unused]] const std::string& nom, [[maybe_unused]] const TagAttendu& attendu)
    {
#ifdef TULVANE_AVEC_TAGLIB
        TagLib::MPEG::File fichier(chemin(nom).c_str(), false);
        ASSERT_TRUE(fichier.isValid());
        const TagLib::ID3v1::Tag* tag = fichier.ID3v1Tag();
        ASSERT_NE(tag, nullptr);
        EXPECT_EQ(tag->title().to8Bit(true), attendu.titre);
        EXPECT_EQ(tag->artist().to8Bit(true), attendu.auteur);
        EXPECT_EQ(tag->album().to8Bit(true), attendu.album);
        EXPECT_EQ(tag->year(), attendu.annee);
        // TagLib keeps the comment's padding; the program pads with blanks, as the format wants.
        EXPECT_EQ(tag->comment().stripWhiteSpace().to8Bit(true), attendu.commentaire);
        EXPECT_EQ(tag->genreNumber(), attendu.genre);
#endif
    }

    void SetUp() override
    {
#ifndef TULVANE_AVEC_TAGLIB
        GTEST_SKIP() << "TagLib is not installed";
#endif
    }
};

TEST_F(LecteurTiersTest, TheSingleFileEditorsTagReadsTheSame)
{
    ajouter("un.mp3", test::mp3a64(20000));
    t.piste().setFileName("");
    tools::FTag1 d(t.ctx(), qchemin("un.mp3"), tools::lireValeursTag(chemin("un.mp3")));
    d.Text1->setText("Noël Dupré");
    d.Text2->setText("Chanson d'été");
    d.Text3->setText("Album à moi");
    d.Text4->setText("1987");
    d.Combo1->setCurrentIndex(d.Combo1->findText("Chanson"));
    d.Text5->setText("Écouté à Paris");
    d.Command3_Click();
    lireAvecTagLib("un.mp3", {"Chanson d'été", "Noël Dupré", "Album à moi", 1987, "Écouté à Paris", 102});
}

TEST_F(LecteurTiersTest, TheGlobalEditorsTagReadsTheSame)
{
    ajouter("deux.mp3", test::mp3a64(20000));
    t.piste().setFileName("");
    selectionner({1});
    tools::FTag2 d(t.ctx());
    d.Text1->setText("Mélodie");
    d.Text4->setText("2002");
    d.Check1[5]->setChecked(true);
    d.Combo1->setCurrentIndex(d.Combo1->findText("Synth Pop"));
    t.dialogues().answer(platform::MessageAnswer::Yes);
    t.dialogues().answer(platform::MessageAnswer::Ok);
    d.Command3_Click();
    lireAvecTagLib("deux.mp3", {"", "Mélodie", "", 2002, "", 147});
}

}  // namespace
