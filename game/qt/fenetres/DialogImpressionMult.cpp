// "Générer et imprimer des grilles": count, level and kind of a batch, and its print command.
#include "fenetres/DialogImpressionMult.h"

#include "ChoixImprimante.h"
#include "Conversions.h"
#include "Jeu.h"
#include "apparence/Boutons.h"
#include "apparence/FormulaireTwips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace lumio {

DialogImpressionMult::DialogImpressionMult(Jeu &jeu, QWidget *parent) : QDialog(parent), jeu_(jeu) {
    PreparerFormulaire(this, QStringLiteral("DialogImpressionMult"),
                       QStringLiteral("Générer et imprimer des grilles"), 5760, 2880);
    QLabel *nombre =
        CreerLibelle(this, QStringLiteral("Label1"), QStringLiteral("Nombre de grilles à imprimer :"),
                     Twips(240, 240, 2535, 255));
    combo_ = new QComboBox(this);
    nombre->setBuddy(combo_); // the count's name for a screen reader
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->setGeometry(Twips(2880, 240, 615, 315));
    combo_->setEditable(true);
    // A count typed in stays a count: it never joins the list.
    combo_->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= LotMaximum; ++n)
        combo_->addItem(QString::number(n));
    combo_->setEditText(QStringLiteral("4"));
    // The field typed into stands inside the list, where the label's buddy does not reach.
    combo_->lineEdit()->setAccessibleName(QStringLiteral("Nombre de grilles à imprimer"));

    QGroupBox *sorte =
        CreerCadre(this, QStringLiteral("Frame1"), QStringLiteral("Imprimer "), Twips(240, 720, 3255, 1455));
    sortes_[0] =
        CreerOption(sorte, QStringLiteral("Option20"), QStringLiteral("grilles sans résolutions"),
                    Twips(120, 360, 2415, 315), QStringLiteral("Imprime une série de grille prêtes à jouer"));
    sortes_[1] =
        CreerOption(sorte, QStringLiteral("Option21"), QStringLiteral("grilles sans résolution + solutions"),
                    Twips(120, 840, 2895, 315),
                    QStringLiteral("Imprime 2 séries de grilles : grilles prêtes à jouer + les solutions"));
    sortes_[1]->setChecked(true);

    QGroupBox *niveau = CreerCadre(this, QStringLiteral("Frame2"), QStringLiteral("Niveau de difficulté"),
                                   Twips(3600, 120, 1935, 2055));
    // The level options sit inside their frame, at their places on the dialog.
    const QPoint dansCadre = -niveau->pos();
    const struct {
        const char *texte;
        int haut, largeur;
    } niveaux[] = {
        {"Facile", 480, 1335}, {"Moyen", 840, 1215}, {"Difficile", 1200, 1335}, {"Expert", 1560, 1335}};
    for (int i = 1; i <= 4; ++i) {
        const auto &n = niveaux[i - 1];
        niveaux_[std::size_t(i - 1)] =
            CreerOption(niveau, QStringLiteral("Option1%1").arg(i), QString::fromUtf8(n.texte),
                        Twips(4080, n.haut, n.largeur, 255).translated(dansCadre));
    }

    // The first showing: the kind of the design, and the stored level when it is one.
    avecSolutions_ = sortes_[0]->isChecked() ? 0 : 1;
    for (int i = 1; i <= 4; ++i)
        connect(Option1(i), &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche) niveauChoisi_ = std::int16_t(i);
        });
    for (int i = 0; i < 2; ++i)
        connect(Option2(i), &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche) avecSolutions_ = std::int16_t(i);
        });
    if (const int n = NiveauDuReglage(jeu_.reglages.Lire(ReglageNiveau))) Option1(n)->setChecked(true);

    CreerBouton(this, QStringLiteral("TovCommand1"), QStringLiteral("Imprimer"), Twips(360, 2400, 2415, 375),
                [this] { Imprimer(); });
    CreerBouton(this, QStringLiteral("TovCommand2"), QStringLiteral("Annuler"), Twips(3120, 2400, 2415, 375),
                [this] { reject(); });
    setModal(true);
}

void DialogImpressionMult::Imprimer() {
    const double nombre = ValeurNumerique(combo_->currentText().toStdString());
    if (NombreDeGrilles(nombre) < 0) {
        jeu_.fenetre.BoiteMessage(
            Message{"Vous pouvez imprimer de 1 à 99 grilles.", Boutons::Ok, Icone::Information, TitreDefaut});
        combo_->setFocus(Qt::OtherFocusReason);
        combo_->lineEdit()->selectAll();
        return;
    }
    jeu_.ImprimerLot(nombre, niveauChoisi_, avecSolutions_);
    accept();
}

void DialogImpressionMult::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        Imprimer();
    else
        QDialog::keyPressEvent(e);
}

} // namespace lumio
