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

// The globe turns by frames. Its three meridians are a third of a turn apart, so after a third
// of a turn it looks as it started: that many frames make the whole cycle, one every
// `IntervalleGlobe` ms. A third of a turn takes two seconds; five frames a second are enough for
// so slow a turn, and each frame costs the game a wake-up (a multiple of 50 ms, which Qt's coarse
// timers keep as it is).
constexpr int ImagesGlobe = 10;
constexpr int IntervalleGlobe = 200;
inline qreal PhaseGlobe(int image) { return image / (3.0 * ImagesGlobe); }

} // namespace lumio
