// Colours of the game: plain red, green, blue triples.
#pragma once

#include <cstdint>

namespace lumio {

struct Couleur {
    int r = 0, g = 0, b = 0;
    bool operator==(const Couleur &o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Couleur &o) const { return !(*this == o); }
    // The 32-bit 0x00BBGGRR form that the button library speaks.
    std::uint32_t Valeur() const { return std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16; }
};

constexpr Couleur RGB(int r, int g, int b) {
    return Couleur{r, g, b};
}

// One colour theme of the main window.
struct Theme {
    const char *nom;      // as the options dialog offers it
    Couleur fenetre;      // window background
    Couleur fondLibelle;  // background of Label1..Label3
    Couleur texteLibelle; // text of Label1..Label3
    Couleur faceBouton;   // face of the six command buttons
    Couleur texteBouton;  // caption of the six command buttons
};

} // namespace lumio
