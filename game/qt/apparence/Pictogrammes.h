// The small pictures of the main window, drawn by code so they stay crisp at any scale.
#pragma once

#include <QPixmap>

namespace lumio {

enum class Pictogramme {
    Solution,     // a lit lamp
    Verifier,     // a tick
    Indice,       // a magnifying glass
    Imprimer,     // a printer
    ImprGrilles,  // a stack of grids
    Nouvelle,     // a fresh grid with a star
    Preferences,  // a gear (Image2)
    SiteWeb,      // a globe (Image1)
    Logo,         // the game's logo (the about window's Image3)
};

// A picture of `taille` logical pixels for a device pixel ratio; `phase` (0..1) turns the globe.
QPixmap DessinerPictogramme(Pictogramme p, int taille, qreal ratio, qreal phase = 0);

} // namespace lumio
