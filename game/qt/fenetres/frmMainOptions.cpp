// The options on the main window: "Préférence" (F2), a click on the gear, the dialog's life.
#include "fenetres/ClicImage.h"
#include "fenetres/Options1.h"
#include "fenetres/frmMain.h"

#include <QAction>

namespace lumio {

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
    MontrerDevant(*options_);
}

Options1 *frmMain::Options() const {
    return options_;
}

} // namespace lumio
