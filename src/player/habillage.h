#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QSize>

// The program's pictures, drawn by code: the player window's skin, the splash, the state
// icons, the mute button, the position cursor, the volume knob and the buttons' pointer.
namespace tulvane::player {

// Left out of the window wherever the skin has it; the skin's pixel (0, 0) is of this colour.
constexpr QRgb kCouleurCle = 0xFFFF00FF;

// 329 x 317 pixels, 24 bits; every row from 3 to 314 holds one run of other colours that
// touches neither edge, the other rows are all key colour.
const QImage& imageHabillage();

// 432 x 325 pixels.
const QImage& imageDemarrage();

// The state icons: 0 stopped, 1 paused, 2 playing (14 x 15 pixels).
QPixmap iconeEtat(int etat);

// The mute button: sound on, or muted (23 x 24 pixels).
QPixmap imageSilence(bool muet);

QPixmap imageCurseurPosition();  // 23 x 11 pixels
QPixmap imageBoutonVolume();     // 10 x 18 pixels

// The CD panel's background, the size of the display; the disc beside its fields
// (110 x 110 pixels); and a blank plate that covers a control the mode does not use.
QPixmap imagePanneauCD();
QPixmap imageDisque();
QPixmap imageCache(const QSize& taille);

// Laid over the position bar and its skip buttons in radio mode (kImgCache3's size).
QPixmap imageCacheRadio();

// The program's icon in the notification area (32 x 32 pixels).
QIcon iconeZoneNotification();

// The pointer over the click areas: a hand whose fingertip is the hot spot.
QCursor pointeurBouton();

}  // namespace tulvane::player
