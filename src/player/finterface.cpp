#include "player/finterface.h"

#include "app/contexte.h"
#include "components/cd_device.h"
#include "components/file_work.h"
#include "components/media_player.h"
#include "platform/dialog_service.h"
#include "platform/dropped_files.h"
#include "platform/hourglass.h"
#include "platform/label_text.h"
#include "platform/list_view.h"
#include "platform/noms_non_utf8.h"
#include "platform/shown_text.h"
#include "platform/window_region.h"
#include "player/controle_image.h"
#include "player/etiquettes.h"
#include "player/fpiste.h"
#include "player/fstart.h"
#include "player/fsys.h"
#include "player/habillage.h"
#include "player/module3.h"
#include "player/parametres_registre.h"
#include "player/radios.h"
#include "player/region_visible.h"
#include "playlist/fliste.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QWindow>

#include <cmath>
#include <exception>

namespace tulvane::player {

namespace {

using namespace disposition;
using platform::arial;

constexpr int kNiveauMax = 20;

// Halves go to the even neighbour.
int arrondi(double valeur)
{
    return static_cast<int>(std::nearbyint(valeur));
}

}  // namespace

FInterface::FInterface(app::Contexte& contexte)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), ctx_(contexte)
{
    setWindowTitle("Lecteur Multimédia");
    setFixedSize(kPicture1.enPixels().size());
    for (int etat = 0; etat < 3; ++etat)
        Icn[static_cast<std::size_t>(etat)] = iconeEtat(etat);
    SND = {imageSilence(false), imageSilence(true)};
    creerControles();

    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1.start();
}

FInterface::~FInterface() = default;

