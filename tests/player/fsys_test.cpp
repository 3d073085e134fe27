// The tray form: its icon, the icon's messages, its menu, and the timers of the start and
// the quit.
#include "fakes/contexte_test.h"
#include "platform/tray_icon.h"
#include "player/controle_image.h"
#include "player/finterface.h"
#include "player/fstart.h"
#include "player/fsys.h"
#include "player/module3.h"
#include "playlist/fliste.h"

#include <QAction>
#include <QEventLoop>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace tulvane;
using platform::MessageAnswer;

namespace {

class FSYSTest : public testing::Test {
protected:
    FSYSTest()
    {
        f.Form_Load();
        sys.Timer2_Timer();
        // The menu opens and closes at once, counting its openings.
        sys.montrerMenu = [this](QMenu& menu) {
            EXPECT_EQ(&menu, sys.Menu);
            ++menusOuverts;
            if (auto action = std::exchange(pendantLeMenu, nullptr))
                action();
        };
    }

    // The icon's activation as Qt reports it.
    void activer(QSystemTrayIcon::ActivationReason raison)
    {
        emit sys.findChild<QSystemTrayIcon*>()->activated(raison);
    }

    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();
    player::FInterface& f = ctx.fInterface();
    player::FSYS& sys = ctx.fSYS();
    int menusOuverts = 0;
    std::function<void()> pendantLeMenu;
};

TEST_F(FSYSTest, TheTimersOfTheStartAndTheQuit)
{
    EXPECT_TRUE(sys.isHidden());
    EXPECT_FALSE(sys.Timer5.isActive());
    EXPECT_EQ(sys.Timer5.interval(), 10);
    EXPECT_FALSE(sys.Timer1.isActive());
    EXPECT_EQ(sys.Timer1.interval(), 100);

    sys.Timer4_Timer();
    EXPECT_FALSE(sys.Timer4.isActive());
    EXPECT_TRUE(sys.icone().isAdded() || !platform::TrayIcon::isAvailable());
    EXPECT_EQ(sys.icone().toolTip(), "Tulvane Avance v.4.2 - Lecteur Multimédia");

    sys.Timer5_Timer();
    EXPECT_FALSE(sys.Timer5.isActive());
    EXPECT_FALSE(sys.icone().isAdded());

    // The end of the process: the event loop of the program returns.
    QEventLoop boucle;
    QTimer::singleShot(0, &sys, [this] { sys.Timer1_Timer(); });
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, &boucle, [&boucle] { boucle.exit(1); });
    garde.start(5000);
    EXPECT_EQ(boucle.exec(), 0);
    EXPECT_FALSE(sys.Timer1.isActive());
}

TEST_F(FSYSTest, TheMenuHasItsEntriesInOrderWithTheirBlanks)
{
    const std::vector<std::pair<QString, QString>> attendu = {
        {"interface", "Ouvrir l'interface principale"},
        {"toujour_premier_plan", "Toujour afficher le lecteur au 1er plan           "},
        {"sp1", ""},
        {"volumes", "Contrôleur de volumes"},
        {"Arrêter", "Arrêter toute la musique"},
        {"sp2", ""},
        {"Cacher", "Cacher le menu"},
        {"A_propos", "A propos de Tulvane ©          "},
        {"Quitter", "Quitter le programme"},
    };
    const QList<QAction*> entrees = sys.Menu->actions();
    ASSERT_EQ(static_cast<std::size_t>(entrees.size()), attendu.size());
    for (std::size_t i = 0; i < attendu.size(); ++i) {
        EXPECT_EQ(entrees[static_cast<qsizetype>(i)]->objectName(), attendu[i].first);
        EXPECT_EQ(entrees[static_cast<qsizetype>(i)]->text(), attendu[i].second);
        EXPECT_EQ(entrees[static_cast<qsizetype>(i)]->isSeparator(), attendu[i].second.isEmpty());
    }
    EXPECT_EQ(sys.Menu->title(), "Menu");
    EXPECT_FALSE(sys.menu("toujour_premier_plan")->isChecked());
}

