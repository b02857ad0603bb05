// The application icon drawn from its SVG at one square size: for the windows' icon, and for the
// icon theme's pictures made at build time.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace lumio {

inline QImage ImageIcone(QSvgRenderer &svg, int taille) {
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    return image;
}

} // namespace lumio
