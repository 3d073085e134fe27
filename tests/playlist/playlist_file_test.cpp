#include "playlist/playlist_file.h"

#include <gtest/gtest.h>

using namespace tulvane::playlist;

namespace {

TextesLigne ligne(const std::string& chemin, const std::string& titre = "Titre")
{
    return {"a.mp3", "Auteur", titre, "Album", "Rock", "128 kbps", chemin, "03:07", "comm"};
}

std::string ecrire(const std::vector<TextesLigne>& lignes)
{
    std::vector<const TextesLigne*> pointeurs;
    for (const auto& l : lignes)
        pointeurs.push_back(&l);
    return ecrireFichierPlayList(pointeurs);
}

}  // namespace

TEST(FichierPlayList, EmptyListIsTheHeaderLineAlone)
{
    EXPECT_EQ(ecrire({}), "### Tulvane PlayList\r\n");
    const auto lecture = lireFichierPlayList("### Tulvane PlayList\r\n");
    EXPECT_TRUE(lecture.lignes.empty());
    EXPECT_TRUE(lecture.complet);
}

TEST(FichierPlayList, WritesNineQuotedLinesPerRow)
{
    const std::string texte = ecrire({ligne("/m/a.mp3")});
    EXPECT_EQ(texte, "### Tulvane PlayList\r\n\"a.mp3\"\r\n\"Auteur\"\r\n\"Titre\"\r\n\"Album\"\r\n"
                     "\"Rock\"\r\n\"128 kbps\"\r\n\"/m/a.mp3\"\r\n\"03:07\"\r\n\"comm\"\r\n");
}

TEST(FichierPlayList, RoundTripKeepsOrderDuplicatesCommasAndAccents)
{
    const std::vector<TextesLigne> lignes = {ligne("/m/b.mp3", "Un, deux, trois"),
                                             ligne("/m/b.mp3", "Été « déjà »"),
                                             ligne("/m/a.mp3", "")};
    const auto lecture = lireFichierPlayList(ecrire(lignes));
    EXPECT_TRUE(lecture.complet);
    EXPECT_EQ(lecture.lignes, lignes);
}

TEST(FichierPlayList, QuotesAndLineBreaksInsideAFieldKeepTheRowsAligned)
{
    const std::vector<TextesLigne> lignes = {ligne("/m/a.mp3", "Il a dit \"oui\""),
                                             ligne("/m/b.mp3", "deux\r\nlignes\n")};
    const auto lecture = lireFichierPlayList(ecrire(lignes));
    ASSERT_EQ(lecture.lignes.size(), 2u);
    EXPECT_EQ(lecture.lignes[0][2], "Il a dit \"oui\"");
    EXPECT_EQ(lecture.lignes[1][2], "deux  lignes ");
    EXPECT_EQ(lecture.lignes[1][6], "/m/b.mp3");
}

TEST(FichierPlayList, ARowCutShortIsDroppedAndTheReadReportsIt)
{
    std::string texte = ecrire({ligne("/m/a.mp3"), ligne("/m/b.mp3")});
    texte.resize(texte.size() - 10);  // the second row loses its last line
    const auto lecture = lireFichierPlayList(texte);
    EXPECT_FALSE(lecture.complet);
    ASSERT_EQ(lecture.lignes.size(), 1u);
    EXPECT_EQ(lecture.lignes[0][6], "/m/a.mp3");
}

struct LigneALaMain {
    const char* nom;
    std::string ligne;
    std::string champ;
};

class ChampALaMain : public testing::TestWithParam<LigneALaMain> {};

TEST_P(ChampALaMain, ReadsAsExpected)
{
    std::string texte = "autre en-tête\n";
    for (int j = 0; j < 9; ++j)
        texte += (j == 2 ? GetParam().ligne : "\"x\"") + "\n";
    const auto lecture = lireFichierPlayList(texte);
    ASSERT_EQ(lecture.lignes.size(), 1u);
    EXPECT_EQ(lecture.lignes[0][2], GetParam().champ);
}

INSTANTIATE_TEST_SUITE_P(LF, ChampALaMain,
    testing::Values(LigneALaMain{"twoQuotes", "\"\"", ""},
                    LigneALaMain{"noQuotes", "sans guillemets", "sans guillemets"},
                    LigneALaMain{"oneQuote", "\"un seul", "\"un seul"},
                    LigneALaMain{"blanksAround", "  \"entouré\"  ", "entouré"},
                    LigneALaMain{"emptyLine", "", ""}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(FichierPlayList, HeaderOnlyWithoutLineEnd)
{
    const auto lecture = lireFichierPlayList("### Tulvane PlayList");
    EXPECT_TRUE(lecture.lignes.empty());
    EXPECT_TRUE(lecture.complet);
    EXPECT_TRUE(lecture.entete);
}

TEST(FichierPlayList, ATextWithoutEvenAHeaderLineIsNoPlayList)
{
    const auto lecture = lireFichierPlayList("");
    EXPECT_FALSE(lecture.entete);
    EXPECT_FALSE(lecture.complet);
    EXPECT_TRUE(lecture.lignes.empty());
}

class FinsDeLigne : public testing::TestWithParam<std::string> {};

// A file whose line ends were changed by another program reads the same rows.
TEST_P(FinsDeLigne, EveryLineEndReadsTheSameRows)
{
    const std::vector<TextesLigne> lignes = {ligne("/m/a.mp3", "Un"), ligne("/m/b.mp3", "Deux")};
    std::string texte;
    for (const char c : ecrire(lignes)) {
        if (c == '\n')
            texte += GetParam();
        else if (c != '\r')
            texte += c;
    }
    const auto lecture = lireFichierPlayList(texte);
    EXPECT_TRUE(lecture.complet);
    EXPECT_EQ(lecture.lignes, lignes);
}

INSTANTIATE_TEST_SUITE_P(Cases, FinsDeLigne, testing::Values("\r\n", "\n", "\r"),
                         [](const auto& info) {
                             return std::string(info.param == "\r\n" ? "crLf" : info.param == "\n" ? "lf" : "cr");
                         });
