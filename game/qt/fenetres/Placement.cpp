// Boxes and dialogs placed by their frame.
#include "fenetres/Placement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace lumio {

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
    if (!placee_ && objet == &fenetre_ && e->type() == QEvent::Show && natif) natif->installEventFilter(this);
    if (placee_ || !natif || !natif->isExposed()) return false;
    natif->removeEventFilter(this);
    placee_ = true;
    Placer();
    return false;
}

void PlacementCadre::Placer() {
    const bool encadree = fenetre_.frameGeometry() != fenetre_.geometry();
    const QRect cadre = encadree ? fenetre_.frameGeometry() : fenetre_.geometry().marginsAdded(marges_);
    const QPoint coin = place_(cadre.size());
    // A framed window moves by its outer corner, one not framed yet by its client area.
    if (cadre.topLeft() != coin)
        fenetre_.move(encadree ? coin : coin + QPoint(marges_.left(), marges_.top()));
}

void CentrerSurFenetre(QWidget &boite, const QWidget &parent) {
    const QWidget *fenetre = parent.window();
    auto centre = [fenetre](QSize cadre) {
        return fenetre->frameGeometry().center() - QPoint(cadre.width() / 2, cadre.height() / 2);
    };
    new PlacementCadre(boite, parent, centre);
    if (boite.minimumSize() != boite.maximumSize()) return;
    // Before its first showing a window is moved by its outer corner: the window manager puts its
    // frame there.
    boite.move(centre(boite.size().grownBy(MargesCadre(parent))));
}

} // namespace lumio
