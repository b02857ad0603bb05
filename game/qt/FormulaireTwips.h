// The look of the game's small dialogs: laid out in twips, pale yellow, Comic Sans MS captions.
#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace lumio {

// A place given in twips, in pixels at 15 twips a pixel.
QRect Twips(int gauche, int haut, int largeur, int hauteur);

// Names and sizes a dialog (client area in twips) and gives it the background and font.
void PreparerFormulaire(QDialog *dialogue, const QString &nom, const QString &titre, int largeurTwips,
                        int hauteurTwips);
// A frame or a label, caption in dark blue; an option button, caption in dark green.
QGroupBox *CreerCadre(QWidget *parent, const QString &nom, const QString &titre, const QRect &place);
QLabel *CreerLibelle(QWidget *parent, const QString &nom, const QString &texte, const QRect &place);
QRadioButton *CreerOption(QWidget *parent, const QString &nom, const QString &texte, const QRect &place,
                          const QString &bulle = QString());

} // namespace lumio
