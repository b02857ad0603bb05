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
// x - w/2 (integer division) to that plus w - 1.
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
};

} // namespace lumio
