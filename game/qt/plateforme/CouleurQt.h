// The game's colours as Qt paints them.
#pragma once

#include "Couleur.h"

#include <QColor>

namespace lumio {

inline QColor CouleurQt(Couleur c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace lumio
