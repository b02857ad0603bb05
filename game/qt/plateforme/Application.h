// What the desktop knows the game by: its application id and its icon.
#pragma once

#include <QIcon>
#include <QString>

namespace lumio {

// The reverse-domain id shared by the launcher, the icon theme and the software-centre entry.
QString IdApplication();

// The application icon at every size a window frame or a task bar may ask for.
QIcon IconeApplication();

// Gives the running application its id and its icon, so every window carries them.
void DeclarerApplication();

} // namespace lumio
