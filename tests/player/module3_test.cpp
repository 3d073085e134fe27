#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "player/module3.h"
#include "playlist/fliste.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace tulvane;
using platform::MessageAnswer;
using test::FakeMediaPlayer;

namespace {

class Module3Test : public testing::Test {
protected:
    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();
    playlist::FListe& liste = ctx.fListe();
    player::Module3& m3 = ctx.module3();
    FakeMediaPlayer& piste = t.piste();

    // Six rows; the player holds row `courante`'s file, playing.
    void sixLignesEnLecture(int courante)
    {
        for (int i = 1; i <= 6; ++i) {
            const QString chemin = t.fichier(QString("p%1.wav").arg(i));
            piste.setDuration(chemin, 100);
            liste.fnAjouterFichierLite(chemin);
        }
        piste.setFileName(liste.cheminLigne(courante));
        m3.fnLecture();
        liste.Timer1_Timer();
        ASSERT_EQ(ctx.vIndexPiste, courante);
    }
};

struct FinDePiste {
    int mode;
    int indexPiste;     // 0: the player's file is in no row
    int attendue;       // row whose file plays next, 0 for a stop
};

class EndOfTrack : public Module3Test, public testing::WithParamInterface<FinDePiste> {};

TEST_P(EndOfTrack, FollowsThePlayMode)
{
    const FinDePiste cas = GetParam();
    sixLignesEnLecture(cas.indexPiste == 0 ? 1 : cas.indexPiste);
    liste.Liste->setChecked(2, true);
    liste.Liste->setChecked(5, true);
    if (cas.indexPiste == 0)
        piste.setFileName(t.fichier("ailleurs.wav"));
    ctx.vIndexPiste = cas.indexPiste;
    const QString avant = piste.FileName();
    liste.vModeLect_Click(cas.mode);

    m3.fnPisteSuivante();

    if (cas.attendue == 0) {
        EXPECT_EQ(ctx.vEtat, 0);
        EXPECT_EQ(piste.CurrentPosition(), 0);
        EXPECT_EQ(ctx.fInterface().Label4->text(), "00:00");
        EXPECT_EQ(piste.FileName(), avant);
    } else {
        EXPECT_EQ(ctx.vEtat, 2);
        EXPECT_EQ(piste.PlayState(), 2);
        EXPECT_EQ(piste.FileName(), cas.attendue < 0 ? avant : liste.cheminLigne(cas.attendue));
        if (cas.attendue > 0) {
            EXPECT_TRUE(liste.Liste->isBold(cas.attendue));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, EndOfTrack,
    testing::Values(FinDePiste{0, 3, 4}, FinDePiste{0, 6, 1}, FinDePiste{0, 0, 1},  // normal, round
                    FinDePiste{1, 3, -1},                                          // the same file again
                    FinDePiste{2, 3, 0},                                           // manual: stop
                    FinDePiste{3, 3, 5}, FinDePiste{3, 5, 0}, FinDePiste{3, 0, 2}),  // marked rows 2 and 5
    [](const auto& info) {
        return "mode" + std::to_string(info.param.mode) + "FromRow" + std::to_string(info.param.indexPiste);
    });

TEST_F(Module3Test, NormalModeOnAnEmptyListDoesNothing)
{
    ctx.vEtat = 2;
    m3.fnPisteSuivante();
    EXPECT_EQ(ctx.vEtat, 2);
    EXPECT_EQ(piste.FileName(), "");
}

TEST_F(Module3Test, CommandsDoNothingWhileStoppedAndPlayNeedsRows)
{
    piste.clearCalls();
    m3.fnLecture();
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_TRUE(piste.calls().empty());

    liste.fnAjouterFichierLite(t.fichier("a.wav"));
    piste.clearCalls();
    m3.fnPause();
    m3.fnArret();
    m3.fnRetourRapide(3);
    m3.fnAvanceRapide(3);
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_TRUE(piste.calls().empty());
}

TEST_F(Module3Test, PauseStopAndSkips)
{
    sixLignesEnLecture(1);
    piste.advance(10);
    m3.fnAvanceRapide(3);
    EXPECT_DOUBLE_EQ(piste.CurrentPosition(), 13);
    m3.fnRetourRapide(6);
    EXPECT_DOUBLE_EQ(piste.CurrentPosition(), 7);
    m3.fnRetourRapide(60);  // refused by the player, no error
    EXPECT_DOUBLE_EQ(piste.CurrentPosition(), 7);
    m3.fnPause();
    EXPECT_EQ(ctx.vEtat, 1);
    EXPECT_EQ(piste.PlayState(), 1);
    m3.fnLecture();
    EXPECT_EQ(ctx.vEtat, 2);
    m3.fnArret();
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_EQ(piste.CurrentPosition(), 0);
}

TEST_F(Module3Test, AFileThatCannotBePlayedIsReportedAndStops)
{
    const QString chemin = t.fichier("casse.mp3");
    liste.fnAjouterFichierLite(chemin);
    piste.refuse(chemin, FakeMediaPlayer::Refusal::AtPlay);
    t.dialogues().answer(MessageAnswer::Ok);
    m3.fnLecture();
    EXPECT_EQ(ctx.vEtat, 0);
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    const auto& q = t.dialogues().questions()[0];
    EXPECT_EQ(q.text, "Le format du fichier est corrompu et ne peut être pris en charge !");
    EXPECT_EQ(q.title, "Annulation de procédure");
    EXPECT_EQ(q.icon, platform::MessageIcon::Critical);
}

TEST_F(Module3Test, AFailureFoundLaterEndsInTheSameHandling)
{
    const QString chemin = t.fichier("casse.mp3");
    liste.fnAjouterFichierLite(chemin);
    piste.refuse(chemin, FakeMediaPlayer::Refusal::Later);
    m3.fnLecture();
    EXPECT_EQ(ctx.vEtat, 2);
    t.dialogues().answer(MessageAnswer::Ok);
    piste.advance(0.05);
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_EQ(t.dialogues().questions().size(), 1u);
}

TEST_F(Module3Test, OtherFailuresStopSilently)
{
    const QString chemin = t.fichier("a.wav");
    liste.fnAjouterFichierLite(chemin);
    piste.refuse(chemin, FakeMediaPlayer::Refusal::AtPlay, components::PlayError::Kind::Other);
    m3.fnLecture();
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_TRUE(t.dialogues().questions().empty());
}

TEST_F(Module3Test, MuteFollowsTheFilePlayerForBoth)
{
    t.piste2().setMute(true);
    m3.fnSilence();
    EXPECT_TRUE(piste.Mute());
    EXPECT_TRUE(t.piste2().Mute());
    EXPECT_TRUE(ctx.fInterface().silenceAffiche());
    m3.fnSilence();
    EXPECT_FALSE(piste.Mute());
    EXPECT_FALSE(t.piste2().Mute());
    EXPECT_FALSE(ctx.fInterface().silenceAffiche());
}

TEST_F(Module3Test, TimeLabels)
{
    player::FInterface& f = ctx.fInterface();
    const QString chemin = t.fichier("a.wav");
    piste.setDuration(chemin, 239.7);
    liste.fnAjouterFichierLite(chemin);
    f.Label4->setText("xx");
    m3.fnAfficherTemps();
    EXPECT_EQ(f.Label4->text(), "xx");  // stopped: the elapsed time is left alone
    EXPECT_EQ(f.Label3->text(), "04:00");
    EXPECT_EQ(f.Label6->text(), "04:00");

    m3.fnLecture();
    piste.advance(59.2);
    m3.fnAfficherTemps();
    EXPECT_EQ(f.Label4->text(), "01:00");
    EXPECT_EQ(f.Label6->text(), "03:01");

    piste.setFileName(t.fichier("flux.wav"));  // no known length
    m3.fnAfficherTemps();
    EXPECT_EQ(f.Label6->text(), "00:00");
    EXPECT_EQ(f.Label3->text(), "00:00");
}

}  // namespace
