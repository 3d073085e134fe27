#include "fakes/contexte_test.h"
#include "platform/single_instance.h"
#include "player/controle_image.h"
#include "player/finterface.h"
#include "player/fstart.h"
#include "player/fsys.h"
#include "playlist/fliste.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tulvane;

namespace {

class FStartTest : public testing::Test {
protected:
    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();

    const std::vector<std::string>& appelsCd() { return static_cast<test::FakeCdDevice&>(ctx.cd()).calls(); }
};

TEST_F(FStartTest, TheSplashShowsWithItsTwoTimers)
{
    player::FStart& splash = ctx.fStart();
    EXPECT_FALSE(splash.autreInstance());
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.Label2->text(), "Version finale 4.2.7");
    EXPECT_EQ(splash.Label1->text(), "Chargement en cours . . .");
    EXPECT_TRUE(splash.Label1->isVisible());
    EXPECT_FALSE(splash.Command1->isVisible());
    EXPECT_TRUE(splash.Timer1.isActive());
    EXPECT_EQ(splash.Timer1.interval(), 2000);
    EXPECT_TRUE(splash.Timer2.isActive());
    EXPECT_EQ(splash.Timer2.interval(), 400);

    splash.Timer2_Timer();
    EXPECT_FALSE(splash.Label1->isVisible());
    splash.Timer2_Timer();
    EXPECT_TRUE(splash.Label1->isVisible());
}

TEST_F(FStartTest, TheLoadStepBringsUpThePlayerWindowInItsStartState)
{
    player::FStart& splash = ctx.fStart();
    ctx.vVolume = 3;
    ctx.vEtat = 2;
    ctx.vModeCD = true;
    splash.Timer1_Timer();

    EXPECT_FALSE(splash.Timer1.isActive());
    EXPECT_EQ(ctx.vExtensions.size(), 51);
    EXPECT_EQ(ctx.vExtensions.value(0), "AIF");
    player::FInterface& f = ctx.fInterface();
    EXPECT_EQ(ctx.vVolume, 10);
    EXPECT_EQ(f.Label5->text(), "Volume : 10 / 20");
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_FALSE(ctx.vModeCD);
    EXPECT_FALSE(ctx.vModeRadio);
    EXPECT_FALSE(f.mask().isEmpty());
    EXPECT_EQ(f.Picture2->size(), QSize(293, 201));
    EXPECT_EQ(appelsCd(), (std::vector<std::string>{"Open", "UpdateInterval=100"}));
    EXPECT_FALSE(ctx.fListe().isVisible());
    // The load ends by loading the tray form, whose timers finish the start; until then the
    // window and its play-list button stay hidden.
    player::FSYS& tray = ctx.fSYS();
    EXPECT_TRUE(tray.Timer4.isActive());
    EXPECT_EQ(tray.Timer4.interval(), 10);
    EXPECT_TRUE(tray.Timer2.isActive());
    EXPECT_EQ(tray.Timer2.interval(), 1500);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.BTN1->isVisibleTo(&f));

    // The tray's start-up step shows them; the splash stays until the window is active.
    tray.Timer2_Timer();
    EXPECT_FALSE(tray.Timer2.isActive());
    EXPECT_TRUE(f.BTN1->isVisibleTo(&f));
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(ctx.fStartCharge());
    EXPECT_TRUE(splash.Timer2.isActive());
}

TEST_F(FStartTest, ThePlayerWindowBecomingActiveUnloadsTheSplash)
{
    player::FStart& splash = ctx.fStart();
    splash.Timer1_Timer();
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&ctx.fInterface(), &activation);
    EXPECT_FALSE(ctx.fStartCharge());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer2.isActive());

    ctx.fInterface().Form_Activate();  // nothing left to unload
    EXPECT_FALSE(ctx.fStartCharge());
}

