// Push buttons of the game's windows.
#include "Boutons.h"

#include <QPushButton>

namespace lumio {

QWidget *CreerBouton(QWidget *parent, const QString &nom, const QString &texte, const QRect &place,
                     std::function<void()> clic) {
    auto *b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setGeometry(place);
    QObject::connect(b, &QPushButton::clicked, b, [clic] {
        if (clic) clic();
    });
    return b;
}

void ColorerBouton(QWidget *bouton, Couleur face, Couleur texte) {
    QPalette p = bouton->palette();
    p.setColor(QPalette::Button, QColor(face.r, face.g, face.b));
    p.setColor(QPalette::ButtonText, QColor(texte.r, texte.g, texte.b));
    bouton->setPalette(p);
}

void DefinirImageBouton(QWidget *bouton, const QPixmap &image) {
    if (auto *b = qobject_cast<QPushButton *>(bouton)) {
        b->setIcon(QIcon(image));
        b->setIconSize(image.deviceIndependentSize().toSize());
    }
}

void DefinirBulleBouton(QWidget *bouton, const QString &texte) { bouton->setToolTip(texte); }

void CliquerBouton(QWidget *bouton) {
    if (auto *b = qobject_cast<QPushButton *>(bouton)) b->click();
}

} // namespace lumio
