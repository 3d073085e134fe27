#include "components/cdio_cd_device.h"
#include "support/image_cd.h"
#include "support/sound_server.h"
#include "support/temp_folder.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>

using namespace tulvane;
using components::CdioCdDevice;
using components::CdMode;
using components::DisqueCd;
using components::kOctetsParSecteur;
using components::packTmsf;
using namespace std::chrono_literals;

namespace {

// Three tracks of distinct tones, their lengths in sectors (75 a second): 3 s, 4 s, 1 s.
constexpr int kSecteurs[] = {225, 300, 75};

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    ASSERT_EQ(fichier.write(octets), octets.size());
}

QByteArray octets(const test::Bytes& b)
{
    return {reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size())};
}

class ImageCd : public testing::Test {
protected:
    QString chemin(const char* nom) const { return QString::fromStdString((dossier / nom).string()); }

    test::TempFolder dossier;
    test::ImageCd image = test::ecrireImageCd(dossier.path(), {{440, kSecteurs[0]}, {660, kSecteurs[1]}, {880, kSecteurs[2]}});
    QString cue_ = QString::fromStdString(image.cue.string());
    std::chrono::milliseconds maintenant{100000};
    CdioCdDevice cd{cue_, [this] { return maintenant; }};
};

TEST_F(ImageCd, TheTableOfContentsAndTheAudioReadBackAreThoseWritten)
{
    const auto disque = DisqueCd::ouvrir(cue_);
    ASSERT_NE(disque, nullptr);
    ASSERT_EQ(disque->pistes().size(), 3u);
    int debut = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& piste = disque->pistes()[i];
        EXPECT_EQ(piste.premierSecteur, debut) << i;
        EXPECT_EQ(piste.secteurs, kSecteurs[i]) << i;
        EXPECT_TRUE(piste.audio);
        EXPECT_EQ(disque->lireAudio(debut, kSecteurs[i]), octets(image.pistes[i])) << "track " << i + 1;
        debut += kSecteurs[i];
    }
    // A read across two tracks, and one past the end of the disc.
    EXPECT_EQ(disque->lireAudio(220, 10),
              octets(image.pistes[0]).right(5 * kOctetsParSecteur) + octets(image.pistes[1]).left(5 * kOctetsParSecteur));
    EXPECT_TRUE(disque->lireAudio(600, 1).isEmpty());
}

TEST_F(ImageCd, SourcesThatHoldNoDiscOpenNothing)
{
    ecrire(chemin("vide.cue"), "");
    ecrire(chemin("orphelin.cue"), "FILE \"orphelin.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n");
    ecrire(chemin("charabia.cue"), QByteArray("\xff\xfe\x00garbage\r\nTRACK ZZ\r\n", 22));
    // The empty and the garbled ones have their sectors beside them.
    for (const char* bin : {"vide.bin", "charabia.bin"})
        ASSERT_TRUE(QFile::copy(chemin("disque.bin"), chemin(bin)));
    for (const char* nom : {"absent.cue", "vide.cue", "orphelin.cue", "charabia.cue"})
        EXPECT_EQ(DisqueCd::ouvrir(chemin(nom)), nullptr) << nom;

    CdioCdDevice sansDisque(chemin("orphelin.cue"));
    sansDisque.Open();
    sansDisque.Play();
    sansDisque.Next();
    EXPECT_EQ(sansDisque.Mode(), CdMode::NoMedia);
    EXPECT_EQ(sansDisque.Tracks(), 0);
    EXPECT_EQ(sansDisque.Position(), 0u);

    // A disc that could not be read is not read again at every update, only once the door
    // has moved.
    ASSERT_TRUE(QFile::copy(chemin("disque.bin"), chemin("orphelin.bin")));
    sansDisque.setUpdateInterval(5);
    QTest::qWait(50);
    EXPECT_EQ(sansDisque.Mode(), CdMode::NoMedia);
    sansDisque.OpenDoor();
    sansDisque.CloseDoor();
    EXPECT_EQ(sansDisque.Mode(), CdMode::Stopped);
    EXPECT_EQ(sansDisque.Tracks(), 1);
}

