// What the game's own widgets are for assistive technology: the board, the palette, the
// pictures that act as buttons and the links.
#pragma once

class QObject;

namespace lumio {

// Makes the game's interfaces known to Qt's accessibility; once is enough, more does no harm.
void InstallerAccessibilite();

// A widget whose interface a listening screen reader may have been given while it was still being
// built, as the plain widget it then was, gets the one it has now.
void RenouvelerInterface(QObject *objet);

} // namespace lumio
