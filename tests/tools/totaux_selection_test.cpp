// The selection totals and their texts, without a window.
#include "tools/totaux_selection.h"

#include <gtest/gtest.h>

using namespace tulvane::tools;

namespace {

TEST(TotauxSelection, DurationsAndBitratesAddUpAndGiveTheMeans)
{
    const std::vector<LigneTotaux> lignes = {
        {"128 kbps", "03:20", 1000}, {"192 kbps", "04:05", 24}, {"", "02:35", std::nullopt}};
    const TotauxSelection totaux = totaliser(lignes);
    EXPECT_EQ(totaux.fichiers, 3u);
    EXPECT_EQ(totaux.octets, 1024u);
    EXPECT_EQ(totaux.secondes, 600u);
    EXPECT_EQ(totaux.sommeKbps, 320u);

    const TextesTotaux textes = formaterTotaux(totaux);
    EXPECT_EQ(textes.quantite, "3 fichiers");
    EXPECT_EQ(textes.poids, "0'001 ko (0 Mo)");
    EXPECT_EQ(textes.dureeTotale, "10:00 min. (600 sec.)");
    EXPECT_EQ(textes.dureeMoyenne, "03:20 min. (200 sec.)");
    // The row without a bitrate lowers the mean: 320 / 3.
    EXPECT_EQ(textes.qualiteMoyenne, "107 Kbps");
}

TEST(TotauxSelection, TwoBitratesGiveTheirMean)
{
    const std::vector<LigneTotaux> lignes = {{"128 kbps", "", 0}, {"192 kbps", "", 0}};
    EXPECT_EQ(formaterTotaux(totaliser(lignes)).qualiteMoyenne, "160 Kbps");
}

TEST(TotauxSelection, NoFileReadsAsZerosEverywhere)
{
    const TextesTotaux textes = formaterTotaux(totaliser({}));
    EXPECT_EQ(textes.quantite, "0 fichiers");
    EXPECT_EQ(textes.poids, "0'000 ko (0 Mo)");
    EXPECT_EQ(textes.dureeTotale, "00:00 min. (0 sec.)");
    EXPECT_EQ(textes.qualiteMoyenne, "000 Kbps");
    EXPECT_EQ(textes.dureeMoyenne, "00:00 min. (0 sec.)");
}

TEST(TotauxSelection, DurationTexts)
{
    const std::vector<std::pair<std::string, std::optional<std::uint64_t>>> cas = {
        {"02:10", 130}, {"02:30", 150}, {"60:00", 3600}, {"123:05", 7385}, {"00:00", 0},
        {"", std::nullopt}, {"abc", std::nullopt}, {"3:2x", std::nullopt}, {":05", std::nullopt}};
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(secondesDeDuree(texte), attendu) << texte;
    for (const auto& [secondes, texte] :
         std::vector<std::pair<std::uint64_t, std::string>>{{130, "02:10"}, {150, "02:30"}, {6000, "100:00"}}) {
        TotauxSelection totaux;
        totaux.secondes = secondes;
        EXPECT_EQ(formaterTotaux(totaux).dureeTotale, texte + " min. (" + std::to_string(secondes) + " sec.)");
    }
}

TEST(TotauxSelection, BitrateIsTheNumberOfTheFirstThreeCharacters)
{
    EXPECT_EQ(kbpsDeTexte("064 kbps"), 64u);
    EXPECT_EQ(kbpsDeTexte("1411 kbps"), 141u);
    EXPECT_EQ(kbpsDeTexte("??? kbps"), std::nullopt);
    EXPECT_EQ(kbpsDeTexte(""), std::nullopt);
}

TEST(TotauxSelection, ThousandsFormat)
{
    const std::vector<std::pair<std::uint64_t, std::string>> cas = {
        {0, "0'000"}, {56, "0'056"}, {1235, "1'235"}, {123456, "123'456"}, {1234567, "1234'567"}};
    for (const auto& [nombre, texte] : cas)
        EXPECT_EQ(formaterMilliers(nombre), texte) << nombre;
}

TEST(TotauxSelection, SizeRounding)
{
    const auto poids = [](std::uint64_t octets) {
        TotauxSelection totaux;
        totaux.octets = octets;
        return formaterTotaux(totaux).poids;
    };
    EXPECT_EQ(poids(1264230), "1'235 ko (1 Mo)");          // 1234.6 ko
    EXPECT_EQ(poids(1264128), "1'235 ko (1 Mo)");          // exactly 1234.5 ko: the format rounds upward
    EXPECT_EQ(poids(5 * 1024 * 1024 / 2), "2'560 ko (2 Mo)");  // 2.5 Mo: to the even neighbour
    EXPECT_EQ(poids(7 * 1024 * 1024 / 2), "3'584 ko (4 Mo)");  // 3.5 Mo
    EXPECT_EQ(poids(1000ull * 1024 * 1024), "1024'000 ko (1000 Mo)");
}

TEST(TotauxSelection, MeansRoundHalvesToEven)
{
    TotauxSelection totaux;
    totaux.fichiers = 2;
    totaux.secondes = 5;      // 2.5 s
    totaux.sommeKbps = 257;   // 128.5
    const TextesTotaux textes = formaterTotaux(totaux);
    EXPECT_EQ(textes.dureeMoyenne, "00:02 min. (2 sec.)");
    EXPECT_EQ(textes.qualiteMoyenne, "128 Kbps");
    totaux.secondes = 7;
    EXPECT_EQ(formaterTotaux(totaux).dureeMoyenne, "00:04 min. (4 sec.)");
}

}  // namespace
