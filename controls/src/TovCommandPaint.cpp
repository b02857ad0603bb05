// TovCommand painting: window shape, the two looks in every state, caption and picture placement.
#include "tovxp/Module_API.h"
#include "tovxp/TovCommand.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace tovxp {

namespace {

// The first device column (or row) of logical pixel `x` at `ratio`. Rounding up makes the blocks
// of consecutive pixels tile the device image without gap or overlap, even at 1.25 or 1.5; the
// small allowance keeps products such as 4 * 1.25 from rounding up past their exact value.
int deviceEdge(int x, qreal ratio) {
    return int(std::ceil(x * ratio - 1e-9));
}

// The logical pixel a device column (or row) belongs to: the inverse of deviceEdge().
int logicalOf(int d, qreal ratio) {
    return int(std::floor((d + 1e-9) / ratio));
}

// How the logical pixels along one side of the face fall on device pixels. Near both ends, where
// the face draws its one-pixel edges, every logical pixel takes the same whole number of device
// pixels, so that a border is as wide at the bottom as at the top; the middle shares out what is
// left. At a whole ratio every logical pixel simply takes `ratio` device pixels.
class Axis {
  public:
    Axis(int logical, int device, qreal ratio) : m_logical(logical), m_device(device) {
        m_each = std::max(1, int(std::floor(ratio + 1e-9)));
        m_zone = std::min(kEdgeZone, logical / 2);
        // Too small to keep whole edges and still give each middle pixel its own device pixel.
        if (device - 2 * m_zone * m_each < logical - 2 * m_zone) m_zone = 0;
    }
    // The first device pixel of logical pixel x; x = logical gives the device length.
    int first(int x) const {
        if (x <= m_zone) return x * m_each;
        if (x >= m_logical - m_zone) return m_device - (m_logical - x) * m_each;
        const int middle = m_logical - 2 * m_zone, shared = m_device - 2 * m_zone * m_each;
        return m_zone * m_each + int(std::floor(double(x - m_zone) * shared / middle + 0.5));
    }
    int logical() const { return m_logical; }

  private:
    // The edges of both looks lie within the five outer pixels (the dotted focus rectangle on the
    // fifth).
    static constexpr int kEdgeZone = 5;
    int m_logical, m_device, m_each = 1, m_zone = 0;
};

// Pixel operations in logical coordinates with the drawing rules the faces are designed for: a
// line leaves out its end point, a box covers both corners. A logical pixel fills its whole block
// of device pixels. Everything is clipped to the logical size.
class Canvas {
  public:
    Canvas(QImage &image, const Axis &across, const Axis &down) : m_image(image), m_x(across), m_y(down) {}

    void pixel(int x, int y, Color c) {
        const QRgb rgb = toRgb(c);
        forBlock(x, y, [this, rgb](int dx, int dy) { m_image.setPixel(dx, dy, rgb); });
    }
    void line(int x1, int y1, int x2, int y2, Color c) {
        if (y1 == y2) {
            for (int x = x1; x < x2; ++x)
                pixel(x, y1, c);
        } else if (x1 == x2) {
            for (int y = y1; y < y2; ++y)
                pixel(x1, y, c);
        }
    }
    void box(int x1, int y1, int x2, int y2, Color c) {
        for (int x = x1; x <= x2; ++x) {
            pixel(x, y1, c);
            pixel(x, y2, c);
        }
        for (int y = y1; y <= y2; ++y) {
            pixel(x1, y, c);
            pixel(x2, y, c);
        }
    }
    void fill(int x1, int y1, int x2, int y2, Color c) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                pixel(x, y, c);
    }
    // The dotted focus rectangle inverts every other logical pixel of its border.
    void focusRect(int x1, int y1, int x2, int y2) {
        auto invert = [this](int x, int y) {
            if ((x + y) % 2 != 0) return;
            forBlock(x, y, [this](int dx, int dy) {
                m_image.setPixel(dx, dy, m_image.pixel(dx, dy) ^ 0x00FFFFFFu);
            });
        };
        if (x2 < x1 || y2 < y1) return;
        for (int x = x1; x <= x2; ++x) {
            invert(x, y1);
            if (y2 != y1) invert(x, y2);
        }
        for (int y = y1 + 1; y < y2; ++y) {
            invert(x1, y);
            if (x2 != x1) invert(x2, y);
        }
    }

