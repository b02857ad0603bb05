// Where the game's boxes and dialogs stand: placed by their outer rectangle, frame included, which
// the window manager gives a window only once it is on screen.
#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>

class QWidget;

namespace lumio {

// The frame the window manager draws around the parent's window, and alike around its boxes.
QMargins MargesCadre(const QWidget &parent);

// Puts a window's outer rectangle, frame included, where `place` says for its size, once it is on
// screen: a new window has no frame until the window manager has mapped it, and where its client
// area then lands depends on that manager. Should the frame still be unknown then, the parent's
// stands for it. The player may move the window freely afterwards; a window hidden and shown again
// keeps its place.
class PlacementCadre : public QObject {
  public:
    PlacementCadre(QWidget &fenetre, const QWidget &parent, std::function<QPoint(QSize)> place);

  protected:
    bool eventFilter(QObject *objet, QEvent *e) override;

  private:
    void Placer();

    QWidget &fenetre_;
    bool placee_ = false;
    QElapsedTimer depuis_; // since it was placed
    bool parCoin_ = false; // moved by its outer corner before its frame is known
    QMargins marges_;
    std::function<QPoint(QSize)> place_;
};

// Centres `boite` on the window of `parent`, outer rectangle on outer rectangle, from its first
// showing on.
void CentrerSurFenetre(QWidget &boite, const QWidget &parent);

} // namespace lumio
