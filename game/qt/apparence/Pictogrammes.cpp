// Vector drawings of the button and window pictures.
#include "apparence/Pictogrammes.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace lumio {

namespace {

void Lampe(QPainter &p) {
    QRadialGradient lueur(12, 10, 10);
    lueur.setColorAt(0, QColor(255, 250, 190));
    lueur.setColorAt(1, QColor(255, 200, 40));
    p.setPen(QPen(QColor(170, 110, 0), 1.2));
    p.setBrush(lueur);
    QPainterPath ampoule;
    ampoule.moveTo(8.5, 16.5);
    ampoule.cubicTo(4, 13, 4.5, 3, 12, 3);
    ampoule.cubicTo(19.5, 3, 20, 13, 15.5, 16.5);
    ampoule.closeSubpath();
    p.drawPath(ampoule);
    p.setBrush(QColor(150, 150, 160));
    p.setPen(QPen(QColor(90, 90, 100), 1));
    p.drawRoundedRect(QRectF(8.5, 16.5, 7, 4.5), 1, 1);
    p.setPen(QPen(QColor(255, 190, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 9), QPointF(0.5, 8.5));
    p.drawLine(QPointF(22, 9), QPointF(23.5, 8.5));
    p.drawLine(QPointF(4.5, 2.5), QPointF(3, 1));
    p.drawLine(QPointF(19.5, 2.5), QPointF(21, 1));
}

void Coche(QPainter &p) {
    p.setPen(QPen(QColor(20, 140, 50), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF c;
    c << QPointF(4, 12.5) << QPointF(9.5, 18) << QPointF(20, 5.5);
    p.drawPolyline(c);
}

void Loupe(QPainter &p) {
    p.setPen(QPen(QColor(70, 70, 90), 2.2));
    QRadialGradient verre(9, 8, 7);
    verre.setColorAt(0, QColor(235, 248, 255));
    verre.setColorAt(1, QColor(170, 210, 240));
    p.setBrush(verre);
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    p.setPen(QPen(QColor(128, 64, 0), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
}

void Imprimante(QPainter &p) {
    p.setPen(QPen(QColor(80, 80, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 11, 7));
    QLinearGradient corps(0, 8, 0, 18);
    corps.setColorAt(0, QColor(210, 210, 220));
    corps.setColorAt(1, QColor(150, 150, 165));
    p.setBrush(corps);
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.setPen(QPen(QColor(0, 0, 192), 0.8));
    for (double y : {17.0, 19.0}) p.drawLine(QPointF(8, y), QPointF(16, y));
    p.setBrush(QColor(60, 200, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(18.5, 11.5), 1.1, 1.1);
}

void Grille(QPainter &p, QRectF r, const QColor &trait) {
    p.setBrush(Qt::white);
    p.setPen(QPen(trait, 1.2));
    p.drawRect(r);
    p.setPen(QPen(trait, 0.6));
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(r.left() + r.width() * i / 3, r.top()), QPointF(r.left() + r.width() * i / 3, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + r.height() * i / 3), QPointF(r.right(), r.top() + r.height() * i / 3));
    }
}

void Pile(QPainter &p) {
    Grille(p, QRectF(8.5, 2.5, 13, 13), QColor(124, 7, 28));
    Grille(p, QRectF(5.5, 5.5, 13, 13), QColor(124, 7, 28));
    Grille(p, QRectF(2.5, 8.5, 13, 13), QColor(124, 7, 28));
}

void Etoile(QPainter &p, QPointF centre, double rayon) {
    QPolygonF e;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, l = i % 2 ? rayon * 0.45 : rayon;
        e << centre + QPointF(l * std::cos(a), l * std::sin(a));
    }
    p.setPen(QPen(QColor(200, 120, 0), 0.8));
    p.setBrush(QColor(255, 205, 40));
    p.drawPolygon(e);
}

void Nouvelle(QPainter &p) {
    Grille(p, QRectF(2.5, 5.5, 15, 15), QColor(124, 7, 28));
    Etoile(p, QPointF(17.5, 6), 6);
}

void Engrenage(QPainter &p) {
    QPainterPath roue;
    const int dents = 8;
    for (int i = 0; i < dents * 2; ++i) {
        const double a0 = i * M_PI / dents, a1 = (i + 1) * M_PI / dents, r = i % 2 ? 8.0 : 11.0;
        const QPointF p0(12 + r * std::cos(a0), 12 + r * std::sin(a0)), p1(12 + r * std::cos(a1), 12 + r * std::sin(a1));
        if (i == 0)
            roue.moveTo(p0);
        else
            roue.lineTo(p0);
        roue.lineTo(p1);
    }
    roue.closeSubpath();
    roue.addEllipse(QPointF(12, 12), 3.5, 3.5);
    QLinearGradient metal(0, 0, 24, 24);
    metal.setColorAt(0, QColor(200, 205, 215));
    metal.setColorAt(1, QColor(110, 115, 130));
    p.setPen(QPen(QColor(70, 70, 85), 1));
    p.setBrush(metal);
    p.drawPath(roue);
}

void Globe(QPainter &p, qreal phase) {
    QRadialGradient mer(9, 8, 13);
    mer.setColorAt(0, QColor(150, 205, 255));
    mer.setColorAt(1, QColor(30, 100, 190));
    p.setPen(QPen(QColor(20, 60, 130), 1.2));
    p.setBrush(mer);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    p.save();
    QPainterPath disque;
    disque.addEllipse(QPointF(12, 12), 10.5, 10.5);
    p.setClipPath(disque);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        // Meridians drift with the phase, so the globe seems to turn.
        const double t = std::fmod(phase + k / 3.0, 1.0), demi = 10.5 * std::abs(std::cos(t * M_PI));
        p.drawEllipse(QPointF(12, 12), demi, 10.5);
    }
    p.drawLine(QPointF(1, 12), QPointF(23, 12));
    p.drawLine(QPointF(3, 7), QPointF(21, 7));
    p.drawLine(QPointF(3, 17), QPointF(21, 17));
    p.restore();
}

// A light fading out from its centre.
void Halo(QPainter &p, const QPointF &centre, qreal rayon, const QColor &couleur) {
    QRadialGradient g(centre, rayon);
    g.setColorAt(0, couleur);
    g.setColorAt(1, QColor(couleur.red(), couleur.green(), couleur.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rayon, rayon);
}

// The game's logo: a block of nine cells lit from its corner, three given digits and a glowing
// one. Drawn on a 100-unit square.
void Logo(QPainter &p) {
    p.scale(0.24, 0.24);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient ciel(0, 0, 100, 100);
    ciel.setColorAt(0, QColor(182, 209, 233));
    ciel.setColorAt(1, QColor(70, 120, 190));
    p.setPen(QPen(QColor(40, 70, 130), 2));
    p.setBrush(ciel);
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 16, 16);

    Halo(p, QPointF(30, 30), 40, QColor(255, 250, 200, 230));

    const QRectF grille(17, 17, 66, 66);
    p.setBrush(QColor(255, 255, 255, 235));
    p.setPen(Qt::NoPen);
    p.drawRect(grille);
    p.setPen(QPen(QColor(0, 0, 192), 1.2));
    for (int i = 1; i <= 2; ++i) {
        p.drawLine(QPointF(17 + 22 * i, 17), QPointF(17 + 22 * i, 83));
        p.drawLine(QPointF(17, 17 + 22 * i), QPointF(83, 17 + 22 * i));
    }
    p.setPen(QPen(QColor(124, 7, 28), 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grille);

    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    auto chiffre = [&](int c, int r, const char *d, const QColor &couleur) {
        p.setPen(couleur);
        p.drawText(QRectF(17 + 22 * c, 17 + 22 * r, 22, 22), Qt::AlignCenter, QString::fromLatin1(d));
    };
    const QColor brun(128, 64, 64);
    chiffre(1, 0, "3", brun);
    chiffre(0, 1, "7", brun);
    chiffre(2, 2, "5", brun);
    // The digit being found shines.
    Halo(p, QPointF(28, 28), 12, QColor(255, 220, 60, 200));
    f.setBold(false);
    p.setFont(f);
    chiffre(0, 0, "9", QColor(0, 0, 192));
}

} // namespace

QPixmap DessinerPictogramme(Pictogramme quoi, int taille, qreal ratio, qreal phase) {
    QPixmap pm(QSize(taille, taille) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / 24.0, taille / 24.0); // every drawing is made on a 24-unit square
    switch (quoi) {
    case Pictogramme::Solution: Lampe(p); break;
    case Pictogramme::Verifier: Coche(p); break;
    case Pictogramme::Indice: Loupe(p); break;
    case Pictogramme::Imprimer: Imprimante(p); break;
    case Pictogramme::ImprGrilles: Pile(p); break;
    case Pictogramme::Nouvelle: Nouvelle(p); break;
    case Pictogramme::Preferences: Engrenage(p); break;
    case Pictogramme::SiteWeb: Globe(p, phase); break;
    case Pictogramme::Logo: Logo(p); break;
    }
    return pm;
}

} // namespace lumio
