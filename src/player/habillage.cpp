#include "player/habillage.h"

#include "player/disposition.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace tulvane::player {

namespace {

using namespace disposition;

constexpr QSize kTailleHabillage{329, 317};
constexpr QSize kTailleDemarrage{432, 325};

const QColor kGlyphe(206, 232, 255);
const QColor kContour(9, 10, 14);

QFont police(int pixels, bool gras, bool italique = false)
{
    QFont f(QStringList{"Liberation Sans", "Arial", "DejaVu Sans"});
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setItalic(italique);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QRectF zone(const Zone& z)
{
    return QRectF(z.enPixels());
}

QLinearGradient vertical(const QRectF& r, const QColor& haut, const QColor& bas)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, haut);
    g.setColorAt(1, bas);
    return g;
}

// A recessed frame: dark above, lit below, as if pressed into the metal.
void creux(QPainter& p, const QRectF& r, qreal rayon, const QColor& fond)
{
    QPainterPath chemin;
    chemin.addRoundedRect(r, rayon, rayon);
    p.fillPath(chemin, fond);
    QPen bord(QBrush(vertical(r, QColor(0, 0, 0, 190), QColor(255, 255, 255, 60))), 1);
    p.strokePath(chemin, bord);
}

// A glossy button: drop shadow, body gradient, dark rim and a gloss on the upper half.
void bouton(QPainter& p, const QRectF& r, qreal rayon, const QColor& haut, const QColor& bas)
{
    QPainterPath ombre;
    ombre.addRoundedRect(r.translated(0, 1), rayon, rayon);
    p.fillPath(ombre, QColor(0, 0, 0, 120));

    const QRectF corps = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath chemin;
    chemin.addRoundedRect(corps, rayon - 0.5, rayon - 0.5);
    p.fillPath(chemin, vertical(corps, haut, bas));
    p.strokePath(chemin, QPen(kContour, 1));

    const QRectF reflet(corps.left() + 2, corps.top() + 1.2, corps.width() - 4, corps.height() * 0.48);
    QPainterPath brillance;
    const qreal r2 = std::min(rayon - 1.5, reflet.height() / 2);
    brillance.addRoundedRect(reflet, r2, r2);
    p.fillPath(brillance, vertical(reflet, QColor(255, 255, 255, 115), QColor(255, 255, 255, 10)));
}

void boutonRond(QPainter& p, const QRectF& r, const QColor& haut, const QColor& bas)
{
    bouton(p, r, r.width() / 2, haut, bas);
}

void boutonGris(QPainter& p, const QRectF& r, qreal rayon)
{
    bouton(p, r, rayon, QColor(124, 134, 153), QColor(38, 43, 53));
}

// A triangle pointing right (or left) in the box.
void triangle(QPainter& p, const QRectF& b, bool versDroite, const QColor& couleur)
{
    QPolygonF t;
    if (versDroite)
        t << b.topLeft() << QPointF(b.right(), b.center().y()) << b.bottomLeft();
    else
        t << b.topRight() << QPointF(b.left(), b.center().y()) << b.bottomRight();
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPolygon(t);
}

void barre(QPainter& p, const QRectF& b, const QColor& couleur)
{
    p.fillRect(b, couleur);
}

void glypheListe(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    for (int i = -1; i <= 1; ++i) {
        const qreal y = c.y() + i * 3.2;
        p.setPen(Qt::NoPen);
        p.setBrush(kGlyphe);
        p.drawEllipse(QPointF(c.x() - 3.6, y), 0.9, 0.9);
        barre(p, QRectF(c.x() - 2, y - 0.7, 6, 1.4), kGlyphe);
    }
}

