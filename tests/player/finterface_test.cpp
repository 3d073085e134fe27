#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "platform/twips.h"
#include "player/controle_image.h"
#include "player/finterface.h"
#include "player/fsys.h"
#include "player/habillage.h"
#include "player/module3.h"
#include "playlist/fliste.h"
#include "support/case_names.h"

#include <QApplication>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace tulvane;
using platform::MessageAnswer;
using test::FakeMediaPlayer;

namespace {

constexpr auto kGauche = Qt::LeftButton;
constexpr Qt::KeyboardModifiers kSans = Qt::NoModifier;

class FInterfaceTest : public testing::Test {
protected:
    // Started as the program starts it: the window's load, then the tray form's timer.
    FInterfaceTest()
    {
        f.Form_Load();
        ctx.fSYS().Timer2_Timer();
    }

    test::ContexteDeTest t;
    app::Contexte& ctx = t.ctx();
    player::FInterface& f = ctx.fInterface();
    playlist::FListe& liste = ctx.fListe();
    FakeMediaPlayer& piste = t.piste();

    // A row per name, each file `duree` seconds long; returns their paths.
    QStringList lignes(std::initializer_list<const char*> noms, double duree = 100)
    {
        QStringList chemins;
        for (const char* nom : noms) {
            const QString chemin = t.fichier(nom);
            piste.setDuration(chemin, duree);
            liste.fnAjouterFichierLite(chemin);
            chemins << chemin;
        }
        return chemins;
    }

    // Plays row `ligne` and lets the tracking timer find it.
    void jouer(int ligne)
    {
        piste.setFileName(liste.cheminLigne(ligne));
        ctx.module3().fnLecture();
        liste.Timer1_Timer();
        ASSERT_EQ(ctx.vEtat, 2);
        ASSERT_EQ(ctx.vIndexPiste, ligne);
    }

    int compter(const std::string& appel) const
    {
        return static_cast<int>(std::count(piste.calls().begin(), piste.calls().end(), appel));
    }
};

// ---- Labels ----

QLabel* etiquette(const QWidget& fenetre, const QString& texte)
{
    for (QLabel* label : fenetre.findChildren<QLabel*>())
        if (label->text() == texte)
            return label;
    return nullptr;
}

TEST_F(FInterfaceTest, TheLabelsKeepTheirPlacesAndFacesAndShowTheirWholeCaption)
{
    struct Cas {
        QString texte;
        QRect twips;
        int pixels;  // 8.25 pt is 11 pixels, 12 pt 16
        bool gras;
    };
    const Cas cas[] = {
        {"Temps écoulé", {480, 1080, 1005, 210}, 11, false},   {"00:00", {840, 1320, 630, 285}, 16, true},
        {"D :", {3180, 1080, 195, 210}, 11, false},            {"R :", {3900, 1080, 195, 210}, 11, false},
        {"Piste :", {3180, 1380, 435, 210}, 11, false},        {"000 / 000", {3660, 1380, 675, 210}, 11, false},
        {"Qualité audio :", {540, 3180, 1020, 210}, 11, false}, {"Infos", {3720, 135, 435, 195}, 11, true},
        {"Volume : 10 / 20", {3300, 3590, 1380, 210}, 11, false},
        {"Aucun fichier dans la Play-List...", {1080, 1380, 2340, 210}, 11, false},
    };
    for (const Cas& c : cas) {
        const QLabel* label = etiquette(*f.Picture1, c.texte);
        ASSERT_NE(label, nullptr) << c.texte.toStdString();
        const QRect pixels(platform::twipsEnPixels(c.twips.x()), platform::twipsEnPixels(c.twips.y()),
                           platform::twipsEnPixels(c.twips.width()), platform::twipsEnPixels(c.twips.height()));
        EXPECT_EQ(label->geometry(), pixels) << c.texte.toStdString();
        EXPECT_EQ(label->font().pixelSize(), c.pixels) << c.texte.toStdString();
        EXPECT_EQ(label->font().bold(), c.gras) << c.texte.toStdString();
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(c.texte), label->width()) << c.texte.toStdString();
    }
    EXPECT_EQ(f.Label4->font().pixelSize(), 16);
    EXPECT_EQ(f.Label2->geometry(), QRect(32, 40, 273, 19));
}

