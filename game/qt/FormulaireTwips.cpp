// The shared look of the print dialogs.
#include "FormulaireTwips.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace lumio {

namespace {

const QColor Fond(252, 233, 165), Bleu(0, 0, 192), Vert(0, 64, 0);

void Colorer(QWidget *w, const QColor &c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace

QRect Twips(int gauche, int haut, int largeur, int hauteur) {
    return QRect(gauche / 15, haut / 15, largeur / 15, hauteur / 15);
}

void PreparerFormulaire(QDialog *dialogue, const QString &nom, const QString &titre, int largeurTwips,
                        int hauteurTwips) {
    dialogue->setObjectName(nom);
    dialogue->setWindowTitle(titre);
    dialogue->setFixedSize(largeurTwips / 15, hauteurTwips / 15);
    // A fixed little dialog: a title and a close button, nothing to minimise or enlarge.
    dialogue->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint);
    dialogue->setAutoFillBackground(true);
    QPalette p = dialogue->palette();
    p.setColor(QPalette::Window, Fond);
    dialogue->setPalette(p);
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPixelSize(12);
    dialogue->setFont(police);
}

QGroupBox *CreerCadre(QWidget *parent, const QString &nom, const QString &titre, const QRect &place) {
    auto *cadre = new QGroupBox(titre, parent);
    cadre->setObjectName(nom);
    cadre->setGeometry(place);
    Colorer(cadre, Bleu);
    return cadre;
}

QLabel *CreerLibelle(QWidget *parent, const QString &nom, const QString &texte, const QRect &place) {
    auto *libelle = new QLabel(texte, parent);
    libelle->setObjectName(nom);
    libelle->setGeometry(place);
    Colorer(libelle, Bleu);
    return libelle;
}

QRadioButton *CreerOption(QWidget *parent, const QString &nom, const QString &texte, const QRect &place,
                          const QString &bulle) {
    auto *option = new QRadioButton(texte, parent);
    option->setObjectName(nom);
    option->setGeometry(place);
    option->setToolTip(bulle);
    Colorer(option, Vert);
    return option;
}

} // namespace lumio
