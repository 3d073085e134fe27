// The station list, the player window's radio mode, tuning and the radio status.
#include "components/station_cipher.h"
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "player/controle_image.h"
#include "player/finterface.h"
#include "player/fsys.h"
#include "player/module3.h"
#include "player/radios.h"
#include "playlist/fliste.h"
#include "support/bytes.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace tulvane;
using test::FakeMediaPlayer;

namespace {

using Stations = std::vector<components::EntreeRadio>;

// The stations as the program ships them: enciphered in "Radios.sys".
void ecrireRadiosSys(const test::TempFolder& dossier, const Stations& stations)
{
    test::writeFile(dossier / "Radios.sys", components::chiffrerListeRadios(stations, components::kCleListeRadios));
}

const Stations kStations = {
    {"Alpha", "http://alpha.test/1", "http://alpha.test/2"},
    {"Beta", "http://beta.test/1", "http://beta.test/2"},
    {"Alpha", "http://autre-alpha.test/1", "http://autre-alpha.test/2"},
};

// ---- The readable list ----

TEST(StationsDesLignes, TakesThreeLinesPerStationAndLeavesOutOneCutShort)
{
    const QStringList sept = {"A", "a1", "a2", "B", "b1", "b2", "C"};
    const std::vector<std::pair<QStringList, qsizetype>> cas = {
        {{}, 0}, {sept.mid(0, 2), 0}, {sept.mid(0, 3), 1}, {sept, 2}, {sept + QStringList{"c1"}, 2},
        {sept + QStringList{"c1", ""}, 3},
    };
    for (const auto& [lignes, attendu] : cas)
        EXPECT_EQ(player::stationsDesLignes(lignes).size(), attendu) << lignes.join('|').toStdString();
    EXPECT_EQ(player::stationsDesLignes(sept).value(1), (player::StationRadio{"B", "b1", "b2"}));
}

class ChargementRadios : public testing::Test {
protected:
    void demarrer()
    {
        f.Form_Load();
        ctx.fSYS().Timer2_Timer();
    }

    QStringList nomsListe() const
    {
        QStringList noms;
        for (int i = 0; i < f.Combo1->count(); ++i)
            noms << f.Combo1->item(i)->text();
        return noms;
    }

    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();
    player::FInterface& f = ctx.fInterface();
    std::filesystem::path tmp_ = t.dossier() / "Radios.tmp";
};

TEST_F(ChargementRadios, TheStationsComeInFileOrderAndTheReadableFileGoes)
{
    ecrireRadiosSys(t.dossier(), {kStations[1], kStations[0]});
    demarrer();
    const platform::ListView& table = *ctx.fSYS().ListeRadios;
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.text(1), "Beta");
    EXPECT_EQ(table.subItem(1, 1), "http://beta.test/1");
    EXPECT_EQ(table.subItem(1, 2), "http://beta.test/2");
    EXPECT_EQ(table.text(2), "Alpha");
    EXPECT_EQ(table.subItem(2, 2), "http://alpha.test/2");
    EXPECT_EQ(table.selectedItem(), 0);
    EXPECT_EQ(nomsListe(), (QStringList{"Beta", "Alpha"}));
    EXPECT_EQ(f.Combo1->currentRow(), -1);
    EXPECT_FALSE(std::filesystem::exists(tmp_));
    EXPECT_TRUE(std::filesystem::exists(t.dossier() / "Radios.sys"));
}