void glypheRadio(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center() + QPointF(0, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kGlyphe);
    p.drawEllipse(c, 1.4, 1.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGlyphe, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (const qreal rayon : {3.3, 5.6}) {
        const QRectF arc(c.x() - rayon, c.y() - rayon, 2 * rayon, 2 * rayon);
        p.drawArc(arc, -45 * 16, 90 * 16);
        p.drawArc(arc, 135 * 16, 90 * 16);
    }
}

void glypheDisque(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    QRadialGradient g(c, 5.5);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.5, QColor(170, 215, 255));
    g.setColorAt(1, QColor(120, 150, 230));
    p.setPen(QPen(QColor(20, 30, 50), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, 5.2, 5.2);
    p.setBrush(QColor(40, 46, 58));
    p.drawEllipse(c, 1.5, 1.5);
}

void glypheMelangeur(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    const qreal curseurs[] = {1.8, -1.5, 0.8};
    for (int i = 0; i < 3; ++i) {
        const qreal x = c.x() + (i - 1) * 3.4;
        barre(p, QRectF(x - 0.5, c.y() - 4.5, 1, 9), QColor(150, 175, 205));
        barre(p, QRectF(x - 1.6, c.y() + curseurs[i] - 0.9, 3.2, 1.8), kGlyphe);
    }
}

void glypheCacher(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    barre(p, QRectF(c.x() - 3.5, c.y() + 1.8, 7, 1.8), kGlyphe);
}

void glypheQuitter(QPainter& p, const QRectF& r)
{
    const QPointF c = r.center();
    p.setPen(QPen(QColor(255, 240, 236), 1.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-3, -3), c + QPointF(3, 3));
    p.drawLine(c + QPointF(-3, 3), c + QPointF(3, -3));
}

void doubleTriangle(QPainter& p, const QRectF& r, bool versDroite)
{
    const QPointF c = r.center();
    triangle(p, QRectF(c.x() - 5, c.y() - 3, 5, 6), versDroite, kGlyphe);
    triangle(p, QRectF(c.x(), c.y() - 3, 5, 6), versDroite, kGlyphe);
}

void glyphePisteVoisine(QPainter& p, const QRectF& r, bool suivante)
{
    const QPointF c = r.center();
    if (suivante) {
        triangle(p, QRectF(c.x() - 3.5, c.y() - 3.5, 5.5, 7), true, kGlyphe);
        barre(p, QRectF(c.x() + 2, c.y() - 3.5, 1.6, 7), kGlyphe);
    } else {
        barre(p, QRectF(c.x() - 3.6, c.y() - 3.5, 1.6, 7), kGlyphe);
        triangle(p, QRectF(c.x() - 2, c.y() - 3.5, 5.5, 7), false, kGlyphe);
    }
}

// The blue disc with its sound wave, drawn for a disc of radius 8.5 around (0, 0).
void embleme(QPainter& p)
{
    QRadialGradient g(QPointF(-2.5, -3), 10);
    g.setColorAt(0, QColor(140, 225, 255));
    g.setColorAt(0.6, QColor(30, 135, 225));
    g.setColorAt(1, QColor(12, 60, 140));
    p.setPen(QPen(kContour, 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 8.5, 8.5);
    QPainterPath onde;
    onde.moveTo(QPointF(-5, 0));
    for (qreal x = -5; x <= 5.01; x += 0.5)
        onde.lineTo(QPointF(x, -2.6 * std::sin(x * 0.95)));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 235), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(onde);
}

void logo(QPainter& p)
{
    p.save();
    p.translate(29.5, 16.5);
    embleme(p);
    p.restore();

    QPainterPath texte;
    texte.addText(QPointF(42, 22), police(15, true, true), "Tulvane");
    p.fillPath(texte.translated(0, 1), QColor(0, 0, 0, 150));
    QLinearGradient dore(QPointF(0, 10), QPointF(0, 23));
    dore.setColorAt(0, QColor(255, 255, 255));
    dore.setColorAt(1, QColor(130, 205, 255));
    p.fillPath(texte, dore);
    p.setPen(QColor(95, 200, 255));
    p.setFont(police(8, true));
    p.drawText(QPointF(100, 14), "4.2");
}

void corps(QPainter& p, const QPainterPath& forme, const QRectF& contour)
{
    QLinearGradient metal(contour.topLeft(), contour.bottomLeft());
    metal.setColorAt(0, QColor(86, 94, 111));
    metal.setColorAt(0.06, QColor(62, 68, 81));
    metal.setColorAt(0.55, QColor(42, 46, 56));
    metal.setColorAt(1, QColor(27, 29, 36));
    p.fillPath(forme, metal);

    p.save();
    p.setClipPath(forme);
    // Brushed metal: faint lines of varying light.
    for (int y = 3; y < 315; ++y) {
        const int lumiere = (y * 7919 + (y / 3) * 104729) % 9;
        p.setPen(QColor(255, 255, 255, lumiere));
        p.drawLine(QPointF(0, y + 0.5), QPointF(329, y + 0.5));
    }
    QLinearGradient reflet(QPointF(10, 3), QPointF(160, 150));
    reflet.setColorAt(0, QColor(255, 255, 255, 34));
    reflet.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(contour, reflet);
    p.restore();

    // The rim stays inside the outline, so that rows 2 and 315 stay wholly key colour.
    QPainterPath bord;
    bord.addRoundedRect(contour.adjusted(0.6, 0.6, -0.6, -0.6), 19.4, 19.4);
    p.strokePath(bord, QPen(kContour, 1.2));
    QPainterPath interieur;
    interieur.addRoundedRect(contour.adjusted(1.5, 1.5, -1.5, -1.5), 18.5, 18.5);
    p.strokePath(interieur, QPen(QBrush(vertical(contour, QColor(255, 255, 255, 95), QColor(255, 255, 255, 12))), 1));
}

// The glass of the display: a blue gradient with scan lines, clipped to its rounded shape
// (the painter stays clipped for what comes over it).
void ecranDeVerre(QPainter& p, const QRectF& ecran)
{
    QPainterPath chemin;
    chemin.addRoundedRect(ecran, 5, 5);
    QLinearGradient fond(ecran.topLeft(), ecran.bottomLeft());
    fond.setColorAt(0, QColor(16, 36, 84));
    fond.setColorAt(0.45, QColor(9, 23, 58));
    fond.setColorAt(1, QColor(5, 13, 36));
    p.fillPath(chemin, fond);
    p.setClipPath(chemin);
    for (qreal y = ecran.top() + 1; y < ecran.bottom(); y += 2) {
        p.setPen(QColor(0, 0, 0, 26));
        p.drawLine(QPointF(ecran.left(), y + 0.5), QPointF(ecran.right(), y + 0.5));
    }
}

void reflet(QPainter& p, const QRectF& ecran)
{
    QRectF verre(ecran.left() + 1, ecran.top() + 1, ecran.width() - 2, 60);
    p.fillRect(verre, vertical(verre, QColor(255, 255, 255, 24), QColor(255, 255, 255, 0)));
}

void affichage(QPainter& p)
{
    const QRectF ecran = zone(kAffichage);
    creux(p, ecran.adjusted(-3, -3, 3, 3), 8, QColor(7, 8, 12));

    p.save();
    ecranDeVerre(p, ecran);
    // A faint trace of sound across the lower part, away from the text.
    QPainterPath trace;
    for (qreal x = ecran.left() + 10; x <= ecran.right() - 10; x += 1) {
        const qreal enveloppe = std::sin((x - ecran.left()) / ecran.width() * std::numbers::pi);
        const qreal y = 187 + enveloppe * (6 * std::sin(x * 0.23) + 3 * std::sin(x * 0.071 + 1));
        if (x == ecran.left() + 10)
            trace.moveTo(x, y);
        else
            trace.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 170, 255, 26), 4));
    p.drawPath(trace);
    p.setPen(QPen(QColor(90, 200, 255, 70), 1.1));
    p.drawPath(trace);

    const QColor filet(90, 160, 255, 60);
    p.setPen(QPen(filet, 1));
    for (const qreal y : {65.5, 127.5, 204.5})
        p.drawLine(QPointF(ecran.left() + 8, y), QPointF(ecran.right() - 8, y));

    reflet(p, ecran);
    p.restore();
}