    static QRgb toRgb(Color c) {
        const ColorParts p = SplitColor(c);
        return qRgb(p.red, p.green, p.blue);
    }

  private:
    template <typename F> void forBlock(int x, int y, F &&f) {
        if (x < 0 || y < 0 || x >= m_x.logical() || y >= m_y.logical()) return;
        const int x2 = std::min(m_x.first(x + 1), m_image.width());
        const int y2 = std::min(m_y.first(y + 1), m_image.height());
        for (int dy = m_y.first(y); dy < y2; ++dy)
            for (int dx = m_x.first(x); dx < x2; ++dx)
                f(dx, dy);
    }

    QImage &m_image;
    Axis m_x, m_y;
};

bool wholeRatio(qreal ratio) {
    return std::abs(ratio - std::round(ratio)) < 1e-9;
}

// The four rectangles of the "Windows Xp" shape, in logical pixels, right and bottom edges
// exclusive.
std::array<QRect, 4> shapeRects(int W, int H) {
    return {QRect(0, 4, W, H - 8), QRect(1, 2, W - 2, H - 4), QRect(2, 1, W - 4, H - 2),
            QRect(4, 0, W - 8, H)};
}

// The same rectangles on the device pixels the face gives each logical pixel.
QRegion deviceShape(int W, int H, const Axis &across, const Axis &down) {
    QRegion r;
    for (const QRect &q : shapeRects(W, H))
        if (q.width() > 0 && q.height() > 0)
            r += QRect(QPoint(across.first(q.left()), down.first(q.top())),
                       QPoint(across.first(q.left() + q.width()) - 1, down.first(q.top() + q.height()) - 1));
    return r;
}

Color add(Color c, double amount) {
    return AdjustColor(c, amount, AdjustAdd);
}

// Rounds halves to even, as every computed position does.
int roundPos(double v) {
    return int(std::nearbyint(v));
}

// Mixes a source channel over a destination one at a constant opacity of 100 out of 255.
int fade(int source, int destination) {
    return (source * 100 + destination * 155 + 127) / 255;
}

QRgb fadePixel(QRgb s, QRgb d) {
    return qRgb(fade(qRed(s), qRed(d)), fade(qGreen(s), qGreen(d)), fade(qBlue(s), qBlue(d)));
}

const Color kOutline = 0x00733C00; // RGB(0, 60, 115)

struct EdgeColors {
    Color ring, bottom, top, second, sides;
};

// The hover and focus edge sets share their shapes; only the colours differ.
void drawEdgeSet(Canvas &cv, int W, int H, const EdgeColors &e) {
    cv.box(1, 2, W - 2, H - 3, e.ring);
    cv.line(2, H - 2, W - 2, H - 2, e.bottom);
    cv.line(2, 1, W - 2, 1, e.top);
    cv.line(1, 2, W - 1, 2, e.second);
    cv.line(2, 3, 2, H - 3, e.sides);
    cv.line(W - 3, 3, W - 3, H - 3, e.sides);
}