// ---- Heartbeat ----

TEST_F(FInterfaceTest, TheEndOfAFileStepsOnceToTheNextRow)
{
    const QStringList chemins = lignes({"a.wav", "b.wav"}, 10);
    jouer(1);
    piste.advance(11);
    ASSERT_EQ(piste.PlayState(), FakeMediaPlayer::Stopped);
    piste.clearCalls();

    f.Timer1_Timer();
    f.Timer1_Timer();
    f.Timer1_Timer();

    EXPECT_EQ(piste.FileName(), chemins[1]);
    EXPECT_EQ(compter("FileName=" + chemins[1].toStdString()), 1);
    EXPECT_EQ(compter("Play"), 1);
    EXPECT_EQ(ctx.vEtat, 2);
}

TEST_F(FInterfaceTest, APausedFileNeverStepsOn)
{
    const QStringList chemins = lignes({"a.wav", "b.wav"}, 10);
    jouer(1);
    ctx.module3().fnPause();
    piste.advance(20);
    f.Timer1_Timer();
    EXPECT_EQ(piste.FileName(), chemins[0]);

    // Even a file that ran to its end does not step on once the state says paused.
    ctx.module3().fnLecture();
    piste.advance(20);
    ASSERT_EQ(piste.PlayState(), FakeMediaPlayer::Stopped);
    ctx.vEtat = 1;
    f.Timer1_Timer();
    EXPECT_EQ(piste.FileName(), chemins[0]);
    EXPECT_EQ(ctx.vEtat, 1);
}

TEST_F(FInterfaceTest, TheHeartbeatShowsTitleStateVolumeTimesAndTheNotice)
{
    f.Timer1_Timer();
    EXPECT_EQ(f.Label2->text(), "");
    EXPECT_TRUE(f.Picture2->isVisibleTo(&f));
    EXPECT_EQ(f.Label13->text(), "Aucun fichier dans la Play-List...");
    EXPECT_EQ(piste.volume(), -2400);

    lignes({"Un titre.wav"}, 239.7);
    jouer(1);
    piste.advance(59.2);
    ctx.vVolume = 3;
    f.Timer1_Timer();
    EXPECT_EQ(f.Label2->text(), "Un titre.wav");
    EXPECT_EQ(f.Label2->toolTip(), "Un titre.wav");
    EXPECT_EQ(piste.volume(), -720);
    EXPECT_FALSE(f.Picture2->isVisibleTo(&f));
    EXPECT_FALSE(f.BTNcmd[0]->isVisibleTo(&f));
    EXPECT_TRUE(f.BTNcmd[4]->isVisibleTo(&f));
    EXPECT_EQ(f.ImgEtat->picture().toImage(), player::iconeEtat(2).toImage());
    EXPECT_EQ(f.Label4->text(), "01:00");
    EXPECT_EQ(f.Label3->text(), "04:00");

    ctx.module3().fnPause();
    f.Timer1_Timer();
    EXPECT_TRUE(f.BTNcmd[0]->isVisibleTo(&f));
    EXPECT_FALSE(f.BTNcmd[4]->isVisibleTo(&f));
    EXPECT_EQ(f.ImgEtat->picture().toImage(), player::iconeEtat(1).toImage());
}

struct Curseur {
    double duree;
    double position;
    int gauche;  // twips
};

class CursorPosition : public FInterfaceTest, public testing::WithParamInterface<Curseur> {};

