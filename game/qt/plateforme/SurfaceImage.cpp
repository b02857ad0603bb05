// Board drawing on a QImage with boxes, lines and pens on whole device pixels.
#include "plateforme/SurfaceImage.h"
#include "plateforme/CouleurQt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lumio {

QFont SurfaceImage::PoliceQt(const Police &police) {
    QFont f(QString::fromStdString(police.nom));
    f.setPixelSize(std::max(1, int(std::lround(police.taille * 96.0 / 72.0))));
    f.setBold(police.gras);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// At a fractional device pixel ratio a logical pixel is no whole number of device pixels. Edges of
// boxes go to the nearest device edge, so that boxes side by side neither overlap nor leave a gap;
// a pen keeps one width in whole device pixels wherever it lies (never more than its logical
// width), centred where it falls, so that every line of one kind looks the same.
namespace {

int Bord(double x, double ratio) {
    return int(std::floor(x * ratio + 0.5));
}

int EpaisseurPlume(int plume, double ratio) {
    return std::max(1, int(std::floor(plume * ratio + 1e-9)));
}

// The first device row or column of a pen of width `plume` on logical coordinate x, which covers
// logical x - plume / 2 (integer division) to that plus plume - 1.
int DebutPlume(double x, int plume, double ratio) {
    const double centre = x - plume / 2 + plume / 2.0;
    return int(std::floor(centre * ratio - EpaisseurPlume(plume, ratio) / 2.0 + 0.5));
}

} // namespace

double SurfaceImage::Ratio() const {
    return image_.devicePixelRatio();
}

QRect SurfaceImage::PixelsAppareil(double x1, double y1, double x2, double y2) const {
    const double r = Ratio();
    const double xa = std::min(x1, x2), xb = std::max(x1, x2), ya = std::min(y1, y2), yb = std::max(y1, y2);
    return QRect(QPoint(Bord(xa, r), Bord(ya, r)), QPoint(Bord(xb + 1, r) - 1, Bord(yb + 1, r) - 1));
}

void SurfaceImage::Preparer(QPainter &p) const {
    if (!decoupe_) return;
    const double r = Ratio();
    const QRect d = *decoupe_;
    p.setClipRect(QRectF(d.x() / r, d.y() / r, d.width() / r, d.height() / r));
}

void SurfaceImage::Signaler(const QRectF &r) {
    if (changement) changement(r);
}

void SurfaceImage::PeindreAppareil(const QRect &zone, Couleur c) {
    if (zone.isEmpty()) return;
    const double r = Ratio();
    // Device coordinates: the image is painted at ratio 1 for the time of the fill.
    image_.setDevicePixelRatio(1.0);
    QPainter p(&image_);
    if (decoupe_) p.setClipRect(*decoupe_);
    p.fillRect(zone, CouleurQt(c));
    p.end();
    image_.setDevicePixelRatio(r);
    Signaler(QRectF(zone.x() / r, zone.y() / r, zone.width() / r, zone.height() / r).adjusted(-1, -1, 1, 1));
}

void SurfaceImage::Remplir(double x1, double y1, double x2, double y2, Couleur c) {
    PeindreAppareil(PixelsAppareil(x1, y1, x2, y2), c);
}

void SurfaceImage::Encadrer(double x1, double y1, double x2, double y2, double plume, Couleur c) {
    const int w = std::max(1, int(std::lround(plume)));
    const double r = Ratio();
    const int e = EpaisseurPlume(w, r);
    const double xa = std::min(x1, x2), xb = std::max(x1, x2), ya = std::min(y1, y2), yb = std::max(y1, y2);
    // The four sides meet square: the top and bottom run from the left side's first column to the
    // right side's last.
    const int gauche = DebutPlume(xa, w, r), droite = DebutPlume(xb, w, r) + e;
    const int haut = DebutPlume(ya, w, r), bas = DebutPlume(yb, w, r) + e;
    PeindreAppareil(QRect(QPoint(gauche, haut), QPoint(droite - 1, haut + e - 1)), c);
    PeindreAppareil(QRect(QPoint(gauche, bas - e), QPoint(droite - 1, bas - 1)), c);
    PeindreAppareil(QRect(QPoint(gauche, haut), QPoint(gauche + e - 1, bas - 1)), c);
    PeindreAppareil(QRect(QPoint(droite - e, haut), QPoint(droite - 1, bas - 1)), c);
}

void SurfaceImage::Ligne(double x1, double y1, double x2, double y2, double plume, Couleur c) {
    const int w = std::max(1, int(std::lround(plume)));
    const double r = Ratio();
    const int e = EpaisseurPlume(w, r);
    if (x1 == x2 && y1 == y2) return;
    if (x1 == x2) {
        const double debut = y2 > y1 ? y1 : y2 + 1, fin = y2 > y1 ? y2 - 1 : y1;
        const QRect long_ = PixelsAppareil(x1, debut, x1, fin);
        const int x = DebutPlume(x1, w, r);
        PeindreAppareil(QRect(x, long_.top(), e, long_.height()), c);
    } else if (y1 == y2) {
        const double debut = x2 > x1 ? x1 : x2 + 1, fin = x2 > x1 ? x2 - 1 : x1;
        const QRect long_ = PixelsAppareil(debut, y1, fin, y1);
        const int y = DebutPlume(y1, w, r);
        PeindreAppareil(QRect(long_.left(), y, long_.width(), e), c);
    } else {
        QPainter p(&image_);
        Preparer(p);
        p.setPen(QPen(CouleurQt(c), w, Qt::SolidLine, Qt::FlatCap));
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
    p.setPen(CouleurQt(c));
    p.drawText(QPointF(x, y + m.ascent()), s);
    p.end();
    Signaler(QRectF(x - 2, y - 2, m.horizontalAdvance(s) + 4, m.height() + 4));
}

void SurfaceImage::Decouper(double x1, double y1, double x2, double y2) {
    decoupe_ = PixelsAppareil(x1, y1, x2, y2);
}

void SurfaceImage::SansDecoupe() {
    decoupe_.reset();
}

} // namespace lumio
