#include "metadata/id3v1.h"
#include "metadata/mpeg.h"

#include "support/sans_attente.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

using namespace tulvane::metadata;
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
    EXPECT_TRUE(tulvane::test::revientSansAttendre(fifo, [&] {
        ouvert = fnLireTag(chemin, titre, auteur, album, annee, style, commentaire, noStyle);
        fnAnalyserMP3(chemin, duree, secondes, kbps, canaux);
    }));
    EXPECT_FALSE(ouvert);
    EXPECT_EQ(titre, "");
    EXPECT_EQ(noStyle, 9);
    EXPECT_EQ(duree + secondes + kbps + canaux, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, FichierSpecial,
                         testing::Values(Special{"fifo", [](const TempFolder& d) { return d / "tube.mp3"; }},
                                         Special{"device", [](const TempFolder&) { return fs::path("/dev/zero"); }}),
                         [](const testing::TestParamInfo<Special>& info) { return std::string(info.param.nom); });

}  // namespace
