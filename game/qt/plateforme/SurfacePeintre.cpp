// Drawing with a QPainter: boxes, lines, text and clipping in the surface's unit.
#include "plateforme/SurfacePeintre.h"
#include "plateforme/CouleurQt.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <algorithm>

namespace lumio {

bool SurfacePeintre::Commencer(QPaintDevice &appareil) {
    return peintre_.isActive() || peintre_.begin(&appareil);
}

bool SurfacePeintre::Terminer() {
    return !peintre_.isActive() || peintre_.end();
}

void SurfacePeintre::Mesurer(QPaintDevice &appareil, double parUnite, double parPixel) {
    appareil_ = &appareil;
    parUnite_ = parUnite;
    parPixel_ = parPixel;
    mesures_.clear();
}

double SurfacePeintre::Plume(double pixels) const {
    // Thinner than one dot, a line would not show at all on some devices.
    return std::max(1.0, pixels * parPixel_);
}

QRectF SurfacePeintre::Boite(double x1, double y1, double x2, double y2) const {
    return QRectF(QPointF(D(x1), D(y1)), QPointF(D(x2), D(y2))).normalized();
}

QFont SurfacePeintre::PoliceQt(const Police &police) const {
    // The device's default face is the application's: Qt gives a printer no face of its own.
    QFont f = police.nom.empty() ? QGuiApplication::font() : QFont(QString::fromStdString(police.nom));
    f.setPointSizeF(police.taille);
    f.setBold(police.gras);
    // Paper is not a pixel grid: outlines keep their true shape and widths.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

const QFontMetricsF &SurfacePeintre::Mesures(const Police &police) {
    // A batch measures the same few fonts thousands of times.
    const auto cle = std::make_tuple(police.nom, police.taille, police.gras);
    auto it = mesures_.find(cle);
    if (it == mesures_.end()) it = mesures_.emplace(cle, QFontMetricsF(PoliceQt(police), appareil_)).first;
    return it->second;
}

void SurfacePeintre::Remplir(double x1, double y1, double x2, double y2, Couleur c) {
    if (!Pret()) return;
    peintre_.fillRect(Boite(x1, y1, x2, y2), CouleurQt(c));
}

void SurfacePeintre::Encadrer(double x1, double y1, double x2, double y2, double plume, Couleur c) {
    if (!Pret()) return;
    peintre_.setPen(QPen(CouleurQt(c), Plume(plume), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    peintre_.setBrush(Qt::NoBrush);
    peintre_.drawRect(Boite(x1, y1, x2, y2));
}

void SurfacePeintre::Ligne(double x1, double y1, double x2, double y2, double plume, Couleur c) {
    if (!Pret()) return;
    peintre_.setPen(QPen(CouleurQt(c), Plume(plume), Qt::SolidLine, Qt::FlatCap));
    peintre_.drawLine(QPointF(D(x1), D(y1)), QPointF(D(x2), D(y2)));
}

double SurfacePeintre::LargeurTexte(const std::string &texte, const Police &police) {
    return Mesures(police).horizontalAdvance(QString::fromStdString(texte)) / parUnite_;
}

double SurfacePeintre::HauteurTexte(const std::string &, const Police &police) {
    return Mesures(police).height() / parUnite_;
}

void SurfacePeintre::Ecrire(double x, double y, const std::string &texte, const Police &police, Couleur c) {
    if (!Pret()) return;
    // Blanks leave no ink; a batch of blank cells costs nothing in the file.
    if (texte.find_first_not_of(' ') == std::string::npos) return;
    peintre_.setFont(PoliceQt(police));
    peintre_.setPen(CouleurQt(c));
    peintre_.drawText(QPointF(D(x), D(y) + Mesures(police).ascent()), QString::fromStdString(texte));
}

void SurfacePeintre::Decouper(double x1, double y1, double x2, double y2) {
    if (!Pret()) return;
    peintre_.setClipRect(Boite(x1, y1, x2, y2));
}

void SurfacePeintre::SansDecoupe() {
    if (peintre_.isActive()) peintre_.setClipping(false);
}

} // namespace lumio
