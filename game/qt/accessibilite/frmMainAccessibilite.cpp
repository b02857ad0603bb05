// The main window for a screen reader: names and descriptions of its controls, and the board
// told as a table whose cells follow the game.
#include "accessibilite/Accessibilite.h"
#include "accessibilite/AccessibilitePlateau.h"
#include "fenetres/frmMain.h"

#include <QLineEdit>

namespace lumio {

void frmMain::BrancherAccessibilite() {
    InstallerAccessibilite();
    coupN_->setAccessibleName(QStringLiteral("Grille"));
    coupN_->setAccessibleDescription(
        QStringLiteral("Flèches : changer de case. Pavé numérique 1 à 9 : placer ce chiffre. "
                       "Espace ou Suppr : effacer la case. Crayon : par les actions de la case."));
    const char *roles[] = {"Mode", "Niveau", "Chrono"};
    for (int n = 1; n <= 3; ++n)
        Libelle(n)->setAccessibleDescription(QString::fromUtf8(roles[n - 1]));
    for (auto [nom, texte] : {std::pair{"Image2", "Préférences"}, std::pair{"Image1", "Site Web"}})
        if (auto *image = zone_->findChild<QWidget *>(nom))
            image->setAccessibleName(QString::fromUtf8(texte));
    annonceur_ = std::make_unique<AnnonceurPlateau>(*this);
    RenouvelerInterface(coupN_);
    for (ImageChiffre *image : palette_)
        RenouvelerInterface(image);
}

void frmMain::AnnoncerPalette() {
    if (annonceur_) annonceur_->PaletteChangee();
}

} // namespace lumio
