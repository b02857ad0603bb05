// The colour themes of the main window, in the order the settings number them.
#pragma once

#include "Couleur.h"

#include <array>

namespace lumio {

inline constexpr std::array<Theme, 6> TableThemes = {{
    {"Jaune", RGB(255, 255, 192), RGB(248, 233, 165), RGB(0, 0, 192), RGB(255, 192, 128), RGB(0, 0, 192)},
    {"Saumon", RGB(255, 224, 192), RGB(255, 255, 255), RGB(128, 0, 0), RGB(255, 224, 192), RGB(128, 0, 0)},
    {"Vert", RGB(221, 234, 187), RGB(255, 255, 255), RGB(0, 0, 192), RGB(255, 255, 255), RGB(0, 0, 192)},
    {"Gris", RGB(224, 224, 224), RGB(255, 255, 255), RGB(128, 64, 0), RGB(255, 192, 128), RGB(128, 0, 0)},
    {"Brun", RGB(233, 210, 165), RGB(255, 255, 255), RGB(64, 0, 0), RGB(255, 255, 255), RGB(128, 64, 64)},
    {"Bleu ciel", RGB(182, 209, 233), RGB(248, 233, 165), RGB(124, 7, 28), RGB(255, 255, 255),
     RGB(128, 64, 64)},
}};

inline constexpr int NombreThemes = int(TableThemes.size());

} // namespace lumio