// Reads a bitmap at the device resolution over the device rectangle `target` of a picture whose
// logical top-left corner is `at`. A bitmap of ratio 1 is read through the same blocks as the
// face, so its see-through colour and fading follow the logical pixels exactly; a finer bitmap
// gives each device pixel the source pixel under its centre.
QImage bitmapAtDevice(const QImage &src, const QPoint &at, const QRect &target, qreal ratio) {
    const qreal own = src.devicePixelRatio();
    const bool plain = std::abs(own - 1.0) < 1e-9;
    if (plain && std::abs(ratio - 1.0) < 1e-9) {
        QImage copy = src;
        copy.setDevicePixelRatio(1.0);
        return copy;
    }
    auto sourceIndex = [&](int d, int origin, int limit) {
        const int i =
            plain ? logicalOf(d, ratio) - origin : int(std::floor(((d + 0.5) / ratio - origin) * own));
        return std::clamp(i, 0, limit - 1);
    };
    QImage out(target.size(), QImage::Format_ARGB32);
    for (int y = 0; y < target.height(); ++y) {
        const int sy = sourceIndex(target.top() + y, at.y(), src.height());
        for (int x = 0; x < target.width(); ++x)
            out.setPixel(x, y, src.pixel(sourceIndex(target.left() + x, at.x(), src.width()), sy));
    }
    return out;
}

} // namespace

QSize TovCommand::pictureSize() const {
    if (!m_icon.isNull()) return m_icon.availableSizes().value(0, QSize(32, 32));
    if (!m_bitmap.isNull()) return m_bitmap.deviceIndependentSize().toSize();
    return {};
}

QRegion TovCommand::shapeFor(const QSize &size) const {
    const int W = size.width(), H = size.height();
    if (m_buttonType != WindowsXp) return QRegion(0, 0, W, H);
    QRegion r;
    for (const QRect &q : shapeRects(W, H))
        r += q;
    return r;
}

QRegion TovCommand::visibleRegion(const QImage &image) const {
    const qreal ratio = image.devicePixelRatio();
    return regionOf(image, QSize(logicalOf(image.width(), ratio), logicalOf(image.height(), ratio)));
}

QRegion TovCommand::regionOf(const QImage &image, const QSize &logical) const {
    const bool seeThrough = m_buttonType == OfficeXp && m_backStyle == Transparent &&
                            !(isEnabled() && (m_value || m_mouseIsOver));
    const qreal ratio = image.devicePixelRatio();
    if (!seeThrough && m_buttonType == WindowsXp && !image.isNull() && !wholeRatio(ratio)) {
        // The face's edges take whole device pixels, where the window system scales a logical
        // shape by the ratio itself, from where the control's logical corner falls (maybe between
        // two device pixels): the corners it would cut are not those of the face. The shape then
        // reaches one logical pixel past every pixel of the face's own shape, and the face makes
        // what lies outside that see-through (renderFace).
        const int W = logical.width(), H = logical.height();
        const QRegion device =
            deviceShape(W, H, Axis(W, image.width(), ratio), Axis(H, image.height(), ratio));
        QRegion r;
        for (const QRect &q : device)
            r += QRect(QPoint(std::max(0, logicalOf(q.left(), ratio) - 1),
                              std::max(0, logicalOf(q.top(), ratio) - 1)),
                       QPoint(std::min(W - 1, logicalOf(q.right(), ratio) + 1),
                              std::min(H - 1, logicalOf(q.bottom(), ratio) + 1)));
        return r;
    }
    if (!seeThrough || image.isNull()) return shapeFor(logical);
    const QRgb back = Canvas::toRgb(m_backColor);
    QImage coarse = image;
    if (std::abs(ratio - 1.0) > 1e-9) {
        // One pixel per logical pixel: the face colour only where its whole block has it.
        coarse = QImage(logical, QImage::Format_RGB32);
        coarse.fill(back);
        for (int dy = 0; dy < std::min(deviceEdge(logical.height(), ratio), image.height()); ++dy)
            for (int dx = 0; dx < std::min(deviceEdge(logical.width(), ratio), image.width()); ++dx) {
                const QRgb p = image.pixel(dx, dy);
                if ((p & 0xFFFFFF) != (back & 0xFFFFFF))
                    coarse.setPixel(logicalOf(dx, ratio), logicalOf(dy, ratio), p);
            }
    }
    const QImage mask = coarse.createMaskFromColor(back, Qt::MaskInColor);
    // Turned into a region, this mask keeps exactly the pixels that differ from the face colour.
    return QRegion(QBitmap::fromImage(mask));
}

