// What the desktop knows the game by: its application id and its icon.
#include "plateforme/Application.h"
#include "plateforme/ImageIcone.h"

#include <QGuiApplication>
#include <QPixmap>

namespace lumio {

QString IdApplication() { return QStringLiteral(LUMIO_ID_APPLICATION); }

QIcon IconeApplication() {
    // Rendered here rather than left to an icon engine plugin, which a minimal Qt may lack.
    QSvgRenderer svg(QStringLiteral(":/icone.svg"));
    QIcon icone;
    if (!svg.isValid()) return icone;
    for (int n : {16, 22, 24, 32, 48, 64, 128, 256})
        icone.addPixmap(QPixmap::fromImage(ImageIcone(svg, n)));
    return icone;
}

void DeclarerApplication() {
    QGuiApplication::setDesktopFileName(IdApplication());
    QGuiApplication::setWindowIcon(IconeApplication());
}

} // namespace lumio