TEST_F(ImageCd, OpenGivesTrackOneAndNextAndPrevMoveByTheirRules)
{
    EXPECT_EQ(cd.Mode(), CdMode::NotOpen);
    EXPECT_EQ(cd.Tracks(), 0);
    cd.Next();
    EXPECT_EQ(cd.Position(), 0u);

    cd.Open();
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);
    EXPECT_EQ(cd.Tracks(), 3);
    EXPECT_EQ(cd.Position(), packTmsf(1, 0, 0, 0));
    cd.Next();
    EXPECT_EQ(cd.Position(), packTmsf(2, 0, 0, 0));
    cd.Next();
    cd.Next();
    EXPECT_EQ(cd.Position(), packTmsf(3, 0, 0, 0)) << "Next on the last track stays";

    cd.Prev();
    EXPECT_EQ(cd.Position(), packTmsf(3, 0, 0, 0)) << "the first Prev goes to the start of the track";
    maintenant += 2900ms;
    cd.Prev();
    EXPECT_EQ(cd.Position(), packTmsf(2, 0, 0, 0)) << "a second one within 3 s to the track before";
    maintenant += 3000ms;
    cd.Prev();
    EXPECT_EQ(cd.Position(), packTmsf(2, 0, 0, 0));
    cd.Prev();
    cd.Prev();
    EXPECT_EQ(cd.Position(), packTmsf(1, 0, 0, 0)) << "track 1 stays at track 1";
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);

    cd.Close();
    EXPECT_EQ(cd.Mode(), CdMode::NotOpen);
    EXPECT_EQ(cd.Tracks(), 0);
}

TEST_F(ImageCd, TheDoorTakesTheDiscOutAndClosingItBringsItBackAtTrackOne)
{
    cd.Open();
    cd.Next();
    cd.OpenDoor();
    EXPECT_EQ(cd.Mode(), CdMode::DoorOpen);
    EXPECT_EQ(cd.Tracks(), 0);
    EXPECT_EQ(cd.Position(), 0u);
    cd.Play();
    EXPECT_EQ(cd.Mode(), CdMode::DoorOpen);

    cd.CloseDoor();
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);
    EXPECT_EQ(cd.Tracks(), 3);
    EXPECT_EQ(cd.Position(), packTmsf(1, 0, 0, 0));
}

TEST_F(ImageCd, AnOpenDeviceRaisesStatusUpdatesUntilItCloses)
{
    int mises = 0;
    cd.setStatusUpdate([&] { ++mises; });
    cd.setUpdateInterval(5);
    QTest::qWait(30);
    EXPECT_EQ(mises, 0) << "not before Open";
    cd.Open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return mises >= 3; }, 5000));
    cd.Close();
    const int apres = mises;
    QTest::qWait(30);
    EXPECT_EQ(mises, apres);
}

TEST_F(ImageCd, PlayingThroughTheAudioSinkMovesThePositionToTheEndOfTheDisc)
{
    // A sound server of the test's own: the machine may have no sound card.
    const test::SoundServer serveur;
    if (!serveur.failure().empty() || QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "no audio output: " << serveur.failure();
    cd.Open();
    cd.Play();
    ASSERT_EQ(cd.Mode(), CdMode::Playing);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cd.Position() >= packTmsf(1, 0, 0, 10); }, 5000));

    // Next goes on playing from the next track; the end of the disc stops it there.
    cd.Next();
    cd.Next();
    EXPECT_EQ(cd.Mode(), CdMode::Playing);
    EXPECT_LT(cd.Position(), packTmsf(3, 0, 0, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return cd.Mode() == CdMode::Stopped; }, 10000));
    EXPECT_EQ(cd.Position(), packTmsf(3, 0, 1, 0));
    cd.Play();
    EXPECT_EQ(cd.Mode(), CdMode::Stopped) << "nothing left to play";

    cd.Prev();
    cd.Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cd.Position() >= packTmsf(3, 0, 0, 5); }, 5000));
    cd.Stop();
    const std::uint32_t arret = cd.Position();
    QTest::qWait(100);
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);
    EXPECT_EQ(cd.Position(), arret) << "Stop keeps the position";
}

TEST_F(ImageCd, WithoutAnAudioOutputPlayLeavesTheDiscStopped)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/native");
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this process already found an audio output";
    cd.Open();
    cd.Play();
    EXPECT_EQ(cd.Mode(), CdMode::Stopped);
    EXPECT_EQ(cd.Position(), packTmsf(1, 0, 0, 0));
}

}  // namespace