QRect TovCommand::captionRect(const QSize &size) const {
    if (m_caption.isEmpty()) return {};
    const int W = size.width(), H = size.height();
    const QSize ts = QFontMetrics(font()).size(Qt::TextShowMnemonic, m_caption);
    const double tw = ts.width(), th = ts.height();
    const bool hasPicture = !pictureSize().isEmpty();
    const double pw = pictureSize().width();
    double x;
    if (!hasPicture)
        x = m_centerText ? (W - 4 - tw) / 2 + 2 : 10;
    else if (!m_centerText)
        x = pw + 20;
    else if (m_centerPicture)
        x = (W - 4 - tw - pw - 10) / 2 + pw + 12;
    else
        x = MaxValue((W - 4 - tw) / 2 + 2, pw + 20);
    const double y = (H - 4 - th) / 2 + 2;
    const int shift = m_value && isEnabled() ? 1 : 0;
    return QRect(roundPos(x) + shift, roundPos(y) + shift, ts.width(), ts.height());
}

QPoint TovCommand::picturePosition(const QSize &size) const {
    const QSize ps = pictureSize();
    if (ps.isEmpty()) return {};
    const int W = size.width(), H = size.height();
    double textPart = 0;
    if (!m_caption.isEmpty())
        textPart = QFontMetrics(font()).size(Qt::TextShowMnemonic, m_caption).width() + 10;
    const double x = m_centerPicture ? ((W - 4 - ps.width()) - textPart) / 2 + 2 : 10;
    const double y = (H - 4 - ps.height()) / 2.0 + 2;
    // A checked picture stays pushed in even on a disabled control.
    const int shift = m_value ? 1 : 0;
    return QPoint(roundPos(x) + shift, roundPos(y) + shift);
}

QImage TovCommand::renderImage(const QSize &size) const {
    return renderImage(size, 1.0);
}

QImage TovCommand::renderImage(const QSize &size, qreal ratio) const {
    if (!(ratio > 0) || !std::isfinite(ratio)) ratio = 1.0;
    return renderFace(size, QSize(deviceEdge(size.width(), ratio), deviceEdge(size.height(), ratio)), ratio);
}

