// Colour arithmetic and the masked copy every TovXp drawing relies on.
#pragma once

#include "tovxp/TovTypes.h"
#include "tovxp/tovxp_global.h"

#include <QColor>
#include <QImage>
#include <QPalette>

namespace tovxp {

/// The three ways AdjustColor() changes a channel c by an amount a.
enum AdjustModes {
    AdjustAdd = 0,         ///< c + a
    AdjustTowardWhite = 1, ///< c * (255 - a) / 255 + a
    AdjustScale = 2,       ///< c * a
};

/// The red, green and blue bytes of a colour value.
struct ColorParts {
    int red = 0;
    int green = 0;
    int blue = 0;
};

/// Builds the colour value 0x00BBGGRR from its channels (each 0..255).
TOVXP_EXPORT Color RgbColor(int red, int green, int blue);

/// The palette role standing for a system colour number, e.g. 15 (button face) is QPalette::Button,
/// 18 (button text) ButtonText, 13 Highlight, 5 (window) Base, 24 ToolTipBase, 23 ToolTipText.
/// Unknown numbers give QPalette::WindowText.
TOVXP_EXPORT QPalette::ColorRole SystemColorRole(int number);

/// A system colour value (high bit set) becomes the current RGB value of that system colour
/// in the application palette; any other value is returned unchanged.
TOVXP_EXPORT Color ResolveColor(Color color);

/// The channels of a colour value after ResolveColor(); red is the lowest byte.
TOVXP_EXPORT ColorParts SplitColor(Color color);

/// Changes each channel by `amount` in the given mode, rounds to the nearest integer (halves to
/// even), caps at 255 when the amount is positive and floors at 0 when it is negative.
/// Returns red + 256 * green + 65536 * blue.
TOVXP_EXPORT Color AdjustColor(Color color, double amount, AdjustModes mode = AdjustAdd);

/// The larger of two numbers.
TOVXP_EXPORT double MaxValue(double a, double b);

/// Copies the w x h rectangle of `source` at (sx, sy) onto `destination` at (x, y), leaving the
/// destination untouched wherever the source pixel has the colour `transparent` (or is fully
/// see-through). Parts falling outside either image are skipped.
TOVXP_EXPORT void TransparentBlit(QImage &destination, int x, int y, int w, int h, const QImage &source,
                                  int sx, int sy, Color transparent);

/// The colour value as a QColor (resolving system colours), and back.
TOVXP_EXPORT QColor ToQColor(Color color);
TOVXP_EXPORT Color FromQColor(const QColor &color);

} // namespace tovxp
