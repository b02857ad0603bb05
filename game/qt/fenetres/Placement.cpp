// Boxes and dialogs placed by their frame.
#include "fenetres/Placement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace lumio {

namespace {
constexpr qint64 MomentsDApparition = 1500; // ms
}

QMargins MargesCadre(const QWidget &parent) {
    const QWidget &fenetre = *parent.window();
    const QRect f = fenetre.frameGeometry(), g = fenetre.geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

PlacementCadre::PlacementCadre(QWidget &fenetre, const QWidget &parent, std::function<QPoint(QSize)> place)
    : QObject(&fenetre), fenetre_(fenetre), marges_(MargesCadre(parent)), place_(std::move(place)) {
    fenetre.installEventFilter(this);
}

bool PlacementCadre::eventFilter(QObject *objet, QEvent *e) {
    QWindow *natif = fenetre_.windowHandle();
    // A box may still grow once on screen, as its layout settles: it is placed again for its
    // new size. The player's own moves change no size and stay.
    if (placee_ && objet == &fenetre_ && e->type() == QEvent::Resize) {
        Placer();
        return false;
    }
    // What the window manager does with the first move may reach the game after it was placed,
    // the frame with it: the place is checked again at each move of the first moments. A player
    // does not drag a box that has only just opened.
    if (placee_ && objet == &fenetre_ && e->type() == QEvent::Move && depuis_.isValid() &&
        depuis_.elapsed() < MomentsDApparition) {
        Placer();
        return false;
    }
    if (!placee_ && objet == &fenetre_ && e->type() == QEvent::Show && natif) {
        // A window moved before its first showing is moved by its outer corner from then on,
        // framed or not yet: the window manager puts its frame where it is told. One that was not
        // is moved by its client area until it is framed.
        parCoin_ = fenetre_.testAttribute(Qt::WA_Moved);
        natif->installEventFilter(this);
    }
    if (placee_ || !natif || !natif->isExposed()) return false;
    natif->removeEventFilter(this);
    placee_ = true;
    depuis_.start();
    Placer();
    return false;
}

void PlacementCadre::Placer() {
    const QRect client = fenetre_.geometry();
    const bool encadree = fenetre_.frameGeometry() != client;
    // Not framed yet, the frame is taken to be the parent's: around the client area, or where the
    // client area stands for a window moved by its outer corner.
    const QPoint bord(marges_.left(), marges_.top());
    const QPoint ici = encadree   ? fenetre_.frameGeometry().topLeft()
                       : parCoin_ ? client.topLeft()
                                  : client.topLeft() - bord;
    const QPoint coin = place_(encadree ? fenetre_.frameGeometry().size() : client.size().grownBy(marges_));
    if (ici != coin) fenetre_.move(encadree || parCoin_ ? coin : coin + bord);
}

void CentrerSurFenetre(QWidget &boite, const QWidget &parent) {
    const QWidget *fenetre = parent.window();
    auto centre = [fenetre](QSize cadre) {
        return fenetre->frameGeometry().center() - QPoint(cadre.width() / 2, cadre.height() / 2);
    };
    new PlacementCadre(boite, parent, centre);
    // A box of fixed size starts there at once, so that it does not jump once it is framed.
    if (boite.minimumSize() == boite.maximumSize())
        boite.move(centre(boite.size().grownBy(MargesCadre(parent))));
}

} // namespace lumio