QImage TovCommand::renderFace(const QSize &size, const QSize &device, qreal ratio) const {
    const int W = size.width(), H = size.height();
    if (W <= 0 || H <= 0 || device.isEmpty()) return {};
    if (!(ratio > 0) || !std::isfinite(ratio)) ratio = 1.0;
    // The image stays at ratio 1 while pixels are set by device coordinates; painters that work
    // in logical coordinates (caption, icon) get it at the real ratio for the time they draw.
    QImage img(device, QImage::Format_RGB32);
    img.fill(hostBackground());
    Canvas cv(img, Axis(W, device.width(), ratio), Axis(H, device.height(), ratio));
    auto drawCaptionText = [&](Color color) {
        img.setDevicePixelRatio(ratio);
        QPainter p(&img);
        p.setFont(font());
        p.setPen(ToQColor(color));
        p.drawText(captionRect(size), Qt::AlignHCenter | Qt::TextShowMnemonic, m_caption);
        p.end();
        img.setDevicePixelRatio(1.0);
    };

    const bool enabled = isEnabled();
    const bool pressed = enabled && m_value;
    Color captionColor = m_foreColor;
    bool drawCaption = true;

    if (m_buttonType == WindowsXp) {
        const Color face = add(m_backColor, 48);
        const Color pressedFace = add(face, -32);
        if (!enabled) {
            cv.fill(0, 0, W - 1, H - 1, add(face, -24));
            cv.box(0, 0, W - 1, H - 1, add(face, -84));
            const Color dots = add(face, -72);
            cv.pixel(1, 1, dots);
            cv.pixel(1, H - 2, dots);
            cv.pixel(W - 2, 1, dots);
            cv.pixel(W - 2, H - 2, dots);
            captionColor = add(face, -104);
        } else if (pressed) {
            for (int y = 1; y <= H; ++y)
                cv.line(0, H - y, W, H - y, add(pressedFace, -(25.0 / H) * y));
            const Color host = FromQColor(hostBackground());
            cv.pixel(0, 0, host);
            cv.pixel(0, H - 1, host);
            cv.pixel(W - 1, 0, host);
            cv.pixel(W - 1, H - 1, host);
            cv.line(2, H - 2, W - 2, H - 2, add(pressedFace, 16));
            cv.line(1, H - 3, W - 2, H - 3, add(pressedFace, 10));
            cv.line(W - 2, 2, W - 2, H - 2, add(pressedFace, 5));
            cv.line(W - 3, 3, W - 3, H - 3, face);
            cv.line(2, 1, W - 2, 1, add(pressedFace, -32));
            cv.line(1, 2, W - 2, 2, add(pressedFace, -24));
            cv.line(1, 2, 1, H - 2, add(pressedFace, -32));
            cv.line(2, 2, 2, H - 2, add(pressedFace, -22));
        } else {
            for (int y = 1; y <= H; ++y)
                cv.line(0, y, W, y, add(face, -(25.0 / H) * y));
            if (m_mouseIsOver) {
                drawEdgeSet(cv, W, H,
                            {RgbColor(255, 178, 49), RgbColor(231, 150, 0), RgbColor(255, 243, 206),
                             RgbColor(255, 219, 140), RgbColor(255, 203, 107)});
            } else if ((m_hasFocus || m_default) && m_mustDrawFocus) {
                drawEdgeSet(cv, W, H,
                            {RgbColor(140, 174, 231), RgbColor(107, 130, 239), RgbColor(206, 231, 255),
                             RgbColor(189, 215, 247), RgbColor(181, 209, 240)});
            } else {
                cv.line(2, H - 2, W - 2, H - 2, add(face, -48));
                cv.line(1, H - 3, W - 2, H - 3, add(face, -32));
                cv.line(W - 2, 2, W - 2, H - 2, add(face, -36));
                cv.line(W - 3, 3, W - 3, H - 3, add(face, -24));
                cv.line(1, 1, W - 2, 1, add(face, 16));
                cv.line(1, 2, W - 2, 2, add(face, 10));
                cv.line(1, 2, 1, H - 2, add(face, -5));
                cv.line(2, 3, 2, H - 3, add(face, -10));
            }
        }
    } else if (m_buttonType == OfficeXp) {
        const Color over = m_officeOverColor;
        bool focus = false;
        if (!enabled) {
            cv.fill(0, 0, W - 1, H - 1, m_backColor);
            captionColor = add(m_backColor, -104);
        } else if (pressed) {
            cv.fill(0, 0, W - 1, H - 1, AdjustColor(over, 128, AdjustTowardWhite));
            cv.box(0, 0, W - 1, H - 1, over);
            focus = true;
        } else if (m_mouseIsOver) {
            cv.fill(0, 0, W - 1, H - 1, AdjustColor(over, 176, AdjustTowardWhite));
            cv.box(0, 0, W - 1, H - 1, over);
            focus = true;
        } else {
            cv.fill(0, 0, W - 1, H - 1, m_backColor);
            focus = true;
        }
        focus = focus && m_hasFocus && m_mustDrawFocus;
        if (drawCaption && !m_caption.isEmpty()) drawCaptionText(captionColor);
        drawCaption = false;
        if (focus) cv.focusRect(4, 4, W - 5, H - 5);
    } else {
        drawCaption = false;
    }

    if (drawCaption && !m_caption.isEmpty()) drawCaptionText(captionColor);
    if (m_buttonType == WindowsXp) {
        cv.box(0, 0, W - 1, H - 1, kOutline);
        const int pts[16][2] = {{2, 1},     {2, H - 2},     {3, 1},     {3, H - 2},
                                {1, 2},     {1, H - 3},     {1, 3},     {1, H - 4},
                                {W - 4, 1}, {W - 4, H - 2}, {W - 3, 1}, {W - 3, H - 2},
                                {W - 2, 2}, {W - 2, H - 3}, {W - 2, 3}, {W - 2, H - 4}};
        for (const auto &pt : pts)
            cv.pixel(pt[0], pt[1], kOutline);
    }

    // The picture always lies on top of faces, edges and caption.
    const QPoint at = picturePosition(size);
    if (!m_icon.isNull()) {
        img.setDevicePixelRatio(ratio);
        QPainter p(&img);
        p.drawPixmap(at, m_icon.pixmap(pictureSize(), ratio));
        p.end();
    } else if (!m_bitmap.isNull()) {
        const QSize ps = pictureSize();
        const QRect target(
            QPoint(deviceEdge(at.x(), ratio), deviceEdge(at.y(), ratio)),
            QPoint(deviceEdge(at.x() + ps.width(), ratio) - 1, deviceEdge(at.y() + ps.height(), ratio) - 1));
        const QImage src =
            bitmapAtDevice(m_bitmap.toImage().convertToFormat(QImage::Format_ARGB32), at, target, ratio);
        const int pw = src.width(), ph = src.height();
        const QPoint to = target.topLeft();
        if (m_useMask && enabled) {
            TransparentBlit(img, to.x(), to.y(), pw, ph, src, 0, 0, m_maskColor);
        } else if (m_useMask) {
            const QRgb back = Canvas::toRgb(m_backColor);
            const QRgb key = Canvas::toRgb(m_maskColor);
            QImage faded(src.size(), QImage::Format_RGB32);
            std::optional<QPoint> keyAt;
            for (int x = 0; x < pw; ++x) {
                for (int y = 0; y < ph; ++y) {
                    const QRgb s = src.pixel(x, y);
                    faded.setPixel(x, y, fadePixel(s, back));
                    if (!keyAt && (s & 0xFFFFFF) == (key & 0xFFFFFF)) keyAt = QPoint(x, y);
                }
            }
            if (keyAt) {
                const QRgb k = faded.pixel(*keyAt);
                TransparentBlit(img, to.x(), to.y(), pw, ph, faded, 0, 0,
                                RgbColor(qRed(k), qGreen(k), qBlue(k)));
            } else {
                QPainter p(&img);
                p.drawImage(to, faded);
            }
        } else if (enabled) {
            QPainter p(&img);
            p.drawImage(to, src);
        } else {
            for (int y = 0; y < ph; ++y) {
                for (int x = 0; x < pw; ++x) {
                    const int tx = to.x() + x, ty = to.y() + y;
                    if (tx >= 0 && ty >= 0 && tx < img.width() && ty < img.height())
                        img.setPixel(tx, ty, fadePixel(src.pixel(x, y), img.pixel(tx, ty)));
                }
            }
        }
    }
    if (m_buttonType == WindowsXp && !wholeRatio(ratio)) {
        // At a fractional ratio the window shape is wider than the face's (regionOf): the host
        // shows through the face's own cut corners instead.
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const Axis across(W, device.width(), ratio), down(H, device.height(), ratio);
        const QRegion keep = deviceShape(W, H, across, down);
        // Only the four outer rows of each end hold cut corners.
        const int top = std::min(down.first(std::min(4, H)), img.height());
        const int bottom = std::max(down.first(std::max(0, H - 4)), top);
        for (int y = 0; y < img.height(); ++y) {
            if (y == top) y = bottom;
            if (y >= img.height()) break;
            for (int x = 0; x < img.width(); ++x)
                if (!keep.contains(QPoint(x, y))) img.setPixel(x, y, 0);
        }
    }
    img.setDevicePixelRatio(ratio);
    return img;
}

} // namespace tovxp
