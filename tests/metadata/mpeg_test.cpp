#include "metadata/mpeg.h"

#include "support/bytes.h"
#include "support/case_names.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>

using namespace tulvane::metadata;
using tulvane::test::Bytes;
using tulvane::test::bytes;
using tulvane::test::put;
using tulvane::test::TempFolder;
namespace fs = std::filesystem;

namespace {

// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, no padding, joint stereo: 417-byte frames.
const Bytes kEntete128 = bytes({0xFF, 0xFB, 0x90, 0x64});
const Bytes kSync = bytes({0xFF, 0xFB});

// `taille` zero bytes with `what` at each offset.
Bytes at(std::size_t taille, std::initializer_list<std::pair<std::size_t, Bytes>> what)
{
    Bytes b(taille, 0);
    for (const auto& [offset, octets] : what)
        put(b, offset, octets);
    return b;
}

std::string texte(const Bytes& b)
{
    return std::string(b.begin(), b.end());
}

}  // namespace

// Bitrates ------------------------------------------------------------------------------

TEST(TableDebits, HoldsSixRowsOf14AndTheLayerIIIRow)
{
    EXPECT_EQ(std::count(TableDebits.begin(), TableDebits.end(), ','), 83);
    for (int index = 1; index <= 14; ++index)
        EXPECT_EQ(fnDebitBinaire(static_cast<std::uint8_t>(index << 4), "1.0", "3"),
                  std::to_string(std::array{32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}[index - 1]));
}

struct DebitCase {
    std::uint8_t octet;
    std::string version;
    std::string couche;
    std::string attendu;
};

void PrintTo(const DebitCase& c, std::ostream* os)
{
    *os << int(c.octet) << ' ' << c.version << ' ' << c.couche;
}

class FnDebitBinaire : public testing::TestWithParam<DebitCase> {};