TEST_P(CursorPosition, IsTheBarsLeftPlusTheRoundedShare)
{
    const Curseur cas = GetParam();
    lignes({"a.wav"}, cas.duree);
    jouer(1);
    piste.advance(cas.position);
    f.Timer1_Timer();
    EXPECT_EQ(f.Image4->Left(), cas.gauche);
    EXPECT_EQ(f.Image4->x(), (cas.gauche * 2 + 15) / 30);
}

// With 6150 s the cursor moves half a twip a second: halves go to the even twip.
INSTANTIATE_TEST_SUITE_P(Cases, CursorPosition,
                         testing::Values(Curseur{6150, 1, 840}, Curseur{6150, 3, 842}, Curseur{6150, 5, 842},
                                         Curseur{6150, 7, 844}, Curseur{3075, 100, 940},
                                         Curseur{100, 99.9, 3912}),
                         [](const auto& info) {
                             return "length" + tulvane::test::caseName(info.param.duree) + "At" + tulvane::test::caseName(info.param.position);
                         });

TEST_F(FInterfaceTest, AnUnknownLengthLeavesTheCursorAndSeeksToZero)
{
    lignes({"a.wav"}, 100);
    jouer(1);
    piste.advance(50);
    f.Timer1_Timer();
    const int avant = f.Image4->Left();
    ASSERT_NE(avant, 840);

    const QString flux = t.fichier("sans-duree.wav");  // no duration given: unknown length
    piste.setFileName(flux);
    ctx.module3().fnLecture();
    f.Timer1_Timer();
    EXPECT_EQ(f.Image4->Left(), avant);

    piste.clearCalls();
    f.Image1_MouseDown(kGauche, kSans, 2000, 50);
    EXPECT_EQ(piste.calls(), std::vector<std::string>{"CurrentPosition=0"});
}

TEST_F(FInterfaceTest, ASeekRoundsToWholeSecondsHalvesToEven)
{
    lignes({"a.wav"}, 3075);
    jouer(1);
    for (const auto& [x, attendu] : {std::pair{2.5f, "CurrentPosition=2"}, std::pair{3.5f, "CurrentPosition=4"},
                                     std::pair{1537.4f, "CurrentPosition=1537"}}) {
        piste.clearCalls();
        f.Image1_MouseDown(Qt::RightButton, kSans, x, 10);
        EXPECT_EQ(piste.calls(), std::vector<std::string>{attendu}) << x;
    }
    ctx.vModeRadio = true;
    piste.clearCalls();
    f.Image1_MouseDown(kGauche, kSans, 100, 10);
    EXPECT_TRUE(piste.calls().empty());
}

// ---- Volume ----

struct Volume {
    float x;
    const char* libelle;
    int vVolume;
    int gaucheBouton;  // twips
};

class VolumeSlider : public FInterfaceTest, public testing::WithParamInterface<Volume> {};

TEST_P(VolumeSlider, APressSetsTheLevel)
{
    const Volume cas = GetParam();
    EXPECT_EQ(f.Label5->text(), "Volume : 10 / 20");
    f.Image5_MouseDown(Qt::RightButton, kSans, cas.x, 100);
    f.Image5_MouseUp(Qt::RightButton, kSans, cas.x, 100);
    EXPECT_EQ(f.Label5->text(), cas.libelle);
    EXPECT_EQ(ctx.vVolume, cas.vVolume);
    EXPECT_EQ(f.Image2->Left(), cas.gaucheBouton);
    f.Timer1_Timer();
    EXPECT_EQ(piste.volume(), -240 * cas.vVolume);
}

INSTANTIATE_TEST_SUITE_P(Cases, VolumeSlider,
                         testing::Values(Volume{0, "Volume: 00 / 20", 20, 2565},
                                         Volume{487, "Volume: 10 / 20", 10, 3052},
                                         Volume{975, "Volume: 20 / 20", 0, 3540},
                                         Volume{990, "Volume: 20 / 20", 0, 3555},    // within half a step
                                         Volume{5000, "Volume: 20 / 20", 0, 3540},   // far right: the end
                                         Volume{-400, "Volume: 00 / 20", 20, 2565},  // far left: the start
                                         Volume{150, "Volume: 03 / 20", 17, 2715}),
                         [](const auto& info) { return "x" + tulvane::test::caseName(info.param.x); });