TEST_F(FStartTest, TheAboutBoxIsTheSplashStillWithItsCloseButton)
{
    ctx.fStart().Timer1_Timer();
    ctx.fInterface().Form_Activate();
    ASSERT_FALSE(ctx.fStartCharge());

    QTest::mouseClick(ctx.fInterface().BTN8, Qt::LeftButton);
    ASSERT_TRUE(ctx.fStartCharge());
    player::FStart& apropos = ctx.fStart();
    EXPECT_TRUE(apropos.isVisible());
    EXPECT_FALSE(apropos.Timer1.isActive());
    EXPECT_FALSE(apropos.Timer2.isActive());
    EXPECT_TRUE(apropos.Command1->isVisible());
    EXPECT_EQ(apropos.Command1->text(), "Fermer");
    EXPECT_FALSE(apropos.Label1->isVisible());

    QTest::mouseClick(apropos.Command1, Qt::LeftButton);
    EXPECT_FALSE(ctx.fStartCharge());
    EXPECT_FALSE(apropos.isVisible());

    // Opened again, it is made anew; the player window's activation closes it too.
    player::afficherAPropos(ctx);
    EXPECT_TRUE(ctx.fStart().Command1->isVisible());
    ctx.fInterface().Form_Activate();
    EXPECT_FALSE(ctx.fStartCharge());
    EXPECT_TRUE(t.dialogues().questions().empty());
}

TEST_F(FStartTest, AClickOnTheInactivePlayerWindowOpensAnAboutBoxThatStays)
{
    ctx.fStart().Timer1_Timer();
    player::FInterface& f = ctx.fInterface();
    f.afficher();  // the end of the start-up
    f.Form_Activate();
    QWidget autre;
    autre.show();
    QCoreApplication::processEvents();  // the activations the window system had pending
    QApplication::setActiveWindow(&autre);
    ASSERT_FALSE(f.isActiveWindow());

    // The click as the window system gives it; X activates the window only after it.
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, f.BTN8->mapTo(&f, QPoint(5, 5)));
    ASSERT_TRUE(ctx.fStartCharge());
    QApplication::setActiveWindow(&f);
    EXPECT_TRUE(ctx.fStartCharge());
    EXPECT_TRUE(ctx.fStart().isVisible());

    // A press on the player window behind the About box closes it at once.
    QApplication::setActiveWindow(&ctx.fStart());
    QTest::mousePress(f.windowHandle(), Qt::LeftButton, {}, QPoint(100, 240));
    EXPECT_FALSE(ctx.fStartCharge());
    QTest::mouseRelease(f.windowHandle(), Qt::LeftButton, {}, QPoint(100, 240));
    QApplication::setActiveWindow(&f);
    EXPECT_FALSE(ctx.fStartCharge());
}

TEST_F(FStartTest, ThePlayListMenuOpensTheAboutBoxToo)
{
    ctx.fStart().Timer1_Timer();
    ctx.fInterface().Form_Activate();
    ctx.fListe().menu("a_propos")->trigger();
    ASSERT_TRUE(ctx.fStartCharge());
    EXPECT_TRUE(ctx.fStart().Command1->isVisible());
    EXPECT_FALSE(ctx.fStart().Timer2.isActive());
}

TEST_F(FStartTest, ASecondInstanceShowsNothingAndEnds)
{
    const platform::SingleInstance premiere(ctx.dossierProgramme());
    ASSERT_FALSE(premiere.anotherInstanceRunning());

    player::FStart& splash = ctx.fStart();
    EXPECT_TRUE(splash.autreInstance());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1.isActive());
    EXPECT_FALSE(splash.Timer2.isActive());
    EXPECT_TRUE(t.dialogues().questions().empty());
}

TEST_F(FStartTest, TheRunningInstanceFindsOnlyItselfWhenTheAboutBoxLoads)
{
    ASSERT_FALSE(ctx.fStart().autreInstance());
    ctx.dechargerFStart();
    EXPECT_FALSE(ctx.fStart().autreInstance());
    EXPECT_TRUE(platform::SingleInstance(ctx.dossierProgramme()).anotherInstanceRunning());
}

}  // namespace