void FInterface::creerControles()
{
    Picture1 = new ControleImage(this, kPicture1);
    Picture1->setPicture(QPixmap::fromImage(imageHabillage()));
    Picture1->setFont(arial(11));
    colorer(*Picture1, QPalette::WindowText, Qt::white);
    Picture1->MouseDown = [this](auto b, auto s, float x, float y) { Picture1_MouseDown(b, s, x, y); };
    Picture1->MouseMove = [this](auto b, auto s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
    Picture1->MouseUp = [this](auto b, auto s, float x, float y) { Picture1_MouseUp(b, s, x, y); };
    Picture1->accepterDepots([this](const QMimeData& donnees) { Picture1_OLEDragDrop(donnees); });

    Label2 = enGras(etiquette(Picture1, "", kLabel2));
    etiquette(Picture1, "Temps écoulé", kLabel7);
    Label4 = enGras(etiquette(Picture1, "00:00", kLabel4));
    etiquette(Picture1, "D :", kLabel8D);
    Label3 = etiquette(Picture1, "00:00", kLabel3);
    etiquette(Picture1, "R :", kLabel8R);
    Label6 = etiquette(Picture1, "00:00", kLabel6);
    ImgEtat = new ControleImage(Picture1, kImgEtat);
    ImgEtat->setPicture(Icn[0]);
    etiquette(Picture1, "Piste :", kLabel1);
    vPistes = etiquette(Picture1, "000 / 000", kVPistes);
    Label11 = etiquette(Picture1, "", kLabel11);
    Label12 = etiquette(Picture1, "", kLabel12);
    etiquette(Picture1, "Qualité audio :", kLabel9);
    Label10 = etiquette(Picture1, "", kLabel10);
    vMSGpetit = etiquette(Picture1, "", kVMSGpetit);
    colorer(*vMSGpetit, QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    Label5 = etiquette(Picture1, "Volume : 0 / 20", kLabel5);

    const QCursor main = pointeurBouton();
    const auto zoneClic = [this, &main](const Zone& place, const char* bulle) {
        auto* zone = new ControleImage(Picture1, place);
        zone->setCursor(main);
        zone->MouseMove = [this, texte = QString::fromUtf8(bulle)](auto, auto, float, float) {
            vMSGpetit->setText(texte);
        };
        return zone;
    };
    const auto clic = [this](ControleImage* zone, void (FInterface::*gestionnaire)()) {
        zone->Click = [this, gestionnaire] { (this->*gestionnaire)(); };
        return zone;
    };
    BTN1 = clic(zoneClic(kBTN1, "Accès à la Play-List"), &FInterface::BTN1_Click);
    BTN1->hide();
    BTN9 = clic(zoneClic(kBTN9, "Radio On-line"), &FInterface::BTN9_Click);
    BTN7 = clic(zoneClic(kBTN7, "Lecteur CD Audio"), &FInterface::BTN7_Click);
    BTN6 = clic(zoneClic(kBTN6, "Contrôleur de volumes"), &FInterface::BTN6_Click);
    BTN8 = clic(zoneClic(kBTN8, "A propos de ce lecteur"), &FInterface::BTN8_Click);
    BTN3 = clic(zoneClic(kBTN3, "Cacher le lecteur"), &FInterface::BTN3_Click);
    BTN11 = clic(zoneClic(kBTN11, "Quitter le programme"), &FInterface::BTN11_Click);
    BTN13 = clic(zoneClic(kBTN13, "Retour rapide"), &FInterface::BTN13_Click);
    BTN13->DblClick = [this] { BTN13_DblClick(); };
    BTN12 = clic(zoneClic(kBTN12, "Avance rapide"), &FInterface::BTN12_Click);
    BTN12->DblClick = [this] { BTN12_DblClick(); };
    BTN4 = clic(zoneClic(kBTN4, "Piste précédente"), &FInterface::BTN4_Click);
    BTN5 = clic(zoneClic(kBTN5, "Piste suivante"), &FInterface::BTN5_Click);
    const std::array<std::pair<int, Zone>, 4> transport = {
        {{0, kLectPause}, {4, kLectPause}, {3, kArret}, {5, kSilence}}};
    for (const auto& [index, place] : transport) {
        const char* bulle = index == 3 ? "Arrêt" : index == 5 ? "Silence ON / OFF" : "Lecture / Pause";
        auto* bouton = zoneClic(place, bulle);
        bouton->Click = [this, i = index] { BTNcmd_Click(i); };
        BTNcmd[static_cast<std::size_t>(index)] = bouton;
    }
    BTNcmd[4]->hide();
    BTNcmd[5]->setPicture(SND[0]);

    // The label of the About button lets its presses through to it.
    QLabel* infos = etiquette(Picture1, "Infos", kLabel21);
    infos->setFont(arial(11, true));
    infos->setAlignment(Qt::AlignCenter);
    platform::fitTextToBox(*infos);
    colorer(*infos, QPalette::WindowText, QColor(0x68, 0x76, 0x9A));
    infos->setAttribute(Qt::WA_TransparentForMouseEvents);

    Image1 = new ControleImage(Picture1, kImage1);
    Image1->MouseDown = [this](auto b, auto s, float x, float y) { Image1_MouseDown(b, s, x, y); };
    Image1->MouseMove = [this](auto, auto, float, float) { vMSGpetit->setText("Temps écoulé"); };
    Image5 = new ControleImage(Picture1, kImage5);
    Image5->MouseDown = [this](auto b, auto s, float x, float y) { Image5_MouseDown(b, s, x, y); };
    Image5->MouseMove = [this](auto b, auto s, float x, float y) { Image5_MouseMove(b, s, x, y); };
    Image5->MouseUp = [this](auto b, auto s, float x, float y) { Image5_MouseUp(b, s, x, y); };
    // The cursor and the knob ride on their tracks: a press anywhere on them acts on the track,
    // never on the window under them.
    Image4 = new ControleImage(Picture1, kImage4);
    Image4->setPicture(imageCurseurPosition());
    Image4->agirSur(*Image1);
    Image2 = new ControleImage(Picture1, kImage2);
    Image2->setPicture(imageBoutonVolume());
    Image2->agirSur(*Image5);

    Picture2 = new QWidget(Picture1);
    Picture2->move(kAffichage.enPixels().topLeft());
    Picture2->setAutoFillBackground(true);
    colorer(*Picture2, QPalette::Window, QColor(0x00, 0x00, 0x60));
    Picture2->setAttribute(Qt::WA_NoMousePropagation);
    Label13 = etiquette(Picture2, "Aucun fichier dans la Play-List...", kLabel13);
    Picture2->hide();

    creerPanneauCD();
    creerPanneauRadio();
}

// ---- Start ----

void FInterface::Form_Load()
{
    ctx_.fListe();
    ctx_.vModeCD = false;
    ctx_.vModeRadio = false;
    ctx_.vVolume = 10;
    Label5->setText(QString("Volume : %1 / 20").arg(kNiveauMax - ctx_.vVolume, 2, 10, QChar('0')));
    ctx_.vEtat = 0;
    fnFormerFenetre();
    Picture2->resize(kAffichage.enPixels().size());
    if (const QScreen* ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());
    fnInitCD();
    // The station table's first use loads the tray form, whose timers finish the start.
    fnChargerRadios(ctx_);
}

void FInterface::fnFormerFenetre()
{
    platform::WindowRegion region;
    for (const QRect& rangee : fnCreerRegion(Picture1->picture().toImage()))
        region.addRun(rangee.y(), rangee.left(), rangee.left() + rangee.width());
    platform::applyWindowRegion(*this, region.region());
}

void FInterface::afficher()
{
    show();
    raise();
    activateWindow();
}

// The original platform activates a window at the press that falls on it, before the click's
// handlers run; X activates it only after them, and that late activation would close the
// About box the same click opened. So a press on the inactive window counts as its
// activation, and the activation that follows it is not counted again.
void FInterface::entrerMode(QTimer& minuterie, QWidget& autreMode, bool& drapeau, QWidget& panneau)
{
    minuterie.start();
    Label5->hide();
    ctx_.fListe().hide();
    BTN1->setCursor(Qt::ForbiddenCursor);
    autreMode.setCursor(Qt::ForbiddenCursor);
    drapeau = true;
    panneau.raise();
    Timer1.stop();
    ctx_.module3().fnArret();
}

void FInterface::quitterMode(QTimer& minuterie, QWidget& autreMode)
{
    minuterie.stop();
    Label5->show();
    Timer1.start();
    BTN1->unsetCursor();
    autreMode.unsetCursor();
}

bool FInterface::event(QEvent* event)
{
    if (event->type() == QEvent::Show && windowHandle() != nullptr)
        windowHandle()->installEventFilter(this);
    if (event->type() == QEvent::WindowActivate) {
        if (activeParPression_)
            activeParPression_ = false;
        else
            Form_Activate();
    }
    return QWidget::event(event);
}

bool FInterface::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == windowHandle() && event->type() == QEvent::MouseButtonPress && !isActiveWindow()) {
        activeParPression_ = true;
        Form_Activate();
    }
    return QWidget::eventFilter(objet, event);
}

