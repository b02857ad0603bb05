// The light desktop colours the game's windows were designed on, whatever the desktop's scheme.
#pragma once

#include <QPalette>

namespace lumio {

// Every role of every colour group, as a light desktop gives them: white fields, black text,
// light grey buttons and window grounds.
QPalette PaletteClaire();
// Makes it the palette of the whole program, message and file boxes included, so that a dark
// desktop scheme turns neither the board nor a caption dark.
void InstallerPaletteClaire();

} // namespace lumio