TEST_F(FInterfaceTest, OnlyADragMovesTheVolume)
{
    f.Image5_MouseMove(Qt::NoButton, kSans, 0, 100);
    EXPECT_EQ(ctx.vVolume, 10);
    EXPECT_EQ(f.Label5->text(), "Volume : 10 / 20");

    f.Image5_MouseDown(kGauche, kSans, 975, 100);
    f.Image5_MouseMove(kGauche, kSans, 200, 100);
    EXPECT_EQ(f.Label5->text(), "Volume: 04 / 20");
    f.Image5_MouseUp(kGauche, kSans, 200, 100);
    f.Image5_MouseMove(Qt::NoButton, kSans, 900, 100);
    EXPECT_EQ(ctx.vVolume, 16);
    EXPECT_FALSE(f.vGlisserVolume);
}

TEST_F(FInterfaceTest, TheMouseOnTheTrackGivesTwipsFromItsLeft)
{
    QTest::mousePress(f.Image5, kGauche, kSans, QPoint(32, 5));  // 480 twips: 9.85, level 10
    QTest::mouseMove(f.Image5, QPoint(60, 5));                     // 900 twips: 18.46, level 18
    EXPECT_EQ(f.Label5->text(), "Volume: 18 / 20");
    QTest::mouseRelease(f.Image5, kGauche, kSans, QPoint(60, 5));
    EXPECT_FALSE(f.vGlisserVolume);
    EXPECT_EQ(ctx.vVolume, 2);
}

// ---- Buttons ----

TEST_F(FInterfaceTest, ADoubleClickOnTheSkipsMovesThreeThenSixSecondsMore)
{
    lignes({"a.wav"}, 100);
    jouer(1);
    piste.advance(50);
    QTest::mouseClick(f.BTN12, kGauche);
    EXPECT_DOUBLE_EQ(piste.CurrentPosition(), 53);
    QTest::mouseDClick(f.BTN12, kGauche);
    QTest::mouseRelease(f.BTN12, kGauche);
    EXPECT_DOUBLE_EQ(piste.CurrentPosition(), 59);

    QTest::mouseClick(f.BTN13, kGauche);
    QTest::mouseDClick(f.BTN13, kGauche);
    QTest::mouseRelease(f.BTN13, kGauche);
    EXPECT_DOUBLE_EQ(piste.CurrentPosition(), 50);

    // A double click on a transport button adds nothing to its first click.
    QTest::mouseClick(f.BTNcmd[3], kGauche);
    EXPECT_EQ(ctx.vEtat, 0);
    QTest::mouseClick(f.BTNcmd[0], kGauche);
    QTest::mouseDClick(f.BTNcmd[0], kGauche);
    QTest::mouseRelease(f.BTNcmd[0], kGauche);
    EXPECT_EQ(ctx.vEtat, 2);
    EXPECT_EQ(compter("Play"), 2);
}

TEST_F(FInterfaceTest, TheTransportButtonsCallThePlayerCommands)
{
    lignes({"a.wav", "b.wav", "c.wav"});
    jouer(3);
    f.BTNcmd_Click(4);
    EXPECT_EQ(ctx.vEtat, 1);
    f.BTN5_Click();  // paused: the next file plays, round to row 1
    EXPECT_EQ(piste.FileName(), liste.cheminLigne(1));
    EXPECT_EQ(ctx.vEtat, 2);
    liste.Timer1_Timer();
    f.BTNcmd_Click(3);
    EXPECT_EQ(ctx.vEtat, 0);
    f.BTN4_Click();  // stopped: the last row is only loaded
    EXPECT_EQ(piste.FileName(), liste.cheminLigne(3));
    EXPECT_EQ(ctx.vEtat, 0);
    f.BTNcmd_Click(0);
    EXPECT_EQ(ctx.vEtat, 2);

    f.BTNcmd_Click(5);
    EXPECT_TRUE(piste.Mute());
    EXPECT_TRUE(t.piste2().Mute());
    EXPECT_EQ(f.BTNcmd[5]->picture().toImage(), player::imageSilence(true).toImage());
    f.BTNcmd_Click(5);
    EXPECT_FALSE(piste.Mute());
    EXPECT_EQ(f.BTNcmd[5]->picture().toImage(), player::imageSilence(false).toImage());
}

