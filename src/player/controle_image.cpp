#include "player/controle_image.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace tulvane::player {

ControleImage::ControleImage(QWidget* parent, const disposition::Zone& place)
    : QWidget(parent), gauche_(place.gauche), haut_(place.haut), largeur_(place.largeur)
{
    setGeometry(place.enPixels());
    setMouseTracking(true);
}

void ControleImage::setLeft(int twips)
{
    if (twips == gauche_)
        return;
    gauche_ = twips;
    move(platform::twipsEnPixels(gauche_), platform::twipsEnPixels(haut_));
}

void ControleImage::setPicture(const QPixmap& image)
{
    if (image.cacheKey() == image_.cacheKey())
        return;
    image_ = image;
    update();
}

void ControleImage::accepterDepots(std::function<void(const QMimeData& donnees)> OLEDragDrop)
{
    oleDragDrop_ = std::move(OLEDragDrop);
    setAcceptDrops(true);
}

void ControleImage::agirSur(ControleImage& piste)
{
    const auto transmettre = [this, &piste](Souris ControleImage::*evenement) {
        return [this, &piste, evenement](Qt::MouseButton bouton, Qt::KeyboardModifiers maj, float x, float y) {
            if (const Souris& gestionnaire = piste.*evenement)
                gestionnaire(bouton, maj, x + float(gauche_ - piste.gauche_), y + float(haut_ - piste.haut_));
        };
    };
    MouseDown = transmettre(&ControleImage::MouseDown);
    MouseMove = transmettre(&ControleImage::MouseMove);
    MouseUp = transmettre(&ControleImage::MouseUp);
}

void ControleImage::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, image_);
}

void ControleImage::appeler(const Souris& gestionnaire, const QMouseEvent& event)
{
    if (!gestionnaire)
        return;
    const QPointF point = event.position() * platform::kTwipsParPixel;
    gestionnaire(event.button(), event.modifiers(), static_cast<float>(point.x()), static_cast<float>(point.y()));
}

void ControleImage::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    apresDoubleClic_ = false;
    appeler(MouseDown, *event);
}

void ControleImage::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    appeler(MouseMove, *event);
}

void ControleImage::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    appeler(MouseUp, *event);
    const bool clic = event->button() == Qt::LeftButton && !apresDoubleClic_ && rect().contains(event->position().toPoint());
    apresDoubleClic_ = false;
    if (clic && Click)
        Click();
}

void ControleImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    apresDoubleClic_ = true;
    if (DblClick)
        DblClick();
}

void ControleImage::dragEnterEvent(QDragEnterEvent* event)
{
    if (oleDragDrop_ && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void ControleImage::dropEvent(QDropEvent* event)
{
    if (!oleDragDrop_)
        return;
    event->acceptProposedAction();
    oleDragDrop_(*event->mimeData());
}

}  // namespace tulvane::player
