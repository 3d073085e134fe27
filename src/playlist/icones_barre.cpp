#include "playlist/icones_barre.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace tulvane::playlist {

namespace {

const QColor kTrait(0x3c, 0x3c, 0x3c);
const QColor kPapier(0xff, 0xff, 0xff);
const QColor kBleu(0x2d, 0x6c, 0xc0);
const QColor kBleuClair(0x8f, 0xb8, 0xea);
const QColor kVert(0x2e, 0x9a, 0x3c);
const QColor kRouge(0xcc, 0x2f, 0x2f);
const QColor kJaune(0xf0, 0xc0, 0x4c);
const QColor kJauneFonce(0xc8, 0x90, 0x24);
const QColor kGris(0x9a, 0x9a, 0x9a);

QPen trait(const QColor& couleur, double epaisseur = 1)
{
    QPen pen(couleur, epaisseur);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A sheet with its top-right corner folded, in the 16-unit square.
void page(QPainter& p, double gauche = 2.5, double droite = 12.5)
{
    QPainterPath feuille;
    feuille.moveTo(gauche, 1.5);
    feuille.lineTo(droite - 3, 1.5);
    feuille.lineTo(droite, 4.5);
    feuille.lineTo(droite, 14.5);
    feuille.lineTo(gauche, 14.5);
    feuille.closeSubpath();
    p.setPen(trait(kTrait));
    p.setBrush(kPapier);
    p.drawPath(feuille);
    QPainterPath coin;
    coin.moveTo(droite - 3, 1.5);
    coin.lineTo(droite - 3, 4.5);
    coin.lineTo(droite, 4.5);
    p.setBrush(QColor(0xdd, 0xdd, 0xdd));
    p.drawPath(coin);
}

void plus(QPainter& p, double x, double y, const QColor& couleur)
{
    p.setPen(trait(Qt::white, 4.2));
    p.drawLine(QPointF(x - 2.5, y), QPointF(x + 2.5, y));
    p.drawLine(QPointF(x, y - 2.5), QPointF(x, y + 2.5));
    p.setPen(trait(couleur, 2));
    p.drawLine(QPointF(x - 2.5, y), QPointF(x + 2.5, y));
    p.drawLine(QPointF(x, y - 2.5), QPointF(x, y + 2.5));
}

void disque(QPainter& p, const QColor& fond)
{
    p.setPen(trait(fond.darker(140)));
    p.setBrush(fond);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
}

// A circular arrow from `debut` degrees over `etendue` degrees (counter-clockwise), with
// its head at the end.
void fleche(QPainter& p, const QColor& couleur, double debut, double etendue)
{
    const QRectF cercle(3, 3, 10, 10);
    p.setPen(trait(couleur, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(cercle, int(debut * 16), int(etendue * 16));
    const double fin = (debut + etendue) * std::numbers::pi / 180;
    const QPointF bout(8 + 5 * std::cos(fin), 8 - 5 * std::sin(fin));
    const double sens = etendue > 0 ? 1 : -1;
    const QPointF tangente(-std::sin(fin) * sens, -std::cos(fin) * sens);
    const QPointF normale(tangente.y(), -tangente.x());
    QPainterPath tete;
    tete.moveTo(bout + tangente * 3);
    tete.lineTo(bout + normale * 2.6);
    tete.lineTo(bout - normale * 2.6);
    tete.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPath(tete);
}

void dessiner(QPainter& p, int image)
{
    switch (image) {
    case 1:  // new list
        page(p);
        plus(p, 11.5, 11.5, kVert);
        break;
    case 2: {  // open
        p.setPen(trait(kJauneFonce));
        p.setBrush(kJauneFonce);
        p.drawRoundedRect(QRectF(1.5, 3.5, 6, 3), 1, 1);
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        QPainterPath rabat;
        rabat.moveTo(3.5, 7.5);
        rabat.lineTo(15, 7.5);
        rabat.lineTo(13.5, 13.5);
        rabat.lineTo(1.5, 13.5);
        rabat.closeSubpath();
        p.setBrush(kJaune);
        p.drawPath(rabat);
        break;
    }
    case 3:  // save
        p.setPen(trait(kBleu.darker(150)));
        p.setBrush(kBleu);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.setBrush(kPapier);
        p.drawRect(QRectF(4, 1.5, 8, 5.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kTrait);
        p.drawRect(QRectF(9, 2.5, 2, 3.5));
        p.setBrush(kBleuClair);
        p.drawRect(QRectF(4, 9.5, 8, 5));
        break;
    case 4: {  // CSV export: a sheet of cells, an arrow out of it
        page(p, 1.5, 11.5);
        p.setPen(trait(kGris));
        for (double y : {5.5, 8.5, 11.5})
            p.drawLine(QPointF(3.5, y), QPointF(9.5, y));
        p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 12.5));
        p.setPen(trait(Qt::white, 4));
        p.drawLine(QPointF(9, 11), QPointF(13.5, 11));
        p.setPen(trait(kVert, 2));
        p.drawLine(QPointF(9, 11), QPointF(13, 11));
        QPainterPath tete;
        tete.moveTo(15.5, 11);
        tete.lineTo(12, 7.8);
        tete.lineTo(12, 14.2);
        tete.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kVert);
        p.drawPath(tete);
        break;
    }
    case 5:  // import audio and video files: a note and a plus
        p.setPen(trait(kBleu, 1.6));
        p.drawLine(QPointF(6.5, 11.5), QPointF(6.5, 2));
        p.drawLine(QPointF(6.5, 2), QPointF(10.5, 4.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kBleu);
        p.drawEllipse(QRectF(2, 9.5, 5, 4));
        plus(p, 12, 11.5, kVert);
        break;
    case 6:  // file information
        disque(p, kBleu);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(7, 3.5, 2, 2));
        p.drawRect(QRectF(7, 6.5, 2, 6));
        p.drawRect(QRectF(6, 11.5, 4, 1));
        break;
    case 7: {  // tag editor: a label on its string
        QPainterPath etiquette;
        etiquette.moveTo(1.5, 6.5);
        etiquette.lineTo(5.5, 2.5);
        etiquette.lineTo(14.5, 2.5);
        etiquette.lineTo(14.5, 10.5);
        etiquette.lineTo(5.5, 10.5);
        etiquette.closeSubpath();
        p.setPen(trait(kJauneFonce));
        p.setBrush(kJaune);
        p.drawPath(etiquette);
        p.setBrush(kPapier);
        p.drawEllipse(QRectF(4, 5.5, 2, 2));
        p.setPen(trait(kTrait));
        p.drawLine(QPointF(8, 5), QPointF(12.5, 5));
        p.drawLine(QPointF(8, 8), QPointF(11, 8));
        p.setPen(trait(kGris));
        p.drawLine(QPointF(5, 7), QPointF(2, 14));
        break;
    }
    case 8:  // remove
        p.setPen(trait(kRouge.darker(130), 3.4));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        p.setPen(trait(kRouge, 2.2));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case 9:  // refresh
        fleche(p, kVert, 100, 150);
        fleche(p, kVert, 280, 150);
        break;
    case 10: {  // the current file: rows with a pointer on one
        p.setPen(trait(kGris, 1.6));
        for (double y : {3.0, 13.0})
            p.drawLine(QPointF(7, y), QPointF(14.5, y));
        p.setPen(trait(kBleu, 2));
        p.drawLine(QPointF(7, 8), QPointF(14.5, 8));
        QPainterPath pointe;
        pointe.moveTo(1.5, 4);
        pointe.lineTo(6, 8);
        pointe.lineTo(1.5, 12);
        pointe.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kBleu);
        p.drawPath(pointe);
        break;
    }
    case 11: {  // mark and unmark
        p.setPen(trait(kTrait));
        p.setBrush(kPapier);
        p.drawRect(QRectF(2.5, 3.5, 10, 10));
        QPainterPath coche;
        coche.moveTo(4.5, 8);
        coche.lineTo(7.5, 11.5);
        coche.lineTo(14.5, 2);
        p.setPen(trait(kVert, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(coche);
        break;
    }
    case 12: {  // play modes: a loop around a play sign
        fleche(p, kBleu, 120, 300);
        QPainterPath lecture;
        lecture.moveTo(6.5, 5.5);
        lecture.lineTo(11, 8);
        lecture.lineTo(6.5, 10.5);
        lecture.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kVert);
        p.drawPath(lecture);
        break;
    }
    case 13:  // sizes and durations
        p.setPen(trait(kTrait));
        p.setBrush(kPapier);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(trait(kGris));
        for (int h = 0; h < 12; h += 3) {
            const double a = h * std::numbers::pi / 6;
            p.drawLine(QPointF(8 + 5 * std::sin(a), 8 - 5 * std::cos(a)),
                       QPointF(8 + 6 * std::sin(a), 8 - 6 * std::cos(a)));
        }
        p.setPen(trait(kTrait, 1.4));
        p.drawLine(QPointF(8, 8), QPointF(8, 4));
        p.setPen(trait(kRouge, 1.4));
        p.drawLine(QPointF(8, 8), QPointF(11, 10));
        break;
    case 14:  // rename: a text field with its cursor
        p.setPen(trait(kTrait));
        p.setBrush(kPapier);
        p.drawRect(QRectF(0.5, 4.5, 15, 7));
        p.setPen(trait(kTrait, 1.4));
        p.drawLine(QPointF(2.5, 8), QPointF(5, 8));
        p.drawLine(QPointF(6.5, 8), QPointF(8.5, 8));
        p.setPen(trait(kBleu, 1.2));
        p.drawLine(QPointF(11, 2.5), QPointF(11, 13.5));
        p.drawLine(QPointF(9.5, 2.5), QPointF(12.5, 2.5));
        p.drawLine(QPointF(9.5, 13.5), QPointF(12.5, 13.5));
        break;
    case 15: {  // support: a life buoy
        p.setPen(trait(kTrait));
        p.setBrush(kPapier);
        QPainterPath anneau;
        anneau.addEllipse(QRectF(1.5, 1.5, 13, 13));
        anneau.addEllipse(QRectF(5, 5, 6, 6));
        p.drawPath(anneau);
        p.setClipPath(anneau);
        p.setPen(Qt::NoPen);
        p.setBrush(kRouge);
        for (int quart = 0; quart < 4; ++quart)
            p.drawPie(QRectF(0, 0, 16, 16), (quart * 90 + 22) * 16, 46 * 16);
        p.setClipping(false);
        p.setPen(trait(kTrait));
        p.setBrush(Qt::NoBrush);
        p.drawPath(anneau);
        break;
    }
    default:
        break;
    }
}

QPixmap pixmap(int image, int cote)
{
    QPixmap toile(cote, cote);
    toile.fill(Qt::transparent);
    QPainter p(&toile);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(cote / 16.0, cote / 16.0);
    dessiner(p, image);
    return toile;
}

}  // namespace

QIcon iconeBarre(int image)
{
    if (image < 1 || image > kNombreIcones)
        return {};
    QIcon icone;
    icone.addPixmap(pixmap(image, 16));
    icone.addPixmap(pixmap(image, 32));
    return icone;
}

}  // namespace tulvane::playlist
