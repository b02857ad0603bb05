// "Imprimer la grille courante...": the print option and the print command.
#include "fenetres/DialogImpression.h"

#include "Jeu.h"
#include "apparence/Boutons.h"
#include "apparence/FormulaireTwips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>

namespace lumio {

DialogImpression::DialogImpression(Jeu &jeu, QWidget *parent) : QDialog(parent), jeu_(jeu) {
    PreparerFormulaire(this, QStringLiteral("DialogImpression"),
                       QStringLiteral("Imprimer la grille courante..."), 5910, 1470);
    QGroupBox *cadre = CreerCadre(this, QStringLiteral("Frame1"),
                                  QStringLiteral("Choix du type d'impression"), Twips(240, 120, 3135, 1215));
    // The options sit inside the frame, at their places on the dialog.
    const QPoint dansCadre = -cadre->pos();
    options_[0] =
        CreerOption(cadre, QStringLiteral("OptImpression0"), QStringLiteral("Impression sans solution"),
                    Twips(480, 440, 2535, 375).translated(dansCadre),
                    QStringLiteral("Imprime la grille avec les chiffres fixes seulement"));
    options_[1] =
        CreerOption(cadre, QStringLiteral("OptImpression1"), QStringLiteral("Impression avec solution"),
                    Twips(480, 840, 2775, 375).translated(dansCadre),
                    QStringLiteral("Imprime la grille avec tous les chiffres"));
    options_[jeu_.ImpressionAvecSolution ? 1 : 0]->setChecked(true);
    for (int i = 0; i < 2; ++i)
        connect(options_[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche) jeu_.ImpressionAvecSolution = i > 0;
        });

    CreerBouton(this, QStringLiteral("TovCommand1"), QStringLiteral("Imprimer"), Twips(4080, 240, 1575, 375),
                [this] { Imprimer(); });
    CreerBouton(this, QStringLiteral("TovCommand2"), QStringLiteral("Annuler"), Twips(4080, 840, 1575, 375),
                [this] { reject(); });
    setModal(true);
}

void DialogImpression::Imprimer() {
    jeu_.ImprimerGrilleCourante();
    accept();
}

void DialogImpression::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        Imprimer();
    else
        QDialog::keyPressEvent(e);
}

} // namespace lumio
