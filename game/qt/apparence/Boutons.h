// The game's push buttons: one place that makes them, so every window has the same look.
#pragma once

#include "Couleur.h"

#include <QPixmap>
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace lumio {

// A push button named `nom` with its caption, at a place in pixels; `clic` runs on a click.
QWidget *CreerBouton(QWidget *parent, const QString &nom, const QString &texte, const QRect &place,
                     std::function<void()> clic);
void ColorerBouton(QWidget *bouton, Couleur face, Couleur texte);
// A picture drawn by `dessin` for a device pixel ratio, at every scale a screen may need.
void DefinirImageBouton(QWidget *bouton, const std::function<QPixmap(qreal)> &dessin);
void DefinirBulleBouton(QWidget *bouton, const QString &texte);

} // namespace lumio