void FInterface::Form_Activate()
{
    ctx_.dechargerFStart();
}

// ---- Heartbeat ----

void FInterface::Timer1_Timer()
{
    components::MediaPlayer& piste = ctx_.fPiste().Piste();
    Module3& m3 = ctx_.module3();

    const QString fichier = piste.FileName();
    components::FileWork& fwork = ctx_.FWork1();
    fwork.DefinirFichier(fichier);
    const QString titre = fichier.isEmpty() ? QString() : platform::shownText(fwork.NomFichier());
    if (titre != Label2->text()) {
        Label2->setText(titre);
        Label2->setToolTip(platform::plainToolTip(titre));
    }

    piste.setVolume(-240 * ctx_.vVolume);

    ImgEtat->setPicture(Icn[static_cast<std::size_t>(std::clamp(ctx_.vEtat, 0, 2))]);
    BTNcmd[0]->setVisible(ctx_.vEtat != 2);
    BTNcmd[4]->setVisible(ctx_.vEtat == 2);

    m3.fnAfficherTemps();

    // Only the end of the file stops the player while the state still says playing.
    if (ctx_.vEtat == 2 && piste.PlayState() == components::MediaPlayer::Stopped)
        m3.fnPisteSuivante();

    const double duree = piste.Duration();
    if (duree != 0)
        Image4->setLeft(kImage1.gauche + arrondi(piste.CurrentPosition() * (Image1->Width() / duree)));

    Picture2->setVisible(ctx_.fListe().nombreLignes() == 0);
}

// ---- Position bar and volume ----

void FInterface::Image1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float X, float)
{
    if (ctx_.vModeCD || ctx_.vModeRadio)
        return;
    components::MediaPlayer& piste = ctx_.fPiste().Piste();
    piste.setCurrentPosition(arrondi((piste.Duration() / Image1->Width()) * X));
}

void FInterface::Image5_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, float X, float Y)
{
    vGlisserVolume = true;
    Image5_MouseMove(Button, Shift, X, Y);
}

void FInterface::Image5_MouseMove(Qt::MouseButton, Qt::KeyboardModifiers, float X, float)
{
    if (!vGlisserVolume)
        return;
    const float pas = static_cast<float>(kNiveauMax) / static_cast<float>(Image5->Width());
    int niveau = static_cast<int>(std::nearbyint(X * pas));
    if (niveau > kNiveauMax) {
        niveau = kNiveauMax;
        X = static_cast<float>(Image5->Width());
    } else if (niveau < 0) {
        niveau = 0;
        X = 0;
    }
    Label5->setText(QString("Volume: %1 / 20").arg(niveau, 2, 10, QChar('0')));
    Image2->setLeft(Image5->Left() + arrondi(X) - kImage2.largeur / 2);
    ctx_.vVolume = kNiveauMax - niveau;
}

void FInterface::Image5_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float, float)
{
    vGlisserVolume = false;
}

// ---- Buttons ----

