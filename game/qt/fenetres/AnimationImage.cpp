// A picture that turns through its frames while it is in view.
#include "fenetres/AnimationImage.h"

#include <QEvent>
#include <QLabel>
#include <QWindow>
#include <algorithm>

namespace lumio {

AnimationImage::AnimationImage(QLabel *image, int nombre, int intervalle, Dessin dessiner)
    : QObject(image), image_(image), intervalle_(intervalle), dessiner_(std::move(dessiner)),
      images_(std::size_t(std::max(nombre, 1))) {
    image_->installEventFilter(this);
    Suivre();
    Montrer();
    Reconsiderer();
}

void AnimationImage::Avancer() {
    courante_ = (courante_ + 1) % int(images_.size());
    Montrer();
}

void AnimationImage::Montrer() {
    // The frames were drawn for another screen: they would be blurred or too coarse here.
    const qreal ratio = image_->devicePixelRatioF();
    if (ratio != ratio_) {
        std::fill(images_.begin(), images_.end(), QPixmap());
        ratio_ = ratio;
    }
    QPixmap &image = images_[std::size_t(courante_)];
    if (image.isNull()) image = dessiner_(courante_, ratio);
    image_->setPixmap(image);
}

bool AnimationImage::Visible() const {
    if (!image_->isVisible() || !fenetre_ || fenetre_->isMinimized()) return false;
    // A window on another desktop, or unmapped by the window manager, is not exposed.
    return surface_ && surface_->isExposed();
}

void AnimationImage::Reconsiderer() {
    if (!Visible()) {
        minuterie_.stop();
        return;
    }
    if (minuterie_.isActive()) return;
    Montrer();
    minuterie_.start(intervalle_, Qt::CoarseTimer, this);
}

void AnimationImage::Suivre() {
    QWidget *fenetre = image_->window();
    if (fenetre != fenetre_) {
        if (fenetre_ && fenetre_ != image_) fenetre_->removeEventFilter(this);
        fenetre_ = fenetre;
        if (fenetre != image_) fenetre->installEventFilter(this);
    }
    // The native window comes with the first show, and may be made anew later.
    QWindow *surface = fenetre->windowHandle();
    if (surface != surface_) {
        if (surface_) surface_->removeEventFilter(this);
        surface_ = surface;
        if (surface) surface->installEventFilter(this);
    }
}

bool AnimationImage::eventFilter(QObject *objet, QEvent *e) {
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
    case QEvent::Expose:
    case QEvent::ParentChange:
    case QEvent::PlatformSurface:
        Suivre();
        Reconsiderer();
        break;
    default:
        break;
    }
    return QObject::eventFilter(objet, e);
}

void AnimationImage::timerEvent(QTimerEvent *e) {
    if (e->timerId() == minuterie_.timerId())
        Avancer();
    else
        QObject::timerEvent(e);
}

} // namespace lumio