TEST_P(FnDebitBinaire, ReadsTheRowOfVersionAndLayer)
{
    EXPECT_EQ(fnDebitBinaire(GetParam().octet, GetParam().version, GetParam().couche), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Indexes, FnDebitBinaire,
    testing::Values(DebitCase{0x90, "1.0", "3", "128"}, DebitCase{0x10, "1.0", "3", "32"},
                    DebitCase{0xE0, "1.0", "3", "320"}, DebitCase{0xF0, "1.0", "3", "320"},
                    DebitCase{0x9F, "1.0", "3", "128"}, DebitCase{0x00, "1.0", "3", "???"},
                    DebitCase{0x0F, "1.0", "3", "???"}, DebitCase{0xE0, "1.0", "2", "384"},
                    DebitCase{0xE0, "1.0", "1", "448"}, DebitCase{0x90, "2.0", "3", "80"},
                    DebitCase{0x90, "2.5", "1", "144"}),
    [](const auto& info) {
        std::ostringstream octet;
        octet << std::hex << std::uppercase << int(info.param.octet);
        return "Byte" + octet.str() + "Version" + tulvane::test::caseName(info.param.version) + "Layer" + info.param.couche;
    });

// Headers -------------------------------------------------------------------------------

struct EnteteCase {
    std::string nom;
    Bytes entete;
    bool valide;
    std::string kbps;
    std::string canaux;
    std::int32_t taille;
};

void PrintTo(const EnteteCase& c, std::ostream* os)
{
    *os << c.nom;
}

class FnAnalyserEntete : public testing::TestWithParam<EnteteCase> {};

TEST_P(FnAnalyserEntete, DecodesTheHeader)
{
    bool valide = !GetParam().valide;
    std::string kbps = "x";
    std::string canaux = "x";
    std::int32_t taille = -1;
    fnAnalyserEntete(texte(GetParam().entete), valide, kbps, canaux, taille);
    EXPECT_EQ(valide, GetParam().valide);
    EXPECT_EQ(kbps, GetParam().kbps);
    EXPECT_EQ(canaux, GetParam().canaux);
    EXPECT_EQ(taille, GetParam().taille);
}

INSTANTIATE_TEST_SUITE_P(Headers, FnAnalyserEntete,
    testing::Values(
        EnteteCase{"JointStereo128", bytes({0xFF, 0xFB, 0x90, 0x64}), true, "128", "Joint Stereo", 417},
        EnteteCase{"Padded", bytes({0xFF, 0xFB, 0x92, 0x64}), true, "128", "Joint Stereo", 418},
        EnteteCase{"Stereo48000", bytes({0xFF, 0xFA, 0x94, 0x00}), true, "128", "Stereo", 384},
        EnteteCase{"Mono32000", bytes({0xFF, 0xFB, 0x98, 0xC0}), true, "128", "Mono", 576},
        EnteteCase{"DualChannel", bytes({0xFF, 0xFB, 0x90, 0x80}), true, "128", "Dual Channel", 417},
        EnteteCase{"Index15Is320", bytes({0xFF, 0xFB, 0xF0, 0x44}), true, "320", "Joint Stereo", 1044},
        EnteteCase{"Longest", bytes({0xFF, 0xFB, 0xEA, 0x00}), true, "320", "Stereo",
                   static_cast<std::int32_t>(kTrameMaximale)},
        EnteteCase{"LayerI", bytes({0xFF, 0xFF, 0x90, 0x00}), true, "288", "Stereo", 313},
        EnteteCase{"LayerIPadded", bytes({0xFF, 0xFF, 0x92, 0x00}), true, "288", "Stereo", 317},
        EnteteCase{"Mpeg2LayerIII", bytes({0xFF, 0xF3, 0x90, 0x44}), true, "80", "Joint Stereo", 522},
        EnteteCase{"Index0", bytes({0xFF, 0xFB, 0x00, 0x64}), false, "", "", 0},
        EnteteCase{"SampleRateIndex3", bytes({0xFF, 0xFB, 0x9C, 0x64}), false, "", "", 0},
        EnteteCase{"ReservedVersion", bytes({0xFF, 0xEB, 0x90, 0x64}), false, "", "", 0},
        EnteteCase{"ReservedLayer", bytes({0xFF, 0xF9, 0x90, 0x64}), false, "", "", 0},
        EnteteCase{"MissingBytesAreZero", bytes({0xFF, 0xFB}), false, "", "", 0}),
    [](const auto& info) { return info.param.nom; });

// The scan ------------------------------------------------------------------------------

struct ScanCase {
    std::string nom;
    Bytes debut;
    std::uint64_t taille;  // 0: the length of `debut`
    std::string kbps;      // "": no frame confirmed
    std::string canaux;
};

void PrintTo(const ScanCase& c, std::ostream* os)
{
    *os << c.nom;
}

class AnalyserTrames : public testing::TestWithParam<ScanCase> {};

TEST_P(AnalyserTrames, ConfirmsTheFirstFrameOrNothing)
{
    const auto& c = GetParam();
    const InfosMPEG infos = analyserTrames(c.debut, c.taille ? c.taille : c.debut.size());
    EXPECT_EQ(infos.kbps, c.kbps);
    EXPECT_EQ(infos.canaux, c.canaux);
    EXPECT_EQ(infos.duree.empty(), c.kbps.empty());
    EXPECT_EQ(infos.secondes.empty(), c.kbps.empty());
}

const Bytes kMono128 = bytes({0xFF, 0xFB, 0x90, 0xC4});

INSTANTIATE_TEST_SUITE_P(Bytes, AnalyserTrames,
    testing::Values(
        ScanCase{"FrameAndSync", at(2000, {{0, kEntete128}, {417, kSync}}), 0, "128", "Joint Stereo"},
        ScanCase{"WithCrc", at(2000, {{0, bytes({0xFF, 0xFA, 0x90, 0x64})}, {417, kSync}}), 0, "128", "Joint Stereo"},
        ScanCase{"AfterLeadingBytes", at(5000, {{3210, kEntete128}, {3627, kSync}}), 0, "128", "Joint Stereo"},
        ScanCase{"SecondSyncMayBeAnyMpegHeader", at(2000, {{0, kEntete128}, {417, bytes({0xFF, 0xE0})}}), 0, "128", "Joint Stereo"},
        ScanCase{"NoSecondSync", at(2000, {{0, kEntete128}}), 0, "", ""},
        ScanCase{"SyncOneByteOff", at(2000, {{0, kEntete128}, {418, kSync}}), 0, "", ""},
        ScanCase{"LaterCandidateAfterAnUnconfirmedOne",
                 at(3000, {{0, kEntete128}, {1000, kMono128}, {1417, kSync}}), 0, "128", "Mono"},
        ScanCase{"Mpeg2NeverTaken", at(2000, {{0, bytes({0xFF, 0xF3, 0x90, 0x44})}, {522, kSync}}), 0, "", ""},
        ScanCase{"NotPrecededByFF", at(2000, {{0, bytes({0xFE, 0xFB, 0x90, 0x64})}, {417, kSync}}), 0, "", ""},
        ScanCase{"FFThenOtherByte", at(2000, {{0, bytes({0xFF, 0x00, 0xFB, 0x90, 0x64})}, {418, kSync}}), 0, "", ""},
        ScanCase{"RepeatedFF", at(2000, {{0, bytes({0xFF, 0xFF, 0xFB, 0x90, 0x64})}, {418, kSync}}), 0, "128", "Joint Stereo"},
        ScanCase{"Index15", at(2000, {{0, bytes({0xFF, 0xFB, 0xF0, 0x44})}, {1044, kSync}}), 0, "320", "Joint Stereo"},
        ScanCase{"Index0", at(2000, {{0, bytes({0xFF, 0xFB, 0x00, 0x64})}, {417, kSync}}), 0, "", ""},
        ScanCase{"SampleRateIndex3", at(2000, {{0, bytes({0xFF, 0xFB, 0x9C, 0x64})}, {417, kSync}}), 0, "", ""},
        ScanCase{"SecondSyncEndsTheFile", at(419, {{0, kEntete128}, {417, kSync}}), 0, "128", "Joint Stereo"},
        ScanCase{"SecondSyncPastTheEnd", at(418, {{0, kEntete128}, {417, bytes({0xFF})}}), 0, "", ""},
        ScanCase{"BufferLongerThanTheFile", at(2000, {{0, kEntete128}, {417, kSync}}), 418, "", ""},
        ScanCase{"HeaderCutByTheEnd", bytes({0x00, 0xFF, 0xFB}), 0, "", ""},
        ScanCase{"EmptyFile", Bytes{}, 0, "", ""},
        ScanCase{"LastExploredPosition", at(kOctetsALire, {{49998, kEntete128}, {49998 + 417, kSync}}), 0, "128", "Joint Stereo"},
        ScanCase{"PastTheExploredBytes", at(kOctetsALire, {{49999, kEntete128}, {49999 + 417, kSync}}), 0, "", ""},
        ScanCase{"LongestFrameAtTheLastPosition",
                 at(kOctetsALire, {{49998, bytes({0xFF, 0xFB, 0xEA, 0x00})}, {49998 + kTrameMaximale, kSync}}),
                 0, "320", "Stereo"},
        ScanCase{"OnlyFalseCandidatesInTheExploredBytes",
                 at(60000, {{10, kEntete128}, {900, bytes({0xFF, 0xFB, 0x00, 0x64})}, {2000, kMono128},
                            {50100, kEntete128}, {50517, kSync}}),
                 0, "", ""}),
    [](const auto& info) { return info.param.nom; });

struct DureeCase {
    std::uint64_t taille;
    std::string secondes;
    std::string duree;
};

void PrintTo(const DureeCase& c, std::ostream* os)
{
    *os << c.taille;
}

class Duree : public testing::TestWithParam<DureeCase> {};

TEST_P(Duree, ComesFromTheWholeFileSizeRoundedHalfToEven)
{
    const InfosMPEG infos = analyserTrames(at(2000, {{0, kEntete128}, {417, kSync}}), GetParam().taille);
    EXPECT_EQ(infos.secondes, GetParam().secondes);
    EXPECT_EQ(infos.duree, GetParam().duree);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Duree,
    testing::Values(DureeCase{2000, "0", "00:00"}, DureeCase{24000, "2", "00:02"},  // 1.5 s
                    DureeCase{40000, "2", "00:02"},                                 // 2.5 s
                    DureeCase{4000000, "250", "04:10"}, DureeCase{4008000, "250", "04:10"},
                    DureeCase{4024000, "252", "04:12"}, DureeCase{4008001, "251", "04:11"},
                    DureeCase{96000000, "6000", "100:00"},
                    DureeCase{268435456, "16777", "279:37"},      // 256 MiB
                    DureeCase{314572800, "19661", "327:41"},      // 300 MiB
                    DureeCase{68719476736, "4294967", "71582:47"}),  // 64 GiB
    [](const auto& info) { return "Bytes" + std::to_string(info.param.taille); });

// Files ---------------------------------------------------------------------------------

class Mp3Files : public testing::Test {
protected:
    TempFolder dossier;
    fs::path chemin = dossier / "morceau.mp3";
    std::string duree = "x", secondes = "x", kbps = "x", canaux = "x";

    void analyser(const fs::path& p) { fnAnalyserMP3(p, duree, secondes, kbps, canaux); }

    // A sparse file of `taille` bytes that starts with `debut`.
    void creer(const Bytes& debut, std::uint64_t taille)
    {
        tulvane::test::writeFile(chemin, debut);
        fs::resize_file(chemin, taille);
    }

    void expectEmpty() const
    {
        EXPECT_EQ(duree, "");
        EXPECT_EQ(secondes, "");
        EXPECT_EQ(kbps, "");
        EXPECT_EQ(canaux, "");
    }
};

TEST_F(Mp3Files, FourMillionBytes)
{
    creer(at(500, {{0, kEntete128}, {417, kSync}}), 4000000);
    analyser(chemin);
    EXPECT_EQ(duree, "04:10");
    EXPECT_EQ(secondes, "250");
    EXPECT_EQ(kbps, "128");
    EXPECT_EQ(canaux, "Joint Stereo");
}

TEST_F(Mp3Files, LargeFilesGetTheirTrueDuration)
{
    creer(at(500, {{0, kEntete128}, {417, kSync}}), 96000000);
    analyser(chemin);
    EXPECT_EQ(duree, "100:00");
    creer(at(500, {{0, kEntete128}, {417, kSync}}), 314572800);
    analyser(chemin);
    EXPECT_EQ(secondes, "19661");
    EXPECT_EQ(duree, "327:41");
}

TEST_F(Mp3Files, SecondSyncPastTheExploredBytesIsRead)
{
    // The longest frame from the last explored position: its successor lies beyond byte 50000.
    creer(at(kOctetsALire, {{49998, bytes({0xFF, 0xFB, 0xEA, 0x00})}, {49998 + kTrameMaximale, kSync}}), 100000);
    analyser(chemin);
    EXPECT_EQ(kbps, "320");
    EXPECT_EQ(canaux, "Stereo");
}

TEST_F(Mp3Files, NoFrameInTheExploredBytes)
{
    creer(at(60000, {{10, kEntete128}, {50100, kEntete128}, {50517, kSync}}), 60000);
    analyser(chemin);
    expectEmpty();
}

TEST_F(Mp3Files, EmptyFile)
{
    creer({}, 0);
    analyser(chemin);
    expectEmpty();
}

TEST_F(Mp3Files, MissingPathGivesNothingAndCreatesNothing)
{
    analyser(chemin);
    expectEmpty();
    EXPECT_FALSE(fs::exists(chemin));
}

TEST_F(Mp3Files, FolderGivesNothing)
{
    analyser(dossier.path());
    expectEmpty();
}
