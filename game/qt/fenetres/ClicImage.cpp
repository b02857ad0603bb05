// A picture that answers a click.
#include "fenetres/ClicImage.h"

#include "accessibilite/Accessibilite.h"

#include <QMouseEvent>
#include <QWidget>

namespace lumio {

ClicImage::ClicImage(QWidget *image, std::function<void()> action) : QObject(image), action_(std::move(action)) {
    image->installEventFilter(this);
    image->setCursor(Qt::PointingHandCursor);
    // A reader presents it as a button from now on.
    RenouvelerInterface(image);
}

bool ClicImage::eventFilter(QObject *objet, QEvent *e) {
    // Only mouse events are seen as such.
    const auto souris = [e] { return static_cast<const QMouseEvent *>(e); };
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        if (souris()->button() != Qt::LeftButton) return false;
        presse_ = true;
        return true;
    case QEvent::MouseButtonDblClick:
        // The second press of a double click opens nothing more.
        return souris()->button() == Qt::LeftButton;
    case QEvent::MouseButtonRelease: {
        if (souris()->button() != Qt::LeftButton || !presse_) return false;
        presse_ = false;
        if (static_cast<QWidget *>(objet)->rect().contains(souris()->position().toPoint())) action_();
        return true;
    }
    default:
        return false;
    }
}

} // namespace lumio
