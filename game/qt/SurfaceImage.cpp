// Board drawing on a QImage with pixel-exact boxes, lines and pens.
#include "SurfaceImage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lumio {

namespace {
QColor Qt_(Couleur c) { return QColor(c.r, c.g, c.b); }
} // namespace

QFont SurfaceImage::PoliceQt(const Police &police) {
    QFont f(QString::fromStdString(police.nom));
    f.setPixelSize(std::max(1, int(std::lround(police.taille * 96.0 / 72.0))));
    f.setBold(police.gras);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void SurfaceImage::Preparer(QPainter &p) const {
    if (decoupe_) p.setClipRect(*decoupe_);
}

void SurfaceImage::Signaler(const QRectF &r) {
    if (changement) changement(r);
}

// Fills every pixel from (x1, y1) to (x2, y2), both included.
void SurfaceImage::RemplirPixels(double x1, double y1, double x2, double y2, Couleur c) {
    const double xa = std::min(x1, x2), xb = std::max(x1, x2), ya = std::min(y1, y2), yb = std::max(y1, y2);
    const QRectF r(xa, ya, xb - xa + 1, yb - ya + 1);
    QPainter p(&image_);
    Preparer(p);
    p.fillRect(r, Qt_(c));
    p.end();
    Signaler(r);
}

void SurfaceImage::Remplir(double x1, double y1, double x2, double y2, Couleur c) {
    RemplirPixels(x1, y1, x2, y2, c);
}

void SurfaceImage::Encadrer(double x1, double y1, double x2, double y2, double plume, Couleur c) {
    const int w = std::max(1, int(std::lround(plume))), o = w / 2;
    const double xa = std::min(x1, x2), xb = std::max(x1, x2), ya = std::min(y1, y2), yb = std::max(y1, y2);
    RemplirPixels(xa - o, ya - o, xb - o + w - 1, ya - o + w - 1, c); // top
    RemplirPixels(xa - o, yb - o, xb - o + w - 1, yb - o + w - 1, c); // bottom
    RemplirPixels(xa - o, ya - o, xa - o + w - 1, yb - o + w - 1, c); // left
    RemplirPixels(xb - o, ya - o, xb - o + w - 1, yb - o + w - 1, c); // right
}

void SurfaceImage::Ligne(double x1, double y1, double x2, double y2, double plume, Couleur c) {
    const int w = std::max(1, int(std::lround(plume))), o = w / 2;
    if (x1 == x2 && y1 == y2) return;
    if (x1 == x2) {
        const double debut = y2 > y1 ? y1 : y2 + 1, fin = y2 > y1 ? y2 - 1 : y1;
        RemplirPixels(x1 - o, debut, x1 - o + w - 1, fin, c);
    } else if (y1 == y2) {
        const double debut = x2 > x1 ? x1 : x2 + 1, fin = x2 > x1 ? x2 - 1 : x1;
        RemplirPixels(debut, y1 - o, fin, y1 - o + w - 1, c);
    } else {
        QPainter p(&image_);
        Preparer(p);
        p.setPen(QPen(Qt_(c), w, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        p.end();
        Signaler(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized().adjusted(-w, -w, w, w));
    }
}

double SurfaceImage::LargeurTexte(const std::string &texte, const Police &police) {
    return QFontMetricsF(PoliceQt(police)).horizontalAdvance(QString::fromStdString(texte));
}

double SurfaceImage::HauteurTexte(const std::string &, const Police &police) {
    return QFontMetricsF(PoliceQt(police)).height();
}

void SurfaceImage::Ecrire(double x, double y, const std::string &texte, const Police &police, Couleur c) {
    const QFont f = PoliceQt(police);
    const QFontMetricsF m(f);
    const QString s = QString::fromStdString(texte);
    QPainter p(&image_);
    Preparer(p);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    p.setPen(Qt_(c));
    p.drawText(QPointF(x, y + m.ascent()), s);
    p.end();
    Signaler(QRectF(x - 2, y - 2, m.horizontalAdvance(s) + 4, m.height() + 4));
}

void SurfaceImage::Decouper(double x1, double y1, double x2, double y2) {
    decoupe_ = QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2) + 1, std::max(y1, y2) + 1));
}

void SurfaceImage::SansDecoupe() { decoupe_.reset(); }

} // namespace lumio
