// How the game's windows reach an X11 screen: what it asks of Qt's platform plugin at start.
#pragma once

namespace lumio {

// Qt's X11 plugin shares each window's pixels with the server (MIT-SHM) and then, before it
// paints again a spot the server may still be reading, waits for the server: two threads woken
// for a round trip at every frame of the turning globe. The game's windows are small and seldom
// repainted whole, so plain copies cost less. Call just before the QApplication is made, and
// `FinirPreparationAffichage` just after: the variable is the plugin's only switch, and the
// programs the game starts (the browser, the mail client) must not inherit it. A user's own
// setting, either way, is left as it is.
void PreparerAffichage();
void FinirPreparationAffichage();

} // namespace lumio