TEST_F(FInterfaceTest, ThePlayListAndHideButtons)
{
    EXPECT_TRUE(f.BTN1->isVisibleTo(&f));
    EXPECT_FALSE(liste.isVisible());
    f.BTN1_Click();
    EXPECT_TRUE(liste.isVisible());
    liste.showMinimized();
    f.BTN1_Click();
    EXPECT_FALSE(liste.isMinimized());

    t.setZoneNotification(true);
    f.BTN3_Click();
    EXPECT_FALSE(liste.isVisible());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.Timer1.isActive());
}

TEST_F(FInterfaceTest, TheVolumeControlThatCannotStartIsSaid)
{
    t.dialogues().answer(MessageAnswer::Ok);
    f.BTN6_Click();
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    const auto& question = t.dialogues().questions()[0];
    EXPECT_EQ(question.title, "Annulation de procédure");
    EXPECT_FALSE(question.text.isEmpty());
}

TEST_F(FInterfaceTest, QuitAnsweredNoChangesNothing)
{
    lignes({"a.wav"});
    jouer(1);
    piste.clearCalls();
    t.dialogues().answer(MessageAnswer::No);
    f.BTN11_Click();
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_EQ(t.dialogues().questions()[0],
              (test::ScriptedDialogs::Question{test::ScriptedDialogs::Kind::MessageBox, "Quitter Tulvane Advance ?",
                                               "Quitter le programme", platform::MessageIcon::Question,
                                               platform::MessageButtons::YesNo}));
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(ctx.vEtat, 2);
    EXPECT_TRUE(piste.calls().empty());
    const auto& cd = static_cast<test::FakeCdDevice&>(ctx.cd()).calls();
    EXPECT_EQ(std::count(cd.begin(), cd.end(), "Stop"), 0);
}

TEST_F(FInterfaceTest, QuitAnsweredYesHidesAndStopsEverything)
{
    lignes({"a.wav"});
    jouer(1);
    t.dialogues().answer(MessageAnswer::Yes);
    f.BTN11_Click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(ctx.vEtat, 0);
    EXPECT_EQ(piste.CurrentPosition(), 0);
    EXPECT_EQ(static_cast<test::FakeCdDevice&>(ctx.cd()).calls().back(), "Stop");
}

// ---- Hints, moving the window, dropped files ----

