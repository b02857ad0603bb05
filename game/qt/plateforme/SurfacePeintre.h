// The game's drawing calls on any Qt paint device, in millimetres or in pixels.
#pragma once

#include "interfaces/Surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <map>
#include <tuple>

class QPaintDevice;

namespace lumio {

// Positions are in the surface's unit, `parUnite` device units each (dots per millimetre for a
// page, 1 for pixels); pens count device units. Fonts are sized in points of the device. A
// surface that must do something before its first drawing (a printer starting its job) says so
// in Pret().
class SurfacePeintre : public Surface {
  public:
    SurfacePeintre() = default;
    SurfacePeintre(const SurfacePeintre &) = delete;
    SurfacePeintre &operator=(const SurfacePeintre &) = delete;

    // Draws on `appareil` from now on; false when the device cannot be painted.
    bool Commencer(QPaintDevice &appareil);
    // Ends the drawing; false when the device reports a failure.
    bool Terminer();
    // Measures on `appareil` with `parUnite` device units a unit; a change drops the measures.
    void Mesurer(QPaintDevice &appareil, double parUnite);

    void Remplir(double x1, double y1, double x2, double y2, Couleur c) override;
    void Encadrer(double x1, double y1, double x2, double y2, double plume, Couleur c) override;
    void Ligne(double x1, double y1, double x2, double y2, double plume, Couleur c) override;
    double LargeurTexte(const std::string &texte, const Police &police) override;
    double HauteurTexte(const std::string &texte, const Police &police) override;
    void Ecrire(double x, double y, const std::string &texte, const Police &police, Couleur c) override;
    void Decouper(double x1, double y1, double x2, double y2) override;
    void SansDecoupe() override;

  protected:
    // Whether the next drawing may go ahead; by default, while the painter is active.
    virtual bool Pret() { return peintre_.isActive(); }
    QPainter &Peintre() { return peintre_; }

  private:
    double D(double x) const { return x * parUnite_; }
    QRectF Boite(double x1, double y1, double x2, double y2) const;
    QFont PoliceQt(const Police &police) const;
    const QFontMetricsF &Mesures(const Police &police);

    QPainter peintre_;
    QPaintDevice *appareil_ = nullptr;
    double parUnite_ = 1;
    std::map<std::tuple<std::string, double, bool>, QFontMetricsF> mesures_;
};

} // namespace lumio
