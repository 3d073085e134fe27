#pragma once

#include "player/disposition.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

class QMimeData;

namespace tulvane::player {

// An image control of the player window: a picture or none (a click area), a place in twips,
// and mouse events with X and Y in twips from its top left. It takes the presses and moves
// that fall on it, so they reach neither the skin under it nor the window's move.
// A double click gives Click for its first click and then DblClick, never a second Click.
class ControleImage : public QWidget {
public:
    using Souris = std::function<void(Qt::MouseButton bouton, Qt::KeyboardModifiers maj, float x, float y)>;

    ControleImage(QWidget* parent, const disposition::Zone& place);

    int Left() const { return gauche_; }
    void setLeft(int twips);
    int Width() const { return largeur_; }

    void setPicture(const QPixmap& image);
    const QPixmap& picture() const { return image_; }

    Souris MouseDown;
    Souris MouseMove;
    Souris MouseUp;
    std::function<void()> Click;
    std::function<void()> DblClick;
    // From then on the control takes files dropped from the desktop.
    void accepterDepots(std::function<void(const QMimeData& donnees)> OLEDragDrop);
    // From then on presses, moves and releases on this control act on `piste`, at the same
    // place of the panel: a part that rides on a track is the track, also where it stands
    // out of it. Both controls lie on the same panel.
    void agirSur(ControleImage& piste);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static void appeler(const Souris& gestionnaire, const QMouseEvent& event);

    int gauche_;
    int haut_;
    int largeur_;
    QPixmap image_;
    std::function<void(const QMimeData& donnees)> oleDragDrop_;
    bool apresDoubleClic_ = false;
};

}  // namespace tulvane::player