void survoler(QWidget* controle, QPoint point = QPoint(2, 2))
{
    QMouseEvent mouvement(QEvent::MouseMove, point, controle->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
    QApplication::sendEvent(controle, &mouvement);
}

TEST_F(FInterfaceTest, AHintStaysUntilThePointerReachesAnotherButtonOrTheBareSkin)
{
    EXPECT_EQ(f.vMSGpetit->text(), "");
    const std::pair<player::ControleImage*, QString> bulles[] = {
        {f.BTN1, "Accès à la Play-List"}, {f.BTN3, "Cacher le lecteur"},     {f.BTN4, "Piste précédente"},
        {f.BTN5, "Piste suivante"},       {f.BTN6, "Contrôleur de volumes"}, {f.BTN7, "Lecteur CD Audio"},
        {f.BTN8, "A propos de ce lecteur"}, {f.BTN9, "Radio On-line"},      {f.BTN11, "Quitter le programme"},
        {f.BTN12, "Avance rapide"},       {f.BTN13, "Retour rapide"},        {f.BTNcmd[0], "Lecture / Pause"},
        {f.BTNcmd[4], "Lecture / Pause"}, {f.BTNcmd[3], "Arrêt"},            {f.BTNcmd[5], "Silence ON / OFF"},
        {f.Image4, "Temps écoulé"},       {f.Image1, "Temps écoulé"},  // the cursor is the bar
    };
    for (const auto& [controle, bulle] : bulles) {
        survoler(controle);
        EXPECT_EQ(f.vMSGpetit->text(), bulle);
    }
    survoler(f.BTN4);
    survoler(f.Label4);
    survoler(f.Image5);
    // The knob's top row, above its track, as the window finds what is under the pointer.
    QTest::mouseMove(f.windowHandle(), f.mapFromGlobal(f.Image2->mapToGlobal(QPoint(5, 0))));
    EXPECT_EQ(f.vMSGpetit->text(), "Piste précédente");
    survoler(f.Picture1, QPoint(5, 200));
    EXPECT_EQ(f.vMSGpetit->text(), "");
}

TEST_F(FInterfaceTest, APressOfAnyButtonOnTheBareSkinMovesTheWindow)
{
    f.move(100, 100);
    const QPoint prise(100, 240);
    QTest::mousePress(f.Picture1, Qt::RightButton, kSans, prise);
    QMouseEvent glisse(QEvent::MouseMove, prise + QPoint(10, 5), f.Picture1->mapToGlobal(prise + QPoint(10, 5)),
                       Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(f.Picture1, &glisse);
    EXPECT_EQ(f.pos(), QPoint(110, 105));
    QTest::mouseRelease(f.Picture1, Qt::RightButton, kSans, prise);
    survoler(f.Picture1, prise + QPoint(30, 0));
    EXPECT_EQ(f.pos(), QPoint(110, 105));

    // A press on a button or a label does not move it.
    QTest::mousePress(f.Label4, kGauche, kSans, QPoint(2, 2));
    QTest::mousePress(f.BTN4, kGauche, kSans, QPoint(2, 2));
    survoler(f.Picture1, prise + QPoint(40, 20));
    EXPECT_EQ(f.pos(), QPoint(110, 105));
}

TEST_F(FInterfaceTest, PressesOnTheCursorAndTheKnobActOnTheirTracksNeverOnTheWindow)
{
    lignes({"a.wav"}, 100);
    jouer(1);
    f.Timer1_Timer();
    f.move(100, 100);
    // A press, a move of the pointer 3 pixels down, a release.
    const auto presser = [this](player::ControleImage* controle, QPoint point) {
        piste.clearCalls();
        const QPoint ecran = controle->mapToGlobal(point) + QPoint(0, 3);
        QTest::mousePress(controle, kGauche, kSans, point);
        const QPoint ici = controle->mapFromGlobal(ecran);  // the knob may have moved
        QMouseEvent glisse(QEvent::MouseMove, ici, ecran, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(controle, &glisse);
        QTest::mouseRelease(controle, kGauche, kSans, ici);
    };

    // The cursor's lowest row lies below the bar: 150 twips into the bar, 100 / 3075 s a twip.
    presser(f.Image4, QPoint(10, 10));
    EXPECT_EQ(piste.calls(), std::vector<std::string>{"CurrentPosition=5"});
    EXPECT_EQ(f.pos(), QPoint(100, 100));

    // At the end of the file the whole cursor stands past the bar's right end.
    piste.setCurrentPosition(100);
    f.Timer1_Timer();
    ASSERT_EQ(f.Image4->Left(), 3915);
    presser(f.Image4, QPoint(0, 5));
    EXPECT_EQ(piste.calls(), std::vector<std::string>{"CurrentPosition=100"});
    EXPECT_EQ(f.pos(), QPoint(100, 100));

    // The knob's top row lies above the track; its left edge is 420 twips into the track.
    presser(f.Image2, QPoint(0, 0));
    EXPECT_EQ(f.Label5->text(), "Volume: 09 / 20");
    EXPECT_EQ(ctx.vVolume, 11);
    EXPECT_FALSE(f.vGlisserVolume);
    EXPECT_EQ(f.pos(), QPoint(100, 100));
}

QMimeData* fichiersDeposes(const QStringList& chemins)
{
    auto* donnees = new QMimeData;
    QList<QUrl> adresses;
    for (const QString& chemin : chemins)
        adresses << QUrl::fromLocalFile(chemin);
    donnees->setUrls(adresses);
    return donnees;
}

TEST_F(FInterfaceTest, DroppedFilesAlreadyListedAreSkippedThenThePlayerPauses)
{
    const QStringList deja = lignes({"deja.wav"});
    const QString a = t.fichier("a.wav");
    const QString b = t.fichier("b.wav");
    jouer(1);
    piste.clearCalls();

    const std::unique_ptr<QMimeData> donnees(fichiersDeposes({a, deja[0], b, a}));
    f.Picture1_OLEDragDrop(*donnees);

    ASSERT_EQ(liste.nombreLignes(), 3);
    EXPECT_EQ(liste.cheminLigne(2), a);
    EXPECT_EQ(liste.cheminLigne(3), b);
    EXPECT_EQ(piste.calls().back(), "Pause");
    EXPECT_EQ(compter("Pause"), 1);
    EXPECT_EQ(ctx.vEtat, 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FInterfaceTest, DroppedNamesThatAreNotUtf8AreLeftOutWithOneMessage)
{
    const std::unique_ptr<QMimeData> donnees(new QMimeData);
    donnees->setUrls({t.fichierNonUtf8("caf\xE9.wav").adresse, t.fichierNonUtf8("\xEEle.wav").adresse});
    t.dialogues().answer(platform::MessageAnswer::Ok);
    piste.clearCalls();
    f.Picture1_OLEDragDrop(*donnees);
    EXPECT_EQ(liste.nombreLignes(), 0);
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_TRUE(t.dialogues().questions()[0].text.startsWith("2 fichiers ont été laissés de côté"));
    EXPECT_TRUE(piste.calls().empty());
}

TEST_F(FInterfaceTest, DataWithoutFilesAddsNothingAndDoesNotPause)
{
    QMimeData texte;
    texte.setText("pas un fichier");
    piste.clearCalls();
    f.Picture1_OLEDragDrop(texte);
    EXPECT_EQ(liste.nombreLignes(), 0);
    EXPECT_TRUE(piste.calls().empty());
}

TEST(FInterfaceShape, TheWindowIsCutFromItsSkinBeforeItFirstShows)
{
    // What the window's shape is at the moment it first shows.
    struct Guetteur : QObject {
        std::optional<QRegion> forme;
        bool eventFilter(QObject* objet, QEvent* event) override
        {
            if (event->type() == QEvent::Show && !forme)
                forme = static_cast<QWidget*>(objet)->mask();
            return false;
        }
    } guetteur;
    test::ContexteDeTest t;
    player::FInterface& f = t.ctx().fInterface();
    ASSERT_FALSE(f.isVisible());
    f.installEventFilter(&guetteur);
    f.Form_Load();
    f.afficher();  // the end of the start-up
    ASSERT_TRUE(f.isVisible());
    ASSERT_TRUE(guetteur.forme.has_value());

    EXPECT_TRUE(f.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(f.size(), QSize(329, 317));
    const QRegion& forme = *guetteur.forme;
    EXPECT_EQ(forme, f.mask());
    EXPECT_EQ(forme.boundingRect().top(), 3);
    EXPECT_EQ(forme.boundingRect().bottom(), 314);
    EXPECT_FALSE(forme.contains(QPoint(0, 0)));
    EXPECT_FALSE(forme.contains(QPoint(328, 160)));
    EXPECT_TRUE(forme.contains(QPoint(164, 160)));
}

}  // namespace
