#include "fakes/contexte_test.h"
#include "player/controle_image.h"
#include "player/finterface.h"
#include "player/module3.h"
#include "playlist/fliste.h"

#include <QLabel>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace tulvane;
using components::packTmsf;
using test::FakeCdDevice;
using test::FakeMediaPlayer;
using testing::ElementsAre;

namespace {

constexpr int kFrames = components::kFramesParSeconde;

class FInterfaceCdTest : public testing::Test {
protected:
    FInterfaceCdTest() { f.Form_Load(); }

    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();
    player::FInterface& f = ctx.fInterface();
    playlist::FListe& liste = ctx.fListe();
    FakeMediaPlayer& piste = t.piste();
    FakeCdDevice& cd = static_cast<FakeCdDevice&>(ctx.cd());

    // The CD device's commands since the test's start of interest.
    std::vector<std::string> commandes() const
    {
        return {cd.calls().begin() + static_cast<std::ptrdiff_t>(depuis_), cd.calls().end()};
    }
    void oublierCommandes() { depuis_ = cd.calls().size(); }

    // How many of the track and time fields with their captions show.
    int champsAffiches() const
    {
        const std::array<QLabel*, 4> champs = {f.Label15, f.Label16, f.Label17, f.Label18};
        return static_cast<int>(
            std::count_if(champs.begin(), champs.end(), [&](QLabel* l) { return l->isVisibleTo(f.Picture3); }));
    }

