// The editors and TagLib: a tag written by the editors reads back the same in TagLib, and a
// tag TagLib wrote keeps every byte the user did not change.
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

#include <functional>

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

    // An ID3v1.1 tag as TagLib writes it: NUL padding, the track number after the comment,
    // genre 255 when there is none.
    void ecrireAvecTagLib([[maybe_unused]] const std::string& nom, [[maybe_unused]] const TagAttendu& valeurs,
                          [[maybe_unused]] unsigned piste)
    {
        test::writeFile(chemin(nom), test::mp3a64(20000));
#ifdef TULVANE_AVEC_TAGLIB
        TagLib::MPEG::File fichier(chemin(nom).c_str(), false);
        TagLib::ID3v1::Tag* tag = fichier.ID3v1Tag(true);
        tag->setTitle(TagLib::String(valeurs.titre, TagLib::String::UTF8));
        tag->setArtist(TagLib::String(valeurs.auteur, TagLib::String::UTF8));
        tag->setAlbum(TagLib::String(valeurs.album, TagLib::String::UTF8));
        tag->setYear(valeurs.annee);
        tag->setComment(TagLib::String(valeurs.commentaire, TagLib::String::UTF8));
        tag->setGenreNumber(valeurs.genre);
        tag->setTrack(piste);
        ASSERT_TRUE(fichier.save(TagLib::MPEG::File::ID3v1));
#endif
        liste.fnAjouterFichierLite(qchemin(nom));
    }

    unsigned pisteSelonTagLib([[maybe_unused]] const std::string& nom)
    {
#ifdef TULVANE_AVEC_TAGLIB
        TagLib::MPEG::File fichier(chemin(nom).c_str(), false);
        if (const TagLib::ID3v1::Tag* tag = fichier.ID3v1Tag())
            return tag->track();
#endif
        return 0;
    }

    test::Bytes enregistrement(const std::string& nom)
    {
        const test::Bytes octets = test::readFile(chemin(nom));
        return {octets.end() - metadata::kTailleTag, octets.end()};
    }

    // The offsets outside [debut, fin) whose bytes changed.
    static std::vector<std::size_t> changesHors(const test::Bytes& avant, const test::Bytes& apres,
                                                std::size_t debut, std::size_t fin)
    {
        std::vector<std::size_t> changes;
        for (std::size_t i = 0; i < avant.size(); ++i)
            if ((i < debut || i >= fin) && apres.at(i) != avant[i])
                changes.push_back(i);
        return changes;
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

const TagAttendu kSept{"Titre", "Auteur", "Album", 1999, "Note", 17};
const TagAttendu kSansGenre{"Autre titre", "Noël", "", 1985, "", 255};

TEST_F(LecteurTiersTest, TheGlobalEditorKeepsEveryUntickedByte)
{
    ecrireAvecTagLib("sept.mp3", kSept, 7);
    ecrireAvecTagLib("trois.mp3", kSansGenre, 3);
    t.piste().setFileName("");
    selectionner({1, 2});
    const test::Bytes sept = enregistrement("sept.mp3"), trois = enregistrement("trois.mp3");

    tools::FTag2 d(t.ctx());
    d.Text4->setText("2001");
    t.dialogues().answer(platform::MessageAnswer::Yes);
    t.dialogues().answer(platform::MessageAnswer::Ok);
    d.Command3_Click();

    const std::vector<std::size_t> aucun;
    EXPECT_EQ(changesHors(sept, enregistrement("sept.mp3"), 93, 97), aucun);
    EXPECT_EQ(changesHors(trois, enregistrement("trois.mp3"), 93, 97), aucun);
    lireAvecTagLib("sept.mp3", {"Titre", "Auteur", "Album", 2001, "Note", 17});
    lireAvecTagLib("trois.mp3", {"Autre titre", "Noël", "", 2001, "", 255});
    EXPECT_EQ(pisteSelonTagLib("sept.mp3"), 7u);
    EXPECT_EQ(pisteSelonTagLib("trois.mp3"), 3u);
    // The row shows the genre the file still has: none.
    EXPECT_EQ(vue.subItem(1, playlist::kStyle), "Rock");
    EXPECT_EQ(vue.subItem(2, playlist::kStyle), "");
}

TEST_F(LecteurTiersTest, TheSingleFileEditorRewritesOnlyWhatTheUserChanged)
{
    struct Cas {
        const char* nom;
        std::function<void(tools::FTag1&)> modifier;
        std::size_t debut, fin;  // the bytes of the changed field
        TagAttendu attendu;
        unsigned piste;
    };
    const std::string trente(30, 'c');
    const std::vector<Cas> cas = {
        {"rien", [](tools::FTag1&) {}, 0, 0, kSansGenre, 3},
        {"titre", [](tools::FTag1& d) { d.Text2->setText("Nouveau"); }, 3, 33,
         {"Nouveau", "Noël", "", 1985, "", 255}, 3},
        {"retape", [](tools::FTag1& d) { d.Text1->setText("x"); d.Text1->setText("Noël"); }, 0, 0, kSansGenre, 3},
        {"genre", [](tools::FTag1& d) { d.Combo1->setCurrentIndex(d.Combo1->findText("Jazz")); }, 127, 128,
         {"Autre titre", "Noël", "", 1985, "", 8}, 3},
        {"commentaire", [](tools::FTag1& d) { d.Text5->setText("Court"); }, 97, 125,
         {"Autre titre", "Noël", "", 1985, "Court", 255}, 3},
        // A comment of 30 characters takes the track number's place.
        {"long", [&trente](tools::FTag1& d) { d.Text5->setText(QString::fromStdString(trente)); }, 97, 127,
         {"Autre titre", "Noël", "", 1985, trente, 255}, 0},
    };
    for (const Cas& c : cas) {
        const std::string nom = std::string(c.nom) + ".mp3";
        ecrireAvecTagLib(nom, kSansGenre, 3);
        t.piste().setFileName("");
        const test::Bytes avant = enregistrement(nom);
        tools::FTag1 d(t.ctx(), qchemin(nom), tools::lireValeursTag(chemin(nom)));
        EXPECT_EQ(d.Combo1->currentText(), "Other") << nom;
        c.modifier(d);
        d.Command3_Click();
        SCOPED_TRACE(nom);
        EXPECT_EQ(changesHors(avant, enregistrement(nom), c.debut, c.fin), std::vector<std::size_t>{});
        lireAvecTagLib(nom, c.attendu);
        EXPECT_EQ(pisteSelonTagLib(nom), c.piste);
        EXPECT_EQ(vue.subItem(vue.count(), playlist::kStyle), c.attendu.genre == 8 ? "Jazz" : "");
    }
}

}  // namespace
