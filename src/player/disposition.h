#pragma once

#include "platform/twips.h"

#include <QRect>

// Where the player window's controls stand, in twips from the skin's top left. The skin
// paints its buttons under these places and the window lays its controls over them.
namespace tulvane::player::disposition {

struct Zone {
    int gauche;
    int haut;
    int largeur;
    int hauteur;

    constexpr QRect enPixels() const
    {
        using platform::twipsEnPixels;
        return {twipsEnPixels(gauche), twipsEnPixels(haut), twipsEnPixels(largeur), twipsEnPixels(hauteur)};
    }
};

constexpr Zone kPicture1{0, 0, 4935, 4755};
constexpr Zone kAffichage{360, 480, 4395, 3015};  // the display: Picture2, and later the CD and radio panels

constexpr Zone kLabel2{480, 600, 4095, 285};
constexpr Zone kLabel7{480, 1080, 1005, 210};
constexpr Zone kLabel4{840, 1320, 630, 285};
constexpr Zone kLabel8D{3180, 1080, 195, 210};
constexpr Zone kLabel3{3420, 1080, 405, 210};
constexpr Zone kLabel8R{3900, 1080, 195, 210};
constexpr Zone kLabel6{4140, 1080, 405, 210};
constexpr Zone kImgEtat{480, 1350, 210, 225};
constexpr Zone kLabel1{3180, 1380, 435, 210};
constexpr Zone kVPistes{3660, 1380, 675, 210};
constexpr Zone kLabel11{540, 2100, 3405, 210};
constexpr Zone kLabel12{540, 2340, 3405, 210};
constexpr Zone kLabel9{540, 3180, 1020, 210};
constexpr Zone kLabel10{1620, 3180, 2685, 210};
constexpr Zone kLabel21{3720, 135, 435, 195};
constexpr Zone kVMSGpetit{540, 3585, 2850, 195};
constexpr Zone kLabel5{3300, 3590, 1380, 210};
constexpr Zone kImage1{840, 3855, 3075, 135};
constexpr Zone kImage4{840, 3850, 345, 165};
constexpr Zone kImage5{2640, 4200, 975, 255};
constexpr Zone kImage2{3060, 4185, 150, 270};

constexpr Zone kBTN1{1800, 120, 255, 255};
constexpr Zone kBTN9{2220, 120, 255, 255};
constexpr Zone kBTN7{2580, 120, 255, 255};
constexpr Zone kBTN6{2940, 120, 255, 255};
constexpr Zone kBTN8{3660, 120, 555, 255};
constexpr Zone kBTN3{4260, 120, 255, 255};
constexpr Zone kBTN11{4500, 120, 255, 255};
constexpr Zone kBTN13{300, 3840, 495, 195};
constexpr Zone kBTN12{4260, 3840, 495, 195};
constexpr Zone kLectPause{360, 4140, 375, 375};  // BTNcmd (0) and (4)
constexpr Zone kArret{840, 4200, 315, 255};      // BTNcmd (3)
constexpr Zone kBTN4{1260, 4200, 255, 255};
constexpr Zone kBTN5{1680, 4200, 255, 255};
constexpr Zone kSilence{2025, 4170, 345, 360};  // BTNcmd (5)

// Label13 inside Picture2.
constexpr Zone kLabel13{1080, 1380, 2340, 210};

// CD mode: the CD panel Picture3 stands on the display (kAffichage); its controls are placed
// from its top left. The covers hide the position bar with its skips and the volume track.
constexpr Zone kLabel14{120, 120, 3000, 285};
constexpr Zone kImage6{180, 660, 1650, 1650};
constexpr Zone kLabel15{2010, 780, 1500, 210};
constexpr Zone kLabel16{2010, 1020, 1500, 285};
constexpr Zone kLabel17{2010, 1500, 1500, 210};
constexpr Zone kLabel18{2010, 1740, 1500, 285};
constexpr Zone kLabel20{2010, 900, 2250, 630};
constexpr Zone kLabel19{180, 2640, 1650, 210};
constexpr Zone kLabel22{2010, 2640, 1650, 210};
constexpr Zone kImgCache{300, 3840, 4455, 195};
constexpr Zone kImgCache2{2640, 4185, 975, 270};

// The radio panel Picture4 covers the display; its controls stand in it. ImgCache3 covers the
// position bar and its skip buttons, which do nothing in radio mode.
constexpr Zone kLabel24{240, 120, 3915, 285};
constexpr Zone kCombo1{240, 480, 3915, 1710};
constexpr Zone kOption1Canal1{240, 2280, 1200, 255};
constexpr Zone kOption1Canal2{1560, 2280, 1200, 255};
constexpr Zone kLabel23{240, 2655, 3915, 210};
constexpr Zone kImgCache3{300, 3840, 4455, 195};

}  // namespace tulvane::player::disposition
