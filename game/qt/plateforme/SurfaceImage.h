// The board's drawing surface on the main window's persistent image.
#pragma once

#include "interfaces/Surface.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <functional>
#include <optional>

class QPainter;

namespace lumio {

// Draws in logical pixels on an image whose device pixel ratio follows the screen, so that text
// stays sharp on a high-density display while every position keeps its logical value.
class SurfaceImage : public Surface {
  public:
    explicit SurfaceImage(QImage &image) : image_(image) {}

    void Remplir(double x1, double y1, double x2, double y2, Couleur c) override;
    void Encadrer(double x1, double y1, double x2, double y2, double plume, Couleur c) override;
    void Ligne(double x1, double y1, double x2, double y2, double plume, Couleur c) override;
    double LargeurTexte(const std::string &texte, const Police &police) override;
    double HauteurTexte(const std::string &texte, const Police &police) override;
    void Ecrire(double x, double y, const std::string &texte, const Police &police, Couleur c) override;
    void Decouper(double x1, double y1, double x2, double y2) override;
    void SansDecoupe() override;

    // Called with the logical rectangle that changed, so the window can repaint it.
    std::function<void(const QRectF &)> changement;

    // The Qt font of a game font: sizes are points at 96 dots per inch.
    static QFont PoliceQt(const Police &police);

  private:
    double Ratio() const;
    // The device pixels of the logical pixels from (x1, y1) to (x2, y2), both included.
    QRect PixelsAppareil(double x1, double y1, double x2, double y2) const;
    void PeindreAppareil(const QRect &zone, Couleur c);
    void Preparer(QPainter &p) const;
    void Signaler(const QRectF &r);

    QImage &image_;
    std::optional<QRect> decoupe_; // in device pixels
};

} // namespace lumio