void FInterface::BTN1_Click()
{
    if (ctx_.vModeCD || ctx_.vModeRadio)
        return;
    playlist::FListe& liste = ctx_.fListe();
    liste.show();
    if (liste.isMinimized())
        liste.setWindowState(liste.windowState() & ~Qt::WindowMinimized);
    liste.raise();
    liste.activateWindow();
}

void FInterface::BTN3_Click()
{
    ctx_.fListe().Cacher_Click();
}

void FInterface::BTN4_Click()
{
    if (ctx_.vModeCD)
        ctx_.cd().Prev();
    else
        ctx_.module3().fnPrecedente();
}

void FInterface::BTN5_Click()
{
    if (ctx_.vModeCD)
        ctx_.cd().Next();
    else
        ctx_.module3().fnSuivante();
}

void FInterface::BTN6_Click()
{
    ctx_.fListe().volumes_Click();
}

void FInterface::BTN8_Click()
{
    afficherAPropos(ctx_);
}

void FInterface::BTN11_Click()
{
    if (ctx_.dialogues().messageBox("Quitter Tulvane Advance ?", "Quitter le programme",
                                    platform::MessageIcon::Question, platform::MessageButtons::YesNo)
        != platform::MessageAnswer::Yes)
        return;
    fnSauverParametres(ctx_);
    hide();
    // The icon goes first, then the process: the radio stream ends with it.
    ctx_.fSYS().Timer5.start();
    ctx_.module3().fnArret();
    ctx_.cd().Stop();
    ctx_.fSYS().Timer1.start();
}

void FInterface::BTN12_Click()
{
    if (!ctx_.vModeCD && !ctx_.vModeRadio)
        ctx_.module3().fnAvanceRapide(3);
}

void FInterface::BTN12_DblClick()
{
    if (!ctx_.vModeCD && !ctx_.vModeRadio)
        ctx_.module3().fnAvanceRapide(6);
}

void FInterface::BTN13_Click()
{
    if (!ctx_.vModeCD && !ctx_.vModeRadio)
        ctx_.module3().fnRetourRapide(3);
}

void FInterface::BTN13_DblClick()
{
    if (!ctx_.vModeCD && !ctx_.vModeRadio)
        ctx_.module3().fnRetourRapide(6);
}

void FInterface::BTNcmd_Click(int Index)
{
    if (ctx_.vModeCD) {
        BTNcmd_ClickCD(Index);
        return;
    }
    if (Index == 0 && ctx_.vModeRadio) {
        Combo1_DblClick();  // play tunes the highlighted station
        return;
    }
    Module3& m3 = ctx_.module3();
    switch (Index) {
    case 0:
        m3.fnLecture();
        break;
    case 3:
        m3.fnArret();
        break;
    case 4:
        m3.fnPause();
        break;
    case 5:
        m3.fnSilence();
        break;
    default:
        break;
    }
}

void FInterface::afficherSilence(bool muet)
{
    silenceAffiche_ = muet;
    BTNcmd[5]->setPicture(SND[muet ? 1 : 0]);
}

// ---- The skin: moving the window, the hint, dropped files ----

void FInterface::Picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float X, float Y)
{
    prise_ = QPointF(X, Y) / platform::kTwipsParPixel;
    fnDeplacerFen();
}

void FInterface::fnDeplacerFen()
{
    // The window manager moves the window itself when it can; otherwise the skin's own
    // pointer moves carry it until the release.
    QWindow* fenetre = windowHandle();
    if (fenetre != nullptr && fenetre->startSystemMove())
        prise_.reset();
}

void FInterface::Picture1_MouseMove(Qt::MouseButton, Qt::KeyboardModifiers, float X, float Y)
{
    vMSGpetit->setText("");
    if (prise_)
        move(pos() + (QPointF(X, Y) / platform::kTwipsParPixel - *prise_).toPoint());
}

void FInterface::Picture1_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float, float)
{
    prise_.reset();
}

void FInterface::Picture1_OLEDragDrop(const QMimeData& Data)
{
    const QStringList fichiers = platform::sansNomsNonUtf8(platform::droppedLocalPaths(&Data), ctx_.dialogues());
    if (fichiers.isEmpty())
        return;
    playlist::FListe& liste = ctx_.fListe();
    const platform::Hourglass sablier;
    try {
        for (const QString& fichier : fichiers)
            if (liste.Liste->find(playlist::kEmplacement, fichier) == 0)
                liste.fnAjouterFichierLite(fichier);
    } catch (const std::exception&) {
        return;  // the files after the failing one are not added, and nothing is paused
    }
    ctx_.fPiste().Piste().Pause();
}

}  // namespace tulvane::player
