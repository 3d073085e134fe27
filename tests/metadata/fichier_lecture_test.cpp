#include "metadata/genres.h"
#include "metadata/id3v1.h"
#include "metadata/infos_fichier.h"
#include "metadata/mpeg.h"

#include "support/bytes.h"
#include "support/sans_attente.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

using namespace tulvane::metadata;
using tulvane::test::Bytes;
using tulvane::test::TempFolder;
namespace fs = std::filesystem;

namespace {

// A named pipe nobody writes to, or a device that never ends: neither is waited on, and both
// read like a file that cannot be opened.
struct Special {
    const char* nom;
    fs::path (*chemin)(const TempFolder&);
};

void PrintTo(const Special& s, std::ostream* out)
{
    *out << s.nom;
}

class FichierSpecial : public testing::TestWithParam<Special> {
protected:
    TempFolder dossier;
    fs::path fifo = dossier / "tube.mp3";
    void SetUp() override { tulvane::test::creerFifo(fifo); }
};

TEST_P(FichierSpecial, ReadsAsUnreadableAtOnce)
{
    const fs::path chemin = GetParam().chemin(dossier);
    bool ouvert = true;
    std::string titre = "x", auteur, album, annee, style, commentaire;
    std::int32_t noStyle = 9;
    std::string duree = "x", secondes = "x", kbps = "x", canaux = "x";
    std::optional<InfosFichier> infos = InfosFichier{};
    EXPECT_TRUE(tulvane::test::revientSansAttendre(fifo, [&] {
        ouvert = fnLireTag(chemin, titre, auteur, album, annee, style, commentaire, noStyle);
        fnAnalyserMP3(chemin, duree, secondes, kbps, canaux);
        infos = lireInfosFichier(chemin);
    }));
    EXPECT_FALSE(ouvert);
    EXPECT_FALSE(infos.has_value());
    EXPECT_EQ(titre, "");
    EXPECT_EQ(noStyle, 9);
    EXPECT_EQ(duree + secondes + kbps + canaux, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, FichierSpecial,
                         testing::Values(Special{"fifo", [](const TempFolder& d) { return d / "tube.mp3"; }},
                                         Special{"device", [](const TempFolder&) { return fs::path("/dev/zero"); }}),
                         [](const testing::TestParamInfo<Special>& info) { return std::string(info.param.nom); });

TEST(LireInfosFichier, AMissingPathOrAFolderCannotBeRead)
{
    TempFolder dossier;
    EXPECT_FALSE(lireInfosFichier(dossier / "absent.mp3").has_value());
    EXPECT_FALSE(lireInfosFichier(dossier.path()).has_value());
}

// The row-adding path reads a file once; whatever its size (a tag inside the bytes read for
// the frames, at their edge or beyond them; a frame confirmed at the end of those bytes),
// it finds what the tag reader and the frame analysis find on their own.
class UneSeuleLecture : public testing::TestWithParam<std::size_t> {};

TEST_P(UneSeuleLecture, FindsWhatTheTwoReadersFind)
{
    const std::size_t taille = GetParam();
    Bytes octets(taille);
    for (std::size_t i = 0; i < taille; ++i)
        octets[i] = static_cast<std::uint8_t>(i * 7 + 1);
    // A 128 kbit/s frame (417 bytes) and the sync that confirms it, late in the explored bytes.
    const std::size_t trame = std::min(taille, kOctetsExplores) * 8 / 10;
    tulvane::test::put(octets, trame, tulvane::test::bytes({0xFF, 0xFB, 0x90, 0x64}));
    tulvane::test::put(octets, trame + 417, tulvane::test::bytes({0xFF, 0xFB}));
    octets.resize(taille);
    if (taille >= kTailleTag) {
        const auto tag = composerTag("Titre", "Auteur", "Album", "2024", 17, "Note");
        tulvane::test::put(octets, taille - kTailleTag, Bytes(tag.begin(), tag.end()));
    }
    TempFolder dossier;
    const fs::path chemin = dossier / "piste.mp3";
    tulvane::test::writeFile(chemin, octets);

    std::string titre, auteur, album, annee, style, commentaire, duree, secondes, kbps, canaux;
    std::int32_t noStyle = -1;
    ASSERT_TRUE(fnLireTag(chemin, titre, auteur, album, annee, style, commentaire, noStyle));
    fnAnalyserMP3(chemin, duree, secondes, kbps, canaux);

    const std::optional<InfosFichier> infos = lireInfosFichier(chemin);
    ASSERT_TRUE(infos.has_value());
    ASSERT_EQ(infos->tag.has_value(), taille > kTailleMaxSansTag);
    if (infos->tag) {
        EXPECT_EQ(titre, infos->tag->titre);
        EXPECT_EQ(auteur, infos->tag->auteur);
        EXPECT_EQ(album, infos->tag->album);
        EXPECT_EQ(annee, infos->tag->annee);
        EXPECT_EQ(commentaire, infos->tag->commentaire);
        EXPECT_EQ(noStyle, infos->tag->noStyle);
        EXPECT_EQ(style, nomGenre(infos->tag->noStyle));
    }
    if (taille >= 5000) {
        EXPECT_EQ(infos->trames.kbps, "128");
    }
    EXPECT_EQ(duree, infos->trames.duree);
    EXPECT_EQ(secondes, infos->trames.secondes);
    EXPECT_EQ(kbps, infos->trames.kbps);
    EXPECT_EQ(canaux, infos->trames.canaux);
}

INSTANTIATE_TEST_SUITE_P(Tailles, UneSeuleLecture,
                         testing::Values(0, 127, 128, 1024, 1025, 5000, kOctetsALire - 1, kOctetsALire,
                                         kOctetsALire + 1, kOctetsALire + 127, kOctetsALire + 128, 400000),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return "Bytes" + std::to_string(info.param);
                         });

}  // namespace
