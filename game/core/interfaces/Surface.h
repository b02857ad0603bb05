// The drawing primitives that the board and a printed page need.
#pragma once

#include "Couleur.h"

#include <string>

namespace lumio {

struct Police {
    std::string nom;
    double taille = 10; // points
    bool gras = false;
};

// Coordinates are the surface's own unit (pixels of the client area on screen, millimetres on
// paper). A box between two corners covers both corners; a line from one point to another stops
// just before the second point. Pens are centred on the line: a pen of width w at x covers
// x - w/2 (integer division) to that plus w - 1. Pen widths count pixels: the screen's own, and
// on paper those of a 600 dpi page whatever the printer's resolution, so that a printed line is
// as wide as in the game's PDF. A font without a name is the device's default face.
class Surface {
  public:
    virtual ~Surface() = default;

    virtual void Remplir(double x1, double y1, double x2, double y2, Couleur c) = 0;
    virtual void Encadrer(double x1, double y1, double x2, double y2, double plume, Couleur c) = 0;
    virtual void Ligne(double x1, double y1, double x2, double y2, double plume, Couleur c) = 0;
    virtual double LargeurTexte(const std::string &texte, const Police &police) = 0;
    virtual double HauteurTexte(const std::string &texte, const Police &police) = 0;
    // Writes text whose top-left corner is (x, y).
    virtual void Ecrire(double x, double y, const std::string &texte, const Police &police, Couleur c) = 0;

    // Restricts the next operations to a box (both corners included) until SansDecoupe.
    virtual void Decouper(double x1, double y1, double x2, double y2) = 0;
    virtual void SansDecoupe() = 0;

    // Pages, for a surface that has them (a printer); the screen has none and ignores them.
    // MettreEnPage starts a job on A4 portrait paper, origin at the top-left corner of the
    // printable area, and gives that area's size.
    virtual void MettreEnPage(double &largeur, double &hauteur) {
        largeur = 210;
        hauteur = 297;
    }
    // Both say false once the job has failed; the caller then abandons it.
    virtual bool NouvellePage() { return true; }
    virtual bool FinImpression() { return true; }
    // Drops a failed job, so that nothing half-printed comes out.
    virtual void AbandonnerImpression() {}
};

} // namespace lumio
