// The look of the game's small dialogs: laid out in twips, pale yellow, Comic Sans MS captions.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QDialog;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace lumio {

constexpr int TwipsParPixel = 15;

// A place given in twips, in pixels.
QRect Twips(int gauche, int haut, int largeur, int hauteur);

// The colours of the game's dialogs: a pale yellow ground, dark blue titles, dark green captions.
inline const QColor FondFormulaire(252, 233, 165), BleuFormulaire(0, 0, 192), VertFormulaire(0, 64, 0);
// Their font, Comic Sans MS, at `pixels`.
QFont PoliceFormulaire(int pixels, bool gras = false);
// Gives a window the dialogs' pale yellow ground, under the light colours of PaletteClaire.
void PeindreFondFormulaire(QWidget *fenetre);

// Names and sizes a dialog (client area in twips) and gives it the background and font.
void PreparerFormulaire(QDialog *dialogue, const QString &nom, const QString &titre, int largeurTwips,
                        int hauteurTwips);
// A frame or a label, caption in dark blue; an option button, caption in dark green.
QGroupBox *CreerCadre(QWidget *parent, const QString &nom, const QString &titre, const QRect &place);
QLabel *CreerLibelle(QWidget *parent, const QString &nom, const QString &texte, const QRect &place);
QRadioButton *CreerOption(QWidget *parent, const QString &nom, const QString &texte, const QRect &place,
                          const QString &bulle = QString());

} // namespace lumio
