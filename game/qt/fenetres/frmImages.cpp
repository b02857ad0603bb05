// Draws the palette pictures: plain tiles, highlighted tiles and the exhausted tile.
#include "fenetres/frmImages.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <map>

namespace lumio {

namespace {

QPixmap Dessiner(int k, qreal ratio) {
    const int t = frmImages::Taille;
    QPixmap pm(QSize(t, t) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const bool epuise = k == 0, surligne = k >= 10;
    const int d = surligne ? k - 9 : k;
    const QRectF tuile(1.5, 1.5, t - 3, t - 3);

    QLinearGradient fond(tuile.topLeft(), tuile.bottomLeft());
    QColor bord;
    if (epuise) {
        fond.setColorAt(0, QColor(236, 236, 236));
        fond.setColorAt(1, QColor(200, 200, 200));
        bord = QColor(150, 150, 150);
    } else if (surligne) {
        fond.setColorAt(0, QColor(255, 226, 150));
        fond.setColorAt(1, QColor(255, 168, 64));
        bord = QColor(192, 0, 0);
    } else {
        fond.setColorAt(0, QColor(255, 255, 250));
        fond.setColorAt(1, QColor(236, 226, 200));
        bord = QColor(128, 64, 64);
    }
    QPainterPath chemin;
    chemin.addRoundedRect(tuile, 6, 6);
    p.fillPath(chemin, fond);
    p.setPen(QPen(bord, surligne ? 2.0 : 1.0));
    p.drawPath(chemin);

    if (epuise) {
        // Every copy is on the board: a quiet tick instead of a digit.
        QPen trait(QColor(110, 140, 110), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(trait);
        QPolygonF coche;
        coche << QPointF(10, 17.5) << QPointF(15, 23) << QPointF(24.5, 11.5);
        p.drawPolyline(coche);
        return pm;
    }
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(23);
    f.setBold(true);
    p.setFont(f);
    p.setPen(surligne ? QColor(128, 0, 0) : QColor(0, 0, 192));
    p.drawText(QRectF(0, 0, t, t - 1), Qt::AlignCenter, QString::number(d));
    return pm;
}

} // namespace

QPixmap frmImages::imgChiffre(int k, qreal ratio) {
    static std::map<std::pair<int, qreal>, QPixmap> cache;
    if (k < 0 || k > 18) k = 0;
    auto &pm = cache[{k, ratio}];
    if (pm.isNull()) pm = Dessiner(k, ratio);
    return pm;
}

} // namespace lumio