    // Whether the CD panel is what the display area shows.
    bool panneauDevant() const
    {
        const QWidget* dessus = f.childAt(f.Picture3->geometry().center());
        return dessus != nullptr && (dessus == f.Picture3 || f.Picture3->isAncestorOf(dessus));
    }

private:
    std::size_t depuis_ = 0;
};

TEST_F(FInterfaceCdTest, TheDeviceIsOpenedAtLoadWithUpdatesEveryTenthOfASecond)
{
    EXPECT_THAT(cd.calls(), ElementsAre("Open", "UpdateInterval=100"));
    EXPECT_EQ(cd.updateInterval(), 100);
    // The fields follow the disc whether CD mode is on or not.
    cd.insertDisc({30, 30, 200});
    cd.moveTo(2, 5 * kFrames);
    cd.advance(100);
    EXPECT_EQ(f.Label16->text(), "02 / 03");
    EXPECT_EQ(f.Label18->text(), "00:05");
    EXPECT_FALSE(ctx.vModeCD);
}

struct Decodage {
    int piste, minutes, secondes, images;
    const char* champPiste;
    const char* champTemps;
};

class PositionDecoding : public FInterfaceCdTest, public testing::WithParamInterface<Decodage> {};

TEST_P(PositionDecoding, GivesTheTrackFieldAndTheTimeField)
{
    const Decodage cas = GetParam();
    std::vector<double> pistes(12, 70 * 60.0);
    cd.insertDisc(pistes);
    cd.moveTo(cas.piste, (cas.minutes * 60 + cas.secondes) * kFrames + cas.images);
    ASSERT_EQ(cd.Position(), packTmsf(cas.piste, cas.minutes, cas.secondes, cas.images));
    cd.advance(100);
    EXPECT_EQ(f.Label16->text(), cas.champPiste);
    EXPECT_EQ(f.Label18->text(), cas.champTemps);
}

// The frames never reach the seconds; minutes beyond 59 stay minutes.
INSTANTIATE_TEST_SUITE_P(Cases, PositionDecoding,
                         testing::Values(Decodage{3, 2, 5, 40, "03 / 12", "02:05"},
                                         Decodage{1, 0, 0, 0, "01 / 12", "00:00"},
                                         Decodage{12, 0, 59, 74, "12 / 12", "00:59"},
                                         Decodage{7, 61, 9, 1, "07 / 12", "61:09"}));

TEST_F(FInterfaceCdTest, WithoutADiscThePanelAsksForOneAndShowsTheFieldsOnceATrackShows)
{
    f.BTN7_Click();
    f.Timer2_Timer();
    EXPECT_TRUE(f.Label20->isVisibleTo(f.Picture3));
    EXPECT_EQ(f.Label20->text(), "Veuillez insérer un CD dans le lecteur !");
    EXPECT_EQ(f.Label16->text(), "00 / 00");
    EXPECT_EQ(champsAffiches(), 0);

    // Updates without a disc show track 0: the request stays.
    cd.advance(300);
    f.Timer2_Timer();
    EXPECT_EQ(f.Label16->text(), "00 / 00");
    EXPECT_TRUE(f.Label20->isVisibleTo(f.Picture3));

    cd.insertDisc({40, 40});
    f.Timer2_Timer();
    EXPECT_EQ(champsAffiches(), 0) << "until the next update has shown a track";
    cd.advance(100);
    f.Timer2_Timer();
    EXPECT_FALSE(f.Label20->isVisibleTo(f.Picture3));
    EXPECT_EQ(champsAffiches(), 4);
    EXPECT_EQ(f.Label15->text(), "Piste no. :");
    EXPECT_EQ(f.Label17->text(), "Temps :");

    f.Label19_Click();
    cd.advance(100);
    f.Timer2_Timer();
    EXPECT_TRUE(f.Label20->isVisibleTo(f.Picture3));
    EXPECT_EQ(champsAffiches(), 0);
}

TEST_F(FInterfaceCdTest, TheDiscDisplayTicksOnlyWhileCdModeIsOn)
{
    EXPECT_FALSE(f.Timer2.isActive());
    EXPECT_EQ(f.Timer2.interval(), 50);
    f.BTN7_Click();
    EXPECT_TRUE(f.Timer2.isActive());
    f.BTN7_Click();
    EXPECT_FALSE(f.Timer2.isActive());
}

TEST_F(FInterfaceCdTest, CdModeOnCoversTheFileControlsStopsBothPlayersAndRefusesTheOtherButtons)
{
    const QString chemin = t.fichier("a.wav");
    piste.setDuration(chemin, 100);
    liste.fnAjouterFichierLite(chemin);
    piste.setFileName(chemin);
    ctx.module3().fnLecture();
    liste.show();
    ASSERT_FALSE(panneauDevant());
    oublierCommandes();

    f.BTN7_Click();

    EXPECT_TRUE(ctx.vModeCD);
    EXPECT_TRUE(panneauDevant());
    EXPECT_FALSE(f.Label5->isVisibleTo(&f));
    EXPECT_FALSE(liste.isVisible());
    EXPECT_EQ(f.BTN1->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(f.BTN9->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_FALSE(f.Timer1.isActive());
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_EQ(piste.CurrentPosition(), 0);
    EXPECT_TRUE(f.ImgCache->isVisibleTo(&f));
    EXPECT_TRUE(f.ImgCache2->isVisibleTo(&f));
    EXPECT_FALSE(f.Image2->isVisibleTo(&f));
    EXPECT_FALSE(f.Image4->isVisibleTo(&f));
    EXPECT_THAT(commandes(), ElementsAre("Stop"));
    // The covers take the presses meant for the position bar, its skips and the volume.
    for (const QWidget* couvert : {static_cast<QWidget*>(f.Image1), static_cast<QWidget*>(f.BTN12),
                                   static_cast<QWidget*>(f.BTN13), static_cast<QWidget*>(f.Image5)}) {
        const QPoint centre = couvert->geometry().center();
        const QWidget* dessus = f.Picture1->childAt(centre);
        EXPECT_TRUE(dessus == f.ImgCache || dessus == f.ImgCache2) << centre.x() << "," << centre.y();
    }

    // The play-list button and the file commands do nothing now.
    piste.clearCalls();
    f.BTN1_Click();
    EXPECT_FALSE(liste.isVisible());
    f.BTN12_Click();
    f.BTN13_DblClick();
    f.Image1_MouseDown(Qt::LeftButton, Qt::NoModifier, 1500, 50);
    EXPECT_TRUE(piste.calls().empty());
}

TEST_F(FInterfaceCdTest, CdModeOffGivesTheFileModeBack)
{
    f.BTN7_Click();
    oublierCommandes();
    f.BTN7_Click();

    EXPECT_FALSE(ctx.vModeCD);
    EXPECT_FALSE(panneauDevant());
    EXPECT_FALSE(f.Timer2.isActive());
    EXPECT_TRUE(f.Label5->isVisibleTo(&f));
    EXPECT_TRUE(f.Timer1.isActive());
    // Back to the default pointer, the arrow.
    EXPECT_FALSE(f.BTN1->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(f.BTN9->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(f.BTN1->cursor().shape(), Qt::ArrowCursor);
    EXPECT_THAT(commandes(), ElementsAre("Stop"));
    EXPECT_FALSE(f.ImgCache->isVisibleTo(&f));
    EXPECT_FALSE(f.ImgCache2->isVisibleTo(&f));
    EXPECT_TRUE(f.Image2->isVisibleTo(&f));
    EXPECT_TRUE(f.Image4->isVisibleTo(&f));
    // The play-list button works again, and the list stays hidden until it is asked for.
    EXPECT_FALSE(liste.isVisible());
    f.BTN1_Click();
    EXPECT_TRUE(liste.isVisible());
}

TEST_F(FInterfaceCdTest, TheCdButtonDoesNothingWhileRadioModeIsOn)
{
    ctx.vModeRadio = true;
    oublierCommandes();
    f.BTN7_Click();
    EXPECT_FALSE(ctx.vModeCD);
    EXPECT_FALSE(f.Timer2.isActive());
    EXPECT_TRUE(f.Timer1.isActive());
    EXPECT_FALSE(panneauDevant());
    EXPECT_EQ(f.BTN1->cursor().shape(), Qt::BitmapCursor) << "the click area's own hand";
    EXPECT_TRUE(commandes().empty());
}

TEST_F(FInterfaceCdTest, InCdModeTheTransportButtonsCommandTheDisc)
{
    cd.insertDisc({60, 60, 60});
    f.BTN7_Click();
    piste.clearCalls();
    oublierCommandes();

    f.BTNcmd_Click(0);
    f.BTNcmd_Click(4);
    f.BTN5_Click();
    f.BTN4_Click();
    f.BTNcmd_Click(3);
    f.BTNcmd_Click(5);
    EXPECT_THAT(commandes(), ElementsAre("Play", "Play", "Next", "Prev", "Stop", "Prev"));
    EXPECT_TRUE(piste.calls().empty());
    EXPECT_FALSE(piste.Mute());
    EXPECT_EQ(ctx.vEtat, 0);

    // Through the click areas as the user takes them.
    oublierCommandes();
    QTest::mouseClick(f.BTNcmd[0], Qt::LeftButton);
    QTest::mouseClick(f.BTN5, Qt::LeftButton);
    EXPECT_THAT(commandes(), ElementsAre("Play", "Next"));
    cd.advance(1000);
    EXPECT_EQ(f.Label16->text(), "02 / 03");
    EXPECT_EQ(f.Label18->text(), "00:01");
}

TEST_F(FInterfaceCdTest, TheDoorTextsOpenAndCloseTheDoorAndShowTheHand)
{
    cd.insertDisc({60});
    f.BTN7_Click();
    oublierCommandes();
    for (QLabel* porte : {f.Label19, f.Label22})
        EXPECT_EQ(porte->cursor().shape(), Qt::BitmapCursor) << porte->text().toStdString();
    EXPECT_EQ(f.Label19->text(), "Ejecter le CD");
    EXPECT_EQ(f.Label22->text(), "Fermer le CD");

    QTest::mouseClick(f.Label19, Qt::LeftButton);
    EXPECT_EQ(cd.Mode(), components::CdMode::DoorOpen);
    QTest::mouseClick(f.Label22, Qt::LeftButton);
    EXPECT_EQ(cd.Mode(), components::CdMode::Stopped);
    // A right click, or a release away from the text, is not a click.
    QTest::mouseClick(f.Label19, Qt::RightButton);
    QTest::mousePress(f.Label19, Qt::LeftButton);
    QTest::mouseRelease(f.Label19, Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
    EXPECT_THAT(commandes(), ElementsAre("OpenDoor", "CloseDoor"));
}

TEST_F(FInterfaceCdTest, ThePanelStaysBehindTheSkinUntilCdModeAndItsCaptionsAreThoseOfThePlayer)
{
    EXPECT_FALSE(panneauDevant());
    EXPECT_EQ(f.Picture3->geometry(), player::disposition::kAffichage.enPixels());
    EXPECT_EQ(f.Label14->text(), "Lecteur CD Audio");
    EXPECT_EQ(f.Image6->picture().size(), QSize(110, 110));
    EXPECT_FALSE(f.ImgCache->isVisibleTo(&f));
    EXPECT_FALSE(f.ImgCache2->isVisibleTo(&f));
}

}  // namespace
