// A picture that turns through its frames while it is in view.
#include "fenetres/ImageAnimee.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QWindow>
#include <algorithm>

namespace lumio {

ImageAnimee::ImageAnimee(int nombre, int intervalle, Dessin dessiner, QWidget *parent)
    : QWidget(parent), intervalle_(intervalle), dessiner_(std::move(dessiner)),
      images_(std::size_t(std::max(nombre, 1))) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    Suivre();
    SuivreRatio();
    Preparer();
    Reconsiderer();
}

void ImageAnimee::Avancer() {
    courante_ = (courante_ + 1) % int(images_.size());
    // The ratio is asked once a cycle, not at every frame, where it would be a good part of the
    // cost; a change of screen says so at once.
    if (courante_ == 0) SuivreRatio();
    Preparer();
    // Painted at once, in the timer's own wake-up: a posted update would wake the event loop
    // once more.
    repaint(Cadre());
}

void ImageAnimee::SuivreRatio() {
    // The frames were drawn for another screen: they would be blurred or too coarse here.
    const qreal ratio = devicePixelRatioF();
    if (ratio == ratio_) return;
    std::fill(images_.begin(), images_.end(), QPixmap());
    ratio_ = ratio;
}

void ImageAnimee::Preparer() {
    QPixmap &image = images_[std::size_t(courante_)];
    if (image.isNull()) image = dessiner_(courante_, ratio_);
}

QRect ImageAnimee::Cadre() const {
    return QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, Image().deviceIndependentSize().toSize(),
                               rect());
}

void ImageAnimee::paintEvent(QPaintEvent *e) {
    QPainter p(this);
    p.fillRect(e->rect(), palette().color(QPalette::Window));
    p.drawPixmap(Cadre().topLeft(), Image());
}

bool ImageAnimee::Visible() const {
    if (!isVisible() || !fenetre_ || fenetre_->isMinimized()) return false;
    // A window on another desktop, or unmapped by the window manager, is not exposed.
    return surface_ && surface_->isExposed();
}

void ImageAnimee::Reconsiderer() {
    if (!Visible()) {
        minuterie_.stop();
        return;
    }
    if (minuterie_.isActive()) return;
    SuivreRatio();
    Preparer();
    update();
    minuterie_.start(intervalle_, Qt::CoarseTimer, this);
}

void ImageAnimee::Suivre() {
    QWidget *fenetre = window();
    if (fenetre != fenetre_) {
        if (fenetre_ && fenetre_ != this) fenetre_->removeEventFilter(this);
        fenetre_ = fenetre;
        if (fenetre != this) fenetre->installEventFilter(this);
    }
    // The native window comes with the first show, and may be made anew later.
    QWindow *surface = fenetre->windowHandle();
    if (surface != surface_) {
        if (surface_) surface_->removeEventFilter(this);
        surface_ = surface;
        if (surface) surface->installEventFilter(this);
    }
}

bool ImageAnimee::event(QEvent *e) {
    switch (e->type()) {
    case QEvent::ScreenChangeInternal:
        SuivreRatio();
        Preparer();
        update();
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
        Suivre();
        Reconsiderer();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

bool ImageAnimee::eventFilter(QObject *objet, QEvent *e) {
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
    case QEvent::Expose:
    case QEvent::PlatformSurface:
        Suivre();
        Reconsiderer();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objet, e);
}

void ImageAnimee::timerEvent(QTimerEvent *e) {
    if (e->timerId() == minuterie_.timerId())
        Avancer();
    else
        QWidget::timerEvent(e);
}

} // namespace lumio
