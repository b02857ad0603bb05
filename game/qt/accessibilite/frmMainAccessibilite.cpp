// The main window for a screen reader: names and descriptions of its controls, the board told as
// cells that follow the game, the status bar and the notice.
#include "accessibilite/Accessibilite.h"
#include "accessibilite/AccessibilitePlateau.h"
#include "accessibilite/BarreEtat.h"
#include "fenetres/frmMain.h"

#include <QLineEdit>

namespace lumio {

void frmMain::BrancherAccessibilite() {
    InstallerAccessibilite();
    coupN_->setAccessibleName(QStringLiteral("Grille"));
    coupN_->setAccessibleDescription(
        QStringLiteral("Flèches : changer de case. Chiffres 1 à 9 : placer ce chiffre. "
                       "Contrôle et un chiffre : écrire ou effacer ce crayon. "
                       "Espace ou Suppr : effacer la case."));
    const char *roles[] = {"Mode", "Niveau", "Chrono"};
    for (int n = 1; n <= 3; ++n)
        Libelle(n)->setAccessibleDescription(QString::fromUtf8(roles[n - 1]));
    for (auto [nom, texte] : {std::pair{"Image2", "Préférences"}, std::pair{"Image1", "Site Web"}})
        if (auto *image = zone_->findChild<QWidget *>(nom))
            image->setAccessibleName(QString::fromUtf8(texte));
    barreEtat_ = new BarreEtat(libelles_, zone_);
    avis_ = new Avis(zone_);
    annonceur_ = std::make_unique<AnnonceurPlateau>(*this, *barreEtat_, *avis_);
    RenouvelerInterface(coupN_);
    RenouvelerInterface(avis_);
    for (ImageChiffre *image : palette_)
        RenouvelerInterface(image);
}

void frmMain::AnnoncerPalette() {
    if (annonceur_) annonceur_->PaletteChangee();
}

void frmMain::AnnoncerLibelle() {
    if (annonceur_) annonceur_->LibelleChange();
}

} // namespace lumio
