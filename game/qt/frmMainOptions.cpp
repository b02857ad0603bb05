// The options on the main window: "Préférence" (F2), a click on the gear, the dialog's life.
#include "Options1.h"
#include "frmMain.h"

#include <QAction>
#include <QMouseEvent>
#include <functional>

namespace lumio {

namespace {

// Turns a press and a release of the left button on a picture into one click.
class ClicImage : public QObject {
  public:
    ClicImage(QWidget *image, std::function<void()> action) : QObject(image), action_(std::move(action)) {
        image->installEventFilter(this);
        image->setCursor(Qt::PointingHandCursor);
    }

  protected:
    bool eventFilter(QObject *objet, QEvent *e) override {
        const auto *souris = static_cast<const QMouseEvent *>(e);
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            if (souris->button() != Qt::LeftButton) return false;
            presse_ = true;
            return true;
        case QEvent::MouseButtonDblClick:
            // The second press of a double click opens nothing more.
            return souris->button() == Qt::LeftButton;
        case QEvent::MouseButtonRelease: {
            if (souris->button() != Qt::LeftButton || !presse_) return false;
            presse_ = false;
            if (static_cast<QWidget *>(objet)->rect().contains(souris->position().toPoint())) action_();
            return true;
        }
        default:
            return false;
        }
    }

  private:
    std::function<void()> action_;
    bool presse_ = false;
};

} // namespace

void frmMain::BrancherOptions() {
    QAction *preference = Action("LancerOptions");
    preference->setEnabled(true);
    connect(preference, &QAction::triggered, this, [this] { jeu_->OuvrirOptions(); });
    new ClicImage(zone_->findChild<QWidget *>("Image2"), [this] { jeu_->OuvrirOptions(); });
}

void frmMain::AfficherOptions() {
    if (!options_) {
        options_ = new Options1(*jeu_, this);
        options_->Form_Load();
    }
    options_->Elargir();
    options_->setWindowState(options_->windowState() & ~Qt::WindowMinimized);
    options_->show();
    options_->raise();
    options_->activateWindow();
}

Options1 *frmMain::Options() const {
    return options_;
}

} // namespace lumio