TEST_F(FSYSTest, ADoubleClickShowsTheHiddenPlayerAndARightClickOpensTheMenu)
{
    f.hide();
    activer(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(sys.dernierMessage(), 515);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(menusOuverts, 0);

    activer(QSystemTrayIcon::Context);
    EXPECT_EQ(sys.dernierMessage(), 517);
    EXPECT_EQ(menusOuverts, 1);
}

TEST_F(FSYSTest, OtherMessagesDoNothing)
{
    f.hide();
    for (const int message : {512, 513, 514, 516, 518, 520}) {
        sys.Form_MouseMove(message);
        EXPECT_EQ(sys.dernierMessage(), message);
    }
    activer(QSystemTrayIcon::Trigger);
    activer(QSystemTrayIcon::MiddleClick);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(menusOuverts, 0);
}

// While the menu waits, the icon's messages reach the handler again; they are dropped.
TEST_F(FSYSTest, MessagesWhileTheMenuIsOpenAreIgnored)
{
    f.hide();
    pendantLeMenu = [this] {
        sys.Form_MouseMove(517);
        sys.Form_MouseMove(515);
        EXPECT_EQ(sys.dernierMessage(), 515);
    };
    sys.Form_MouseMove(517);
    EXPECT_EQ(menusOuverts, 1);
    EXPECT_FALSE(f.isVisible());

    // Once the menu has closed, the next message acts again.
    sys.Form_MouseMove(517);
    EXPECT_EQ(menusOuverts, 2);
}

TEST_F(FSYSTest, TheMenuCommands)
{
    f.hide();
    sys.menu("interface")->trigger();
    EXPECT_TRUE(f.isVisible());

    playlist::FListe& liste = ctx.fListe();
    sys.menu("toujour_premier_plan")->trigger();
    EXPECT_TRUE(liste.menu("toujour_premier_plan")->isChecked());
    EXPECT_TRUE(sys.menu("toujour_premier_plan")->isChecked());
    EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    liste.menu("toujour_premier_plan")->trigger();
    EXPECT_FALSE(sys.menu("toujour_premier_plan")->isChecked());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowStaysOnTopHint);

    // No volume control in the tests: the failure is said.
    t.dialogues().answer(MessageAnswer::Ok);
    sys.menu("volumes")->trigger();
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_EQ(t.dialogues().questions()[0].title, "Annulation de procédure");

    f.Form_Activate();
    ASSERT_FALSE(ctx.fStartCharge());
    sys.menu("A_propos")->trigger();
    ASSERT_TRUE(ctx.fStartCharge());
    EXPECT_TRUE(ctx.fStart().Command1->isVisible());
    ctx.dechargerFStart();

    sys.menu("Cacher")->trigger();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(t.dialogues().questions().size(), 1u);
}

TEST_F(FSYSTest, StoppingAllTheMusicStopsTheFileTheCdAndTheRadio)
{
    const QString chemin = t.fichier("a.wav");
    t.piste().setDuration(chemin, 100);
    ctx.fListe().fnAjouterFichierLite(chemin);
    t.piste().setFileName(chemin);
    ctx.module3().fnLecture();
    t.piste().advance(5);
    t.piste2().setFileName("http://radio.test/flux");

    sys.menu("Arrêter")->trigger();
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_EQ(t.piste().CurrentPosition(), 0);
    EXPECT_EQ(static_cast<test::FakeCdDevice&>(ctx.cd()).calls().back(), "Stop");
    EXPECT_EQ(t.piste2().calls().back(), "Pause");
    EXPECT_FALSE(ctx.vModeRadio);
}

TEST_F(FSYSTest, QuitAnsweredNoLeavesTheIconAndTheProcess)
{
    sys.Timer4_Timer();
    const bool ajoutee = sys.icone().isAdded();
    t.dialogues().answer(MessageAnswer::No);
    sys.menu("Quitter")->trigger();
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_EQ(t.dialogues().questions()[0].text, "Quitter Tulvane Advance ?");
    EXPECT_FALSE(sys.Timer5.isActive());
    EXPECT_FALSE(sys.Timer1.isActive());
    EXPECT_EQ(sys.icone().isAdded(), ajoutee);
    EXPECT_TRUE(t.reglages().valeurs().isEmpty());
}

TEST_F(FSYSTest, QuitDuringRadioPlaySavesAndEndsThroughTheTimersWithoutStoppingTheStream)
{
    f.Combo1->addItem("Test");
    f.BTN9_Click();
    t.piste2().setFileName("http://radio.test/flux");
    t.piste2().clearCalls();

    t.dialogues().answer(MessageAnswer::Yes);
    sys.menu("Quitter")->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(t.reglages().valeurs().size(), 7);
    EXPECT_TRUE(sys.Timer5.isActive());
    EXPECT_TRUE(sys.Timer1.isActive());
    EXPECT_TRUE(t.piste2().calls().empty());
    EXPECT_EQ(static_cast<test::FakeCdDevice&>(ctx.cd()).calls().back(), "Stop");
    sys.Timer5.stop();
    sys.Timer1.stop();
}

}  // namespace
