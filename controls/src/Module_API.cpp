// Colour arithmetic and the masked copy every TovXp drawing relies on.
#include "tovxp/Module_API.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace tovxp {

Color RgbColor(int red, int green, int blue) {
    return Color(red & 0xFF) | Color(green & 0xFF) << 8 | Color(blue & 0xFF) << 16;
}

QPalette::ColorRole SystemColorRole(int number) {
    switch (number) {
    case 1:  // desktop
    case 4:  // menu
    case 12: // application workspace
        return QPalette::Window;
    case 5:
        return QPalette::Base;
    case 7: // menu text
    case 8: // window text
        return QPalette::Text;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 26: // hot-tracked item
        return QPalette::Link;
    default:
        return QPalette::WindowText;
    }
}

Color ResolveColor(Color color) {
    if (!(color & 0x80000000u)) return color;
    const QColor c =
        QGuiApplication::palette().color(QPalette::Active, SystemColorRole(int(color & 0x7FFFFFFFu)));
    return RgbColor(c.red(), c.green(), c.blue());
}

ColorParts SplitColor(Color color) {
    const Color c = ResolveColor(color);
    return {int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)};
}

namespace {

int adjustChannel(int c, double amount, AdjustModes mode) {
    double v = c;
    switch (mode) {
    case AdjustAdd:
        v = c + amount;
        break;
    case AdjustTowardWhite:
        v = c * (255.0 - amount) / 255.0 + amount;
        break;
    case AdjustScale:
        v = c * amount;
        break;
    }
    // Default floating-point rounding sends halves to the even neighbour.
    long r = std::lrint(v);
    if (amount > 0)
        r = std::min(r, 255L);
    else if (amount < 0)
        r = std::max(r, 0L);
    // A channel must still fit its byte whatever the mode did.
    return int(std::clamp(r, 0L, 255L));
}

} // namespace

Color AdjustColor(Color color, double amount, AdjustModes mode) {
    const ColorParts p = SplitColor(color);
    return RgbColor(adjustChannel(p.red, amount, mode), adjustChannel(p.green, amount, mode),
                    adjustChannel(p.blue, amount, mode));
}

double MaxValue(double a, double b) {
    return a > b ? a : b;
}

void TransparentBlit(QImage &destination, int x, int y, int w, int h, const QImage &source, int sx, int sy,
                     Color transparent) {
    const ColorParts t = SplitColor(transparent);
    const QRgb key = qRgb(t.red, t.green, t.blue);
    for (int dy = 0; dy < h; ++dy) {
        const int ty = y + dy, fy = sy + dy;
        if (ty < 0 || ty >= destination.height() || fy < 0 || fy >= source.height()) continue;
        for (int dx = 0; dx < w; ++dx) {
            const int tx = x + dx, fx = sx + dx;
            if (tx < 0 || tx >= destination.width() || fx < 0 || fx >= source.width()) continue;
            const QRgb p = source.pixel(fx, fy);
            if (qAlpha(p) == 0 || (p & 0xFFFFFF) == (key & 0xFFFFFF)) continue;
            destination.setPixel(tx, ty, p | 0xFF000000u);
        }
    }
}

QColor ToQColor(Color color) {
    const ColorParts p = SplitColor(color);
    return QColor(p.red, p.green, p.blue);
}

Color FromQColor(const QColor &color) {
    return RgbColor(color.red(), color.green(), color.blue());
}

} // namespace tovxp