void barreDuBas(QPainter& p)
{
    // The hint line and the volume level.
    const QRectF bande(24, 235, 293, 19);
    creux(p, bande, 4, QColor(6, 8, 13));
    p.setPen(QColor(255, 255, 255, 28));
    p.drawLine(QPointF(215.5, 238), QPointF(215.5, 251));

    // The position bar, its scale, and the skip buttons at both ends.
    const QRectF sillon(56, 258, 228, 8);
    creux(p, sillon, 4, QColor(3, 5, 9));
    p.setPen(QColor(255, 255, 255, 40));
    for (int i = 0; i <= 10; ++i) {
        const qreal x = 66.5 + i * 20.5;
        p.drawLine(QPointF(x, 268), QPointF(x, i % 5 == 0 ? 272 : 270));
    }
    const QRectF retour = zone(kBTN13);
    const QRectF avance = zone(kBTN12);
    boutonGris(p, retour, 6.5);
    doubleTriangle(p, retour, false);
    boutonGris(p, avance, 6.5);
    doubleTriangle(p, avance, true);

    // Transport.
    const QRectF lecture = zone(kLectPause);
    boutonRond(p, lecture, QColor(95, 195, 255), QColor(10, 70, 150));
    const QPointF c = lecture.center();
    triangle(p, QRectF(c.x() - 6, c.y() - 4.5, 6.5, 9), true, Qt::white);
    barre(p, QRectF(c.x() + 1.8, c.y() - 4, 1.9, 8), Qt::white);
    barre(p, QRectF(c.x() + 4.7, c.y() - 4, 1.9, 8), Qt::white);

    const QRectF arret = zone(kArret);
    boutonGris(p, arret, 4);
    barre(p, QRectF(arret.center().x() - 3.5, arret.center().y() - 3.5, 7, 7), kGlyphe);
    const QRectF precedente = zone(kBTN4);
    boutonRond(p, precedente, QColor(124, 134, 153), QColor(38, 43, 53));
    glyphePisteVoisine(p, precedente, false);
    const QRectF suivante = zone(kBTN5);
    boutonRond(p, suivante, QColor(124, 134, 153), QColor(38, 43, 53));
    glyphePisteVoisine(p, suivante, true);

    // The volume track: a ramp from quiet to loud.
    const QRectF piste = zone(kImage5);
    QPolygonF rampe;
    rampe << QPointF(piste.left() + 3, piste.top() + 12.5) << QPointF(piste.right() - 3, piste.top() + 3.5)
          << QPointF(piste.right() - 3, piste.top() + 12.5);
    QLinearGradient lumiere(rampe[0], rampe[2]);
    lumiere.setColorAt(0, QColor(20, 40, 70));
    lumiere.setColorAt(1, QColor(45, 150, 225));
    p.setPen(QPen(QColor(0, 0, 0, 170), 1));
    p.setBrush(lumiere);
    p.drawPolygon(rampe);
    p.setPen(QColor(255, 255, 255, 45));
    p.drawLine(QPointF(piste.left() + 3, piste.top() + 14), QPointF(piste.right() - 3, piste.top() + 14));

    // Speaker grille.
    for (int y = 281; y <= 298; y += 4) {
        for (int x = 252 + (y / 4 % 2) * 2; x <= 313; x += 4) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 22));
            p.drawEllipse(QPointF(x, y + 0.7), 1.1, 1.1);
            p.setBrush(QColor(4, 5, 8));
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }
    }

    p.setPen(QColor(255, 255, 255, 70));
    QFont marque = police(7, true);
    marque.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    p.setFont(marque);
    p.drawText(QRectF(10, 304, 317, 9), Qt::AlignCenter, "TULVANE ADVANCE");
}

