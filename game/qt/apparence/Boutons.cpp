// The game's push buttons are TovXp buttons in the "Windows Xp" look, captions in Comic Sans MS.
#include "apparence/Boutons.h"

#include "apparence/PaletteClaire.h"

#include <QIcon>
#include <tovxp/Module_API.h>
#include <tovxp/TovCommand.h>

namespace lumio {

namespace {
tovxp::TovCommand *Bouton(QWidget *w) {
    return qobject_cast<tovxp::TovCommand *>(w);
}
} // namespace

QWidget *CreerBouton(QWidget *parent, const QString &nom, const QString &texte, const QRect &place,
                     std::function<void()> clic) {
    auto *b = new tovxp::TovCommand(nom, parent);
    b->setReady(false);
    b->setCaption(texte);
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPixelSize(place.height() >= 35 ? 15 : 12);
    b->setFont(police);
    // The light desktop's button colours, held by the button itself: a dark desktop scheme
    // would otherwise darken the buttons of the yellow dialogs.
    const QPalette claire = PaletteClaire();
    b->setBackColor(tovxp::FromQColor(claire.color(QPalette::Button)));
    b->setForeColor(tovxp::FromQColor(claire.color(QPalette::ButtonText)));
    b->setGeometry(place);
    b->setReady(true);
    QObject::connect(b, &tovxp::TovCommand::Click, b, [clic] {
        if (clic) clic();
    });
    return b;
}

void ColorerBouton(QWidget *bouton, Couleur face, Couleur texte) {
    if (auto *b = Bouton(bouton)) {
        b->setReady(false);
        b->setBackColor(tovxp::RgbColor(face.r, face.g, face.b));
        b->setForeColor(tovxp::RgbColor(texte.r, texte.g, texte.b));
        b->setReady(true);
    }
}

void DefinirImageBouton(QWidget *bouton, const std::function<QPixmap(qreal)> &dessin) {
    // One picture per scale, the plain one first, so the button lays it out at its logical size
    // and draws the finest one the screen can show.
    QIcon icone;
    for (qreal ratio : {1.0, 2.0, 3.0})
        icone.addPixmap(dessin(ratio));
    if (auto *b = Bouton(bouton)) b->setPicture(icone);
}

void DefinirBulleBouton(QWidget *bouton, const QString &texte) {
    bouton->setToolTip(texte);
}

} // namespace lumio
