// The shared look of the print dialogs.
#include "apparence/FormulaireTwips.h"

#include "apparence/PaletteClaire.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace lumio {

namespace {

void Colorer(QWidget *w, const QColor &c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace

QRect Twips(int gauche, int haut, int largeur, int hauteur) {
    return QRect(gauche / TwipsParPixel, haut / TwipsParPixel, largeur / TwipsParPixel,
                 hauteur / TwipsParPixel);
}

QFont PoliceFormulaire(int pixels, bool gras) {
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPixelSize(pixels);
    if (gras) police.setBold(true);
    return police;
}

void PeindreFondFormulaire(QWidget *fenetre) {
    fenetre->setAutoFillBackground(true);
    // Every colour of the ground and of what stands on it is the light one, so that no caption,
    // field or option turns light on the yellow under a dark desktop scheme.
    QPalette p = PaletteClaire();
    p.setColor(QPalette::Window, FondFormulaire);
    fenetre->setPalette(p);
}

void PreparerFormulaire(QDialog *dialogue, const QString &nom, const QString &titre, int largeurTwips,
                        int hauteurTwips) {
    dialogue->setObjectName(nom);
    dialogue->setWindowTitle(titre);
    dialogue->setFixedSize(largeurTwips / TwipsParPixel, hauteurTwips / TwipsParPixel);
    // A fixed little dialog: a title and a close button, nothing to minimise or enlarge.
    dialogue->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint);
    PeindreFondFormulaire(dialogue);
    dialogue->setFont(PoliceFormulaire(12));
}

QGroupBox *CreerCadre(QWidget *parent, const QString &nom, const QString &titre, const QRect &place) {
    auto *cadre = new QGroupBox(titre, parent);
    cadre->setObjectName(nom);
    cadre->setGeometry(place);
    Colorer(cadre, BleuFormulaire);
    return cadre;
}

QLabel *CreerLibelle(QWidget *parent, const QString &nom, const QString &texte, const QRect &place) {
    auto *libelle = new QLabel(texte, parent);
    libelle->setObjectName(nom);
    libelle->setGeometry(place);
    Colorer(libelle, BleuFormulaire);
    return libelle;
}

QRadioButton *CreerOption(QWidget *parent, const QString &nom, const QString &texte, const QRect &place,
                          const QString &bulle) {
    auto *option = new QRadioButton(texte, parent);
    option->setObjectName(nom);
    option->setGeometry(place);
    option->setToolTip(bulle);
    Colorer(option, VertFormulaire);
    return option;
}

} // namespace lumio