void barreDuHaut(QPainter& p)
{
    creux(p, QRectF(114, 5, 208, 23), 11.5, QColor(14, 16, 21));
    const std::pair<Zone, std::function<void(QPainter&, const QRectF&)>> boutons[] = {
        {kBTN1, glypheListe}, {kBTN9, glypheRadio}, {kBTN7, glypheDisque},
        {kBTN6, glypheMelangeur}, {kBTN3, glypheCacher},
    };
    for (const auto& [place, glyphe] : boutons) {
        const QRectF r = zone(place);
        boutonGris(p, r, r.width() / 2);
        glyphe(p, r);
    }
    const QRectF quitter = zone(kBTN11);
    boutonRond(p, quitter, QColor(236, 104, 84), QColor(120, 26, 16));
    glypheQuitter(p, quitter);
    // The About button carries the "Infos" label of the window.
    bouton(p, zone(kBTN8), 8.5, QColor(240, 243, 248), QColor(160, 169, 185));
    logo(p);
}

// The painted player over transparency, made opaque: what is less than half covered
// becomes key colour, the rest is laid over the rim's colour, so no fringe comes out pink.
QImage detourer(const QImage& toile)
{
    QImage image(toile.size(), QImage::Format_RGB888);
    for (int y = 0; y < toile.height(); ++y) {
        for (int x = 0; x < toile.width(); ++x) {
            const QRgb c = toile.pixel(x, y);
            const int a = qAlpha(c);
            QRgb sortie = kCouleurCle;
            if (a >= 128) {
                const auto melange = [a](int avant, int fond) { return (avant * a + fond * (255 - a)) / 255; };
                sortie = qRgb(melange(qRed(c), kContour.red()), melange(qGreen(c), kContour.green()),
                              melange(qBlue(c), kContour.blue()));
                if (sortie == kCouleurCle)
                    sortie = qRgb(254, 0, 255);
            }
            image.setPixel(x, y, sortie);
        }
    }
    return image;
}