TEST_F(ChargementRadios, WithoutAStationListTheProgramStartsWithNone)
{
    demarrer();
    EXPECT_EQ(ctx.fSYS().ListeRadios->count(), 0);
    EXPECT_EQ(f.Combo1->count(), 0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(t.dialogues().questions().empty());
}

// A readable list left by a process that died before deleting it, with its last station
// cut short: the stations read whole are kept, and the file goes.
TEST_F(ChargementRadios, AReadableListCutShortGivesTheStationsReadWhole)
{
    test::writeFile(tmp_, test::bytesOf("Un\r\nhttp://un/1\r\nhttp://un/2\r\nDeux\r\nhttp://deux/1\r\n"));
    demarrer();
    EXPECT_EQ(nomsListe(), QStringList{"Un"});
    EXPECT_FALSE(std::filesystem::exists(tmp_));
}

// ---- Radio mode ----

class RadioTest : public testing::Test {
protected:
    RadioTest()
    {
        ecrireRadiosSys(t.dossier(), kStations);
        f.Form_Load();
        ctx.fSYS().Timer2_Timer();
    }

    // The station list box's entry `index` highlighted, as a click leaves it.
    void choisir(int index) { f.Combo1->setCurrentRow(index); }

    // Whether the radio panel is what shows over the display.
    bool panneauDevant() const
    {
        const QWidget* dessus = f.childAt(f.Picture4->geometry().center());
        return dessus == f.Picture4 || f.Picture4->isAncestorOf(dessus);
    }

    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();
    player::FInterface& f = ctx.fInterface();
    playlist::FListe& liste = ctx.fListe();
    FakeMediaPlayer& piste = t.piste();
    FakeMediaPlayer& piste2 = t.piste2();
    platform::ListView& table = *ctx.fSYS().ListeRadios;
};

TEST_F(RadioTest, ThePanelStartsWithItsDesignTexts)
{
    EXPECT_EQ(f.Label24->text(), "Radio On-line");
    EXPECT_EQ(f.Label23->text(), "Veuillez choisir une station");
    EXPECT_EQ(f.Option1[0]->text(), "Canal 1");
    EXPECT_EQ(f.Option1[1]->text(), "Canal 2");
    EXPECT_TRUE(f.Option1[0]->isChecked());
    EXPECT_FALSE(f.Timer3.isActive());
    EXPECT_EQ(f.Timer3.interval(), 50);
    EXPECT_FALSE(f.ImgCache3->isVisibleTo(&f));
    EXPECT_FALSE(panneauDevant());
}

TEST_F(RadioTest, TheRadioButtonTurnsTheModeOnAndOff)
{
    const QString chemin = t.fichier("a.wav");
    piste.setDuration(chemin, 100);
    liste.fnAjouterFichierLite(chemin);
    piste.setFileName(chemin);
    ctx.module3().fnLecture();
    liste.show();
    piste2.clearCalls();

    f.BTN9_Click();
    EXPECT_TRUE(ctx.vModeRadio);
    EXPECT_TRUE(f.Timer3.isActive());
    EXPECT_FALSE(f.Label5->isVisible());
    EXPECT_FALSE(liste.isVisible());
    EXPECT_EQ(f.BTN1->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(f.BTN7->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_TRUE(panneauDevant());
    EXPECT_FALSE(f.Timer1.isActive());
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_EQ(piste.CurrentPosition(), 0);
    EXPECT_TRUE(f.ImgCache3->isVisible());
    EXPECT_FALSE(f.Image4->isVisible());
    EXPECT_FALSE(f.Image2->isHidden());  // the volume knob stays
    EXPECT_TRUE(piste2.calls().empty());  // never tuned: nothing plays

    f.BTN9_Click();
    EXPECT_FALSE(ctx.vModeRadio);
    EXPECT_FALSE(f.Timer3.isActive());
    EXPECT_TRUE(f.Label5->isVisible());
    EXPECT_TRUE(f.Timer1.isActive());
    EXPECT_EQ(f.BTN1->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(f.BTN7->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(f.Image4->isVisible());
    EXPECT_EQ(piste2.calls(), std::vector<std::string>{"Pause"});
    EXPECT_FALSE(panneauDevant());
    EXPECT_FALSE(f.ImgCache3->isVisible());
}

TEST_F(RadioTest, LeavingAndEnteringAgainResumesTheLastStationWithoutANewTuning)
{
    f.BTN9_Click();
    choisir(1);
    f.Combo1_DblClick();
    f.BTN9_Click();
    EXPECT_EQ(piste2.PlayState(), FakeMediaPlayer::Paused);
    EXPECT_EQ(piste2.FileName(), "http://beta.test/1");
    piste2.clearCalls();

    f.BTN9_Click();
    EXPECT_EQ(piste2.calls(), std::vector<std::string>{"Play"});
    EXPECT_EQ(piste2.PlayState(), FakeMediaPlayer::Playing);
}

TEST_F(RadioTest, CdModeAndRadioModeShutEachOtherOut)
{
    ctx.vModeCD = true;
    f.BTN9_Click();
    EXPECT_FALSE(ctx.vModeRadio);
    EXPECT_FALSE(f.Timer3.isActive());
    EXPECT_TRUE(f.Timer1.isActive());
    ctx.vModeCD = false;

    // The play-list button does nothing in radio mode.
    f.BTN9_Click();
    f.BTN1_Click();
    EXPECT_FALSE(liste.isVisible());
}

TEST_F(RadioTest, TuningTakesTheFirstStationOfTheNameOnTheChosenChannel)
{
    f.BTN9_Click();
    const struct {
        int entree;
        bool canal2;
        int ligne;
        const char* adresse;
    } cas[] = {
        {1, false, 2, "http://beta.test/1"},
        {2, false, 1, "http://alpha.test/1"},  // the second "Alpha" tunes the first
        {0, true, 1, "http://alpha.test/2"},
        {1, true, 2, "http://beta.test/2"},
    };
    for (const auto& c : cas) {
        f.Label23->setText("");
        choisir(c.entree);
        f.Option1[c.canal2 ? 1 : 0]->setChecked(true);
        f.Combo1_DblClick();
        EXPECT_EQ(f.Label23->text(), "Connexion avec le serveur...") << c.entree;
        EXPECT_EQ(piste2.FileName(), c.adresse) << c.entree;
        EXPECT_EQ(table.selectedItem(), c.ligne) << c.entree;
    }
    // No play command: the radio player starts by itself as the address loads.
    EXPECT_EQ(std::count(piste2.calls().begin(), piste2.calls().end(), "Play"), 0);
    EXPECT_EQ(piste2.PlayState(), FakeMediaPlayer::Playing);
}

TEST_F(RadioTest, WithNoStationHighlightedTuningDoesNothing)
{
    f.BTN9_Click();
    f.Combo1_DblClick();
    EXPECT_EQ(f.Label23->text(), "Veuillez choisir une station");
    EXPECT_TRUE(piste2.calls().empty());
    EXPECT_EQ(table.selectedItem(), 0);
}

TEST_F(RadioTest, InRadioModeThePlayButtonTunesAndTheOthersKeepTheirCommands)
{
    f.BTN9_Click();
    choisir(1);
    f.BTNcmd_Click(0);
    EXPECT_EQ(piste2.FileName(), "http://beta.test/1");
    EXPECT_EQ(ctx.vEtat, 0);

    f.BTNcmd_Click(5);
    EXPECT_TRUE(piste.Mute());
    EXPECT_TRUE(piste2.Mute());
}

TEST_F(RadioTest, TheStatusShowsTheBufferThenTheStation)
{
    f.BTN9_Click();
    ctx.vVolume = 7;
    f.Timer3_Timer();
    EXPECT_EQ(piste2.volume(), -1680);
    EXPECT_EQ(f.Label23->text(), "Veuillez choisir une station");  // not playing: kept

    piste2.setBufferingProgress(45);
    choisir(2);
    f.Combo1_DblClick();
    f.Timer3_Timer();
    EXPECT_EQ(f.Label23->text(), "Mise en mémoire cache : 45%");
    piste2.setBufferingProgress(100);
    f.Timer3_Timer();
    EXPECT_EQ(f.Label23->text(), "Connecté sur : Alpha");

    piste2.Pause();
    piste2.setBufferingProgress(10);
    f.Timer3_Timer();
    EXPECT_EQ(f.Label23->text(), "Connecté sur : Alpha");
}

TEST_F(RadioTest, StoppingAllTheMusicFromTheTrayPausesTheStreamAndKeepsTheMode)
{
    f.BTN9_Click();
    choisir(0);
    f.Combo1_DblClick();
    f.Timer3_Timer();
    ASSERT_EQ(f.Label23->text(), "Connecté sur : Alpha");

    ctx.fSYS().menu("Arrêter")->trigger();
    EXPECT_EQ(piste2.PlayState(), FakeMediaPlayer::Paused);
    EXPECT_EQ(static_cast<test::FakeCdDevice&>(ctx.cd()).calls().back(), "Stop");
    EXPECT_TRUE(ctx.vModeRadio);
    f.Timer3_Timer();
    EXPECT_EQ(f.Label23->text(), "Connecté sur : Alpha");
}

}  // namespace
