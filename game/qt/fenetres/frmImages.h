// The image store of the digit palette: 0 exhausted, 1..9 normal digits, 10..18 highlighted.
#pragma once

#include <QPixmap>

namespace lumio {

class frmImages {
  public:
    static constexpr int Taille = 34; // logical pixels of a palette picture

    // Picture k (0..18) drawn for a device pixel ratio, so it stays crisp on any screen.
    static QPixmap imgChiffre(int k, qreal ratio = 1.0);
};

} // namespace lumio