QImage dessinerHabillage()
{
    QImage toile(kTailleHabillage, QImage::Format_ARGB32_Premultiplied);
    toile.fill(Qt::transparent);
    QPainter p(&toile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF contour(10, 3, 317, 312);
    QPainterPath forme;
    forme.addRoundedRect(contour, 20, 20);
    corps(p, forme, contour);
    affichage(p);
    barreDuHaut(p);
    barreDuBas(p);
    p.end();
    return detourer(toile);
}

QImage dessinerDemarrage()
{
    QImage image(kTailleDemarrage, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF tout(QPointF(0, 0), kTailleDemarrage);

    QLinearGradient fond(tout.topLeft(), tout.bottomRight());
    fond.setColorAt(0, QColor(6, 14, 40));
    fond.setColorAt(0.55, QColor(20, 40, 104));
    fond.setColorAt(1, QColor(58, 22, 88));
    p.fillRect(tout, fond);

    // A disc turning behind the name.
    const QPointF centre(338, 122);
    QRadialGradient halo(centre, 210);
    halo.setColorAt(0, QColor(80, 170, 255, 110));
    halo.setColorAt(1, QColor(80, 170, 255, 0));
    p.fillRect(tout, halo);
    QRadialGradient vinyle(centre, 108);
    vinyle.setColorAt(0, QColor(30, 36, 60));
    vinyle.setColorAt(1, QColor(8, 10, 20));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1.5));
    p.setBrush(vinyle);
    p.drawEllipse(centre, 108, 108);
    p.setBrush(Qt::NoBrush);
    for (qreal r = 38; r < 106; r += 2.6) {
        p.setPen(QPen(QColor(255, 255, 255, 10 + static_cast<int>(r) % 3 * 5), 0.7));
        p.drawEllipse(centre, r, r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 20));
    p.drawPie(QRectF(centre.x() - 106, centre.y() - 106, 212, 212), 30 * 16, 28 * 16);
    p.drawPie(QRectF(centre.x() - 106, centre.y() - 106, 212, 212), 210 * 16, 28 * 16);
    QRadialGradient etiquette(centre + QPointF(-8, -10), 40);
    etiquette.setColorAt(0, QColor(120, 215, 255));
    etiquette.setColorAt(1, QColor(110, 50, 210));
    p.setBrush(etiquette);
    p.drawEllipse(centre, 32, 32);
    p.setBrush(QColor(12, 24, 62));
    p.drawEllipse(centre, 4, 4);

    // Waves of sound under the name.
    for (int i = 0; i < 5; ++i) {
        QPainterPath onde;
        for (qreal x = 0; x <= 432; x += 2) {
            const qreal y = 205 + i * 5 + 14 * std::sin(x * 0.021 + i * 0.7) * std::sin(x * 0.006 + 0.4);
            if (x == 0)
                onde.moveTo(x, y);
            else
                onde.lineTo(x, y);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(110, 200, 255, 90 - i * 14), 1.4));
        p.drawPath(onde);
    }

    QPainterPath nom;
    nom.addText(QPointF(34, 112), police(62, true, true), "Tulvane");
    for (int i = 4; i >= 1; --i)
        p.strokePath(nom, QPen(QColor(60, 160, 255, 16), i * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient lettres(QPointF(0, 62), QPointF(0, 114));
    lettres.setColorAt(0, QColor(255, 255, 255));
    lettres.setColorAt(1, QColor(140, 210, 255));
    p.fillPath(nom, lettres);

    QFont avance = police(17, true);
    avance.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    p.setFont(avance);
    p.setPen(QColor(120, 210, 255));
    p.drawText(QPointF(40, 142), "ADVANCE");
    p.setFont(police(14, false));
    p.setPen(QColor(255, 255, 255, 210));
    p.drawText(QPointF(40, 166), "Lecteur Multimédia");

    const QRectF bas(0, 255, 432, 70);
    p.fillRect(bas, QColor(0, 0, 0, 95));
    p.setPen(QColor(255, 255, 255, 45));
    p.drawLine(QPointF(0, 255.5), QPointF(432, 255.5));
    return image;
}

QPixmap toile(int largeur, int hauteur)
{
    QPixmap image(largeur, hauteur);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

const QImage& imageHabillage()
{
    static const QImage image = dessinerHabillage();
    return image;
}

const QImage& imageDemarrage()
{
    static const QImage image = dessinerDemarrage();
    return image;
}

QPixmap iconeEtat(int etat)
{
    QPixmap image = toile(14, 15);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF b(2, 2.5, 10, 10);
    QColor couleur;
    QPainterPath forme;
    switch (etat) {
    case 1:
        couleur = QColor(255, 196, 80);
        forme.addRoundedRect(QRectF(b.left() + 1, b.top(), 3, 10), 0.8, 0.8);
        forme.addRoundedRect(QRectF(b.left() + 6, b.top(), 3, 10), 0.8, 0.8);
        break;
    case 2:
        couleur = QColor(96, 232, 140);
        forme.moveTo(b.left() + 1, b.top());
        forme.lineTo(b.right(), b.center().y());
        forme.lineTo(b.left() + 1, b.bottom());
        forme.closeSubpath();
        break;
    default:
        couleur = QColor(255, 110, 110);
        forme.addRoundedRect(b.adjusted(1, 1, -1, -1), 1.5, 1.5);
        break;
    }
    QColor halo = couleur;
    halo.setAlpha(70);
    p.strokePath(forme, QPen(halo, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(forme, couleur);
    return image;
}

QPixmap imageSilence(bool muet)
{
    QPixmap image = toile(23, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0.5, 23, 23);
    boutonGris(p, r, 11.5);
    const QPointF c = r.center();
    QPolygonF haut_parleur;
    haut_parleur << c + QPointF(-6, -2) << c + QPointF(-3.5, -2) << c + QPointF(0, -5.5) << c + QPointF(0, 5.5)
                 << c + QPointF(-3.5, 2) << c + QPointF(-6, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGlyphe);
    p.drawPolygon(haut_parleur);
    if (muet) {
        p.setPen(QPen(QColor(255, 95, 80), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(2, -2.8), c + QPointF(7, 2.8));
        p.drawLine(c + QPointF(2, 2.8), c + QPointF(7, -2.8));
    } else {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGlyphe, 1.2, Qt::SolidLine, Qt::RoundCap));
        for (const qreal rayon : {3.2, 6.0})
            p.drawArc(QRectF(c.x() - rayon + 0.5, c.y() - rayon, 2 * rayon, 2 * rayon), -50 * 16, 100 * 16);
    }
    return image;
}

QPixmap imageCurseurPosition()
{
    QPixmap image = toile(23, 11);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    bouton(p, QRectF(0, 0, 23, 10.5), 5, QColor(200, 240, 255), QColor(30, 150, 225));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1));
    p.drawLine(QPointF(11.5, 2.5), QPointF(11.5, 8));
    return image;
}

QPixmap imageBoutonVolume()
{
    QPixmap image = toile(10, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    bouton(p, QRectF(0, 0, 10, 17.5), 3, QColor(246, 248, 252), QColor(130, 140, 158));
    p.setPen(QPen(QColor(60, 68, 82), 1));
    for (const qreal y : {6.5, 8.5, 10.5})
        p.drawLine(QPointF(2.5, y), QPointF(7.5, y));
    return image;
}

QPixmap imagePanneauCD()
{
    const QSize taille = kAffichage.enPixels().size();
    QPixmap image = toile(taille.width(), taille.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ecran(QPointF(0, 0), QSizeF(taille));
    ecranDeVerre(p, ecran);
    // A rule under the title and one over the door commands.
    p.setPen(QPen(QColor(90, 160, 255, 60), 1));
    for (const qreal y : {33.5, 169.5})
        p.drawLine(QPointF(8, y), QPointF(ecran.right() - 8, y));
    reflet(p, ecran);
    return image;
}

QPixmap imageDisque()
{
    QPixmap image = toile(110, 110);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(55, 55);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(1.5, 2), 52, 52);
    // The pressed side: silver with the colours a light leaves on it.
    QConicalGradient irise(c, 30);
    const std::pair<qreal, QColor> teintes[] = {
        {0.0, QColor(214, 222, 236)},  {0.12, QColor(170, 210, 255)}, {0.25, QColor(236, 238, 244)},
        {0.38, QColor(255, 214, 170)}, {0.5, QColor(206, 214, 230)},  {0.62, QColor(178, 236, 214)},
        {0.75, QColor(238, 240, 246)}, {0.88, QColor(220, 190, 255)}, {1.0, QColor(214, 222, 236)}};
    for (const auto& [position, couleur] : teintes)
        irise.setColorAt(position, couleur);
    QPainterPath disque;
    disque.addEllipse(c, 52, 52);
    disque.addEllipse(c, 7, 7);
    p.fillPath(disque, irise);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.6));
    for (qreal r = 22; r < 50; r += 3.5)
        p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(60, 70, 90), 1));
    p.drawEllipse(c, 52, 52);
    // The clear hub round the hole.
    QPainterPath moyeu;
    moyeu.addEllipse(c, 19, 19);
    moyeu.addEllipse(c, 7, 7);
    p.fillPath(moyeu, QColor(245, 248, 255, 150));
    p.setPen(QPen(QColor(80, 90, 110, 160), 0.8));
    p.drawEllipse(c, 19, 19);
    p.drawEllipse(c, 7, 7);
    return image;
}

QPixmap imageCache(const QSize& taille)
{
    QPixmap image = toile(taille.width(), taille.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(taille)).adjusted(0.5, 0.5, -0.5, -0.5);
    creux(p, r, std::min(r.height() / 2, 6.0), QColor(10, 12, 17));
    return image;
}

QCursor pointeurBouton()
{
    QPixmap image = toile(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath main;
    main.addRoundedRect(QRectF(8, 1, 5, 16), 2.5, 2.5);    // the pointing finger
    main.addRoundedRect(QRectF(12.5, 9, 4.5, 9), 2.2, 2.2);
    main.addRoundedRect(QRectF(16.5, 10, 4.5, 9), 2.2, 2.2);
    main.addRoundedRect(QRectF(20.5, 11.5, 4, 8), 2, 2);
    main.addRoundedRect(QRectF(8, 13, 16.5, 11), 4, 4);  // the palm
    QPainterPath pouce;
    pouce.moveTo(9, 19);
    pouce.lineTo(4.5, 14.5);
    pouce.quadTo(2, 13, 2.8, 16.5);
    pouce.lineTo(8.5, 24);
    pouce.closeSubpath();
    main = main.united(pouce).simplified();
    p.fillPath(main.translated(1, 1), QColor(0, 0, 0, 70));
    p.fillPath(main, Qt::white);
    p.strokePath(main, QPen(Qt::black, 1.1));
    p.setPen(QPen(QColor(0, 0, 0, 150), 0.8));
    for (const qreal x : {12.7, 16.7, 20.7})
        p.drawLine(QPointF(x, 13.5), QPointF(x, 17));
    p.end();
    return QCursor(image, 10, 1);
}

QPixmap imageCacheRadio()
{
    QPixmap image = imageCache(kImgCache3.enPixels().size());
    QPainter p(&image);
    p.setFont(police(9, true));
    p.setPen(QColor(120, 210, 255));
    p.drawText(QRectF(QPointF(0, 0), QSizeF(image.size())), Qt::AlignCenter, "RADIO ON-LINE");
    return image;
}

QIcon iconeZoneNotification()
{
    QPixmap image = toile(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.scale(15.0 / 8.5, 15.0 / 8.5);
    embleme(p);
    p.end();
    return QIcon(image);
}

}  // namespace tulvane::player
