// How a TovCommand looks on screens of device pixel ratio above 1: the same face in finer blocks, sharper
// caption and pictures.
#include "BancBouton.h"

#include <tovxp/Module_API.h>
#include <tovxp/TovCommand.h>

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <cmath>

using namespace tovxp;
using namespace tovxptest;

namespace {

enum Picture { NoPicture, MaskedBitmap, PlainBitmap, LowIcon };

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kMagenta(255, 0, 255);

// The first device column (or row) of logical pixel x; its block ends where that of x + 1 starts.
int firstDevice(int x, qreal ratio) {
    return int(std::ceil(x * ratio - 1e-9));
}

// An 8 x 8 bitmap with a magenta corner and one blue pixel, at ratio 1.
QPixmap smallBitmap() {
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(kRed);
    img.setPixel(0, 0, kMagenta.rgb());
    img.setPixel(3, 5, kBlue.rgb());
    return QPixmap::fromImage(img);
}

// A 32 x 32 bitmap of ratio 2 (16 x 16 logical): a red and blue checkerboard of single device
// pixels with a magenta top-left pixel, detail that only the device resolution can show.
QImage checkerboard() {
    QImage img(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            img.setPixel(x, y, ((x + y) % 2 ? kBlue : kRed).rgb());
    img.setPixel(0, 0, kMagenta.rgb());
    return img;
}

QPixmap fineBitmap() {
    QPixmap pm = QPixmap::fromImage(checkerboard());
    pm.setDevicePixelRatio(2.0);
    return pm;
}

QImage solid(int size, QColor c) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

// The bench's button with a caption, magenta as its mask colour, and a picture on demand.
struct RigRatio : Rig {
    RigRatio(State state, TovButtonTypes type, const QString &caption = QString())
        : Rig(state, type, SysButtonFace, caption) {
        button->setMaskColor(RgbColor(255, 0, 255));
    }
    void setPicture(Picture picture) {
        switch (picture) {
        case MaskedBitmap:
            button->setPicture(smallBitmap());
            break;
        case PlainBitmap:
            button->setUseMask(false);
            button->setPicture(smallBitmap());
            break;
        case LowIcon:
            button->setPicture(QIcon(QPixmap::fromImage(solid(16, kBlue))));
            break;
        case NoPicture:
            break;
        }
    }
};

// Every device pixel of each logical pixel's block matches the ratio-1 face, except within
// `skip` (logical). Returns a description of the first difference, or an empty string.
QString blockMismatch(const QImage &fine, const QImage &coarse, qreal ratio, const QRect &skip) {
    for (int y = 0; y < coarse.height(); ++y) {
        for (int x = 0; x < coarse.width(); ++x) {
            if (skip.contains(x, y)) continue;
            const QRgb want = coarse.pixel(x, y);
            for (int dy = firstDevice(y, ratio); dy < firstDevice(y + 1, ratio); ++dy)
                for (int dx = firstDevice(x, ratio); dx < firstDevice(x + 1, ratio); ++dx)
                    if (fine.pixel(dx, dy) != want)
                        return QStringLiteral("logical (%1, %2), device (%3, %4): %5 instead of %6")
                            .arg(x)
                            .arg(y)
                            .arg(dx)
                            .arg(dy)
                            .arg(fine.pixel(dx, dy), 8, 16)
                            .arg(want, 8, 16);
        }
    }
    return {};
}

// Number of pixels of colour c inside the device rectangle r of img.
int countColour(const QImage &img, const QRect &r, QColor c) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += QColor(img.pixel(x, y)) == c;
    return n;
}

QRect scaled(const QRect &r, int k) {
    return QRect(r.topLeft() * k, r.size() * k);
}

} // namespace

Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(Picture)

class tst_TovCommandRatio : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tovxptest::useFixedPalette(); }
    void ratioOneIsTheLogicalImage();
    void faceIsMadeOfBlocks_data();
    void faceIsMadeOfBlocks();
    void evenEdges_data();
    void evenEdges();
    void focusRectangleIsMadeOfBlocks_data();
    void focusRectangleIsMadeOfBlocks();
    void captionIsDrawnAtDeviceResolution_data();
    void captionIsDrawnAtDeviceResolution();
    void finePixmapKeepsItsDetail_data();
    void finePixmapKeepsItsDetail();
    void iconUsesItsFinerSize_data();
    void iconUsesItsFinerSize();
    void transparentRegionKeepsFineDetail_data();
    void transparentRegionKeepsFineDetail();
    void shapeIsInLogicalPixels_data();
    void shapeIsInLogicalPixels();
    void widgetShowsTheFineFace();
};

void tst_TovCommandRatio::ratioOneIsTheLogicalImage() {
    RigRatio rig(Pressed, WindowsXp, QStringLiteral("&Ok"));
    rig.setPicture(MaskedBitmap);
    const QImage one = rig.button->renderImage(QSize(W, H), 1.0);
    QCOMPARE(one, rig.button->renderImage(QSize(W, H)));
    QCOMPARE(one.devicePixelRatio(), 1.0);
    // Nonsense ratios fall back to 1 rather than producing an empty or huge image.
    QCOMPARE(rig.button->renderImage(QSize(W, H), 0.0), one);
    QCOMPARE(rig.button->renderImage(QSize(W, H), -2.0), one);
    QCOMPARE(rig.button->renderImage(QSize(W, H), qQNaN()), one);
}

void tst_TovCommandRatio::faceIsMadeOfBlocks_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<State>("state");
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<qreal>("ratio");
    const char *types[] = {"windows", "office"};
    const char *states[] = {"plain", "hover", "focus", "pressed", "disabled", "checked"};
    const char *pictures[] = {"none", "masked bitmap", "plain bitmap", "icon"};
    for (int type : {0, 1})
        for (State s : {Plain, Hover, Focus, Pressed, Disabled, Checked})
            for (Picture p : {NoPicture, MaskedBitmap, PlainBitmap, LowIcon})
                // At a fractional ratio the blocks are no longer equal (see evenEdges).
                for (qreal r : {2.0, 3.0}) {
                    QTest::addRow("%s %s %s x%g", types[type], states[s], pictures[p], r)
                        << type << s << p << r;
                }
}

void tst_TovCommandRatio::faceIsMadeOfBlocks() {
    QFETCH(int, type);
    QFETCH(State, state);
    QFETCH(Picture, picture);
    QFETCH(qreal, ratio);
    RigRatio rig(state, TovButtonTypes(type), QStringLiteral("&Ok"));
    rig.setPicture(picture);
    const QImage coarse = rig.button->renderImage(QSize(W, H));
    const QImage fine = rig.button->renderImage(QSize(W, H), ratio);
    QCOMPARE(fine.size(), QSize(int(std::ceil(W * ratio)), int(std::ceil(H * ratio))));
    QCOMPARE(fine.devicePixelRatio(), ratio);
    // Glyph edges may reach a pixel past the caption box at either resolution.
    const QRect caption = rig.button->captionRect(QSize(W, H)).adjusted(-1, -1, 1, 1);
    const QString diff = blockMismatch(fine, coarse, ratio, caption);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

// At any ratio every one-pixel edge of the face is as many whole device pixels wide as the
// others, on all four sides, and the control shows its whole face even where its edges fall
// between device pixels of the window.
void tst_TovCommandRatio::evenEdges_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<State>("state");
    QTest::addColumn<int>("edges"); // one-pixel edges of distinct colours from each side
    QTest::addColumn<qreal>("ratio");
    for (qreal r : {1.25, 1.5, 1.75, 2.0}) {
        QTest::addRow("windows plain x%g", r) << 0 << Plain << 3 << r;
        QTest::addRow("windows hover x%g", r) << 0 << Hover << 1 << r;
        QTest::addRow("office hover x%g", r) << 1 << Hover << 1 << r;
    }
}

void tst_TovCommandRatio::evenEdges() {
    QFETCH(int, type);
    QFETCH(State, state);
    QFETCH(int, edges);
    QFETCH(qreal, ratio);
    RigRatio rig(state, TovButtonTypes(type));
    rig.button->setGeometry(0, 0, 177, 41);
    const int each = int(std::floor(ratio));
    // The runs of colour across the middle of an image, from both ends, leaving out `margin`.
    auto runs = [](const QImage &img, bool across, int margin) {
        QList<int> lengths;
        const int n = across ? img.width() : img.height();
        QRgb last = 0;
        for (int i = margin; i < n - margin; ++i) {
            const QRgb p = across ? img.pixel(i, img.height() / 2) : img.pixel(img.width() / 2, i);
            if (lengths.isEmpty() || p != last) lengths << 0;
            ++lengths.last();
            last = p;
        }
        return lengths;
    };
    auto check = [&](const QImage &img, int margin, const char *what) {
        for (bool across : {true, false}) {
            const QList<int> r = runs(img, across, margin);
            QVERIFY2(r.size() > 2 * edges, what);
            for (int k = 0; k < edges; ++k)
                QVERIFY2(r[k] == each && r[r.size() - 1 - k] == each,
                         qPrintable(QStringLiteral("%1: %2").arg(what, QDebug::toString(r))));
        }
    };
    check(rig.button->renderImage(QSize(177, 41), ratio), 0, "face");
    // Drawn one logical pixel into a window of that ratio: 1.5 device pixels in at x1.5.
    QImage window(QSize(180, 44) * ratio, QImage::Format_RGB32);
    window.setDevicePixelRatio(ratio);
    window.fill(Qt::white);
    rig.button->render(&window, QPoint(1, 1), QRegion(), QWidget::DrawChildren);
    window.setDevicePixelRatio(1.0);
    const QRect shown(QPoint(qRound(ratio), qRound(ratio)),
                      QPoint(qRound(178 * ratio) - 1, qRound(42 * ratio) - 1));
    check(window.copy(shown), 0, "shown");
}

void tst_TovCommandRatio::focusRectangleIsMadeOfBlocks_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("x2") << 2.0;
    QTest::newRow("x3") << 3.0;
}

void tst_TovCommandRatio::focusRectangleIsMadeOfBlocks() {
    QFETCH(qreal, ratio);
    QWidget host;
    TovCommand *b = nullptr;
    QVERIFY(officeButtonWithFocus(host, b));
    const QImage coarse = b->renderImage(QSize(W, H));
    QVERIFY(QColor(coarse.pixel(4, 4)) != tovxptest::kFace); // the dots are there to compare
    const QString diff = blockMismatch(b->renderImage(QSize(W, H), ratio), coarse, ratio, QRect());
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void tst_TovCommandRatio::captionIsDrawnAtDeviceResolution_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<State>("state");
    QTest::addColumn<int>("ratio");
    QTest::newRow("windows plain x2") << 0 << Plain << 2;
    QTest::newRow("windows pressed x2") << 0 << Pressed << 2;
    QTest::newRow("office plain x2") << 1 << Plain << 2;
    QTest::newRow("office hover x3") << 1 << Hover << 3;
}

void tst_TovCommandRatio::captionIsDrawnAtDeviceResolution() {
    QFETCH(int, type);
    QFETCH(State, state);
    QFETCH(int, ratio);
    RigRatio rig(state, TovButtonTypes(type));
    inkedCaption(rig.button);
    const QColor ink(1, 2, 3);
    const QRect box = rig.button->captionRect(QSize(W, H));
    const QImage coarse = rig.button->renderImage(QSize(W, H));
    const QImage fine = rig.button->renderImage(QSize(W, H), ratio);
    const QRect fineBox = scaled(box, ratio);

    // The glyphs keep their logical size: about ratio² as many device pixels of ink.
    const int coarseInk = countColour(coarse, box, ink);
    const int fineInk = countColour(fine, fineBox, ink);
    QVERIFY2(coarseInk > 10, qPrintable(QString::number(coarseInk)));
    const double growth = double(fineInk) / coarseInk / (ratio * ratio);
    QVERIFY2(growth > 0.6 && growth < 1.6,
             qPrintable(QStringLiteral("%1 vs %2").arg(fineInk).arg(coarseInk)));

    // A blown-up ratio-1 caption is uniform in every block; device-resolution glyphs have
    // edges that cut through blocks.
    int splitBlocks = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb first = fine.pixel(x * ratio, y * ratio);
            bool split = false;
            for (int dy = 0; dy < ratio && !split; ++dy)
                for (int dx = 0; dx < ratio && !split; ++dx)
                    split = fine.pixel(x * ratio + dx, y * ratio + dy) != first;
            splitBlocks += split;
        }
    QVERIFY2(splitBlocks >= 10, qPrintable(QString::number(splitBlocks)));

    // And the caption stays where it was: the ink spans the same logical columns.
    auto inkColumns = [&ink](const QImage &img, const QRect &r, int k) {
        int lo = INT_MAX, hi = INT_MIN;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (QColor(img.pixel(x, y)) == ink) {
                    lo = std::min(lo, x / k);
                    hi = std::max(hi, x / k);
                }
        return std::make_pair(lo, hi);
    };
    const auto c = inkColumns(coarse, box, 1);
    const auto d = inkColumns(fine, fineBox, ratio);
    QVERIFY2(
        qAbs(c.first - d.first) <= 1 && qAbs(c.second - d.second) <= 1,
        qPrintable(QStringLiteral("%1-%2 vs %3-%4").arg(c.first).arg(c.second).arg(d.first).arg(d.second)));
}

void tst_TovCommandRatio::finePixmapKeepsItsDetail_data() {
    QTest::addColumn<bool>("useMask");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("red");
    QTest::addColumn<QColor>("blue");
    QTest::addColumn<QColor>("magenta");
    // On the plain "Office Xp" face RGB(200, 180, 160); faded is 100 parts of the picture to
    // 155 of the face, out of 255.
    const QColor face = tovxptest::kFace;
    QTest::newRow("masked") << true << true << kRed << kBlue << face;
    QTest::newRow("unmasked") << false << true << kRed << kBlue << kMagenta;
    QTest::newRow("masked, disabled")
        << true << false << QColor(222, 109, 97) << QColor(122, 109, 197) << face;
    QTest::newRow("unmasked, disabled")
        << false << false << QColor(222, 109, 97) << QColor(122, 109, 197) << QColor(222, 109, 197);
}

void tst_TovCommandRatio::finePixmapKeepsItsDetail() {
    QFETCH(bool, useMask);
    QFETCH(bool, enabled);
    QFETCH(QColor, red);
    QFETCH(QColor, blue);
    QFETCH(QColor, magenta);
    RigRatio rig(Plain, OfficeXp);
    rig.button->setUseMask(useMask);
    rig.button->setEnabled(enabled);
    rig.button->setPicture(fineBitmap());
    const QPoint at = rig.button->picturePosition(QSize(W, H));
    // Laid out at its logical size: ((80 - 4 - 16) / 2 + 2, (25 - 4 - 16) / 2 + 2).
    QCOMPARE(at, QPoint(32, 4));

    const QImage fine = rig.button->renderImage(QSize(W, H), 2.0);
    const QImage source = checkerboard();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QColor s(source.pixel(x, y));
            const QColor want = s == kRed ? red : s == kBlue ? blue : magenta;
            const QColor got(fine.pixel(2 * at.x() + x, 2 * at.y() + y));
            QVERIFY2(
                got == want,
                qPrintable(
                    QStringLiteral("(%1, %2): %3 instead of %4").arg(x).arg(y).arg(got.name(), want.name())));
        }
    // Nothing beyond its 16 logical pixels.
    QCOMPARE(QColor(fine.pixel(2 * (at.x() + 16), 2 * (at.y() + 8))), tovxptest::kFace);

    // At ratio 1 the same picture still covers 16 x 16 logical pixels.
    const QImage coarse = rig.button->renderImage(QSize(W, H));
    const QColor inside(coarse.pixel(at.x() + 15, at.y() + 15));
    QVERIFY(inside == red || inside == blue);
    QCOMPARE(QColor(coarse.pixel(at.x() + 16, at.y() + 8)), tovxptest::kFace);
}

void tst_TovCommandRatio::iconUsesItsFinerSize_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("x1 takes the 16") << 1.0 << kRed;
    QTest::newRow("x2 takes the 32") << 2.0 << kBlue;
}

void tst_TovCommandRatio::iconUsesItsFinerSize() {
    QFETCH(qreal, ratio);
    QFETCH(QColor, expected);
    RigRatio rig(Plain, WindowsXp);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(solid(16, kRed)));
    icon.addPixmap(QPixmap::fromImage(solid(32, kBlue)));
    rig.button->setPicture(icon);
    const QPoint at = rig.button->picturePosition(QSize(W, H));
    QCOMPARE(at, QPoint(32, 4)); // laid out as 16 x 16
    const QImage img = rig.button->renderImage(QSize(W, H), ratio);
    const int k = int(ratio);
    QCOMPARE(QColor(img.pixel(at.x() * k, at.y() * k)), expected);
    QCOMPARE(QColor(img.pixel((at.x() + 16) * k - 1, (at.y() + 16) * k - 1)), expected);
    QVERIFY(QColor(img.pixel((at.x() + 16) * k, (at.y() + 8) * k)) != expected);
}

void tst_TovCommandRatio::transparentRegionKeepsFineDetail_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("x2") << 2.0;
    QTest::newRow("x1.5") << 1.5;
    QTest::newRow("x3") << 3.0;
}

void tst_TovCommandRatio::transparentRegionKeepsFineDetail() {
    QFETCH(qreal, ratio);
    RigRatio rig(Plain, OfficeXp, QStringLiteral("Go"));
    rig.button->setBackStyle(Transparent);
    rig.button->setPicture(fineBitmap());
    const QImage fine = rig.button->renderImage(QSize(W, H), ratio);
    const QRegion region = rig.button->visibleRegion(fine);
    QVERIFY(region.boundingRect().right() < W && region.boundingRect().bottom() < H);
    // No device pixel that differs from the face is cut away...
    const QRgb face = tovxptest::kFace.rgb();
    int drawn = 0;
    for (int dy = 0; dy < fine.height(); ++dy)
        for (int dx = 0; dx < fine.width(); ++dx) {
            if (fine.pixel(dx, dy) == face) continue;
            ++drawn;
            const QPoint logical(int(std::floor((dx + 1e-9) / ratio)), int(std::floor((dy + 1e-9) / ratio)));
            QVERIFY2(region.contains(logical), qPrintable(QStringLiteral("(%1, %2)").arg(dx).arg(dy)));
        }
    QVERIFY(drawn > 100);
    // ...and away from caption and picture the host shows through, as at ratio 1.
    const QRegion coarse = rig.button->visibleRegion(rig.button->renderImage(QSize(W, H)));
    for (const QPoint p : {QPoint(1, 1), QPoint(W - 1, H - 1), QPoint(5, 12)}) {
        QVERIFY(!region.contains(p));
        QVERIFY(!coarse.contains(p));
    }
}

void tst_TovCommandRatio::shapeIsInLogicalPixels_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("x2") << 2.0;
    QTest::newRow("x1.5") << 1.5;
    QTest::newRow("x1.25") << 1.25;
}

void tst_TovCommandRatio::shapeIsInLogicalPixels() {
    QFETCH(qreal, ratio);
    RigRatio rig(Plain, WindowsXp);
    const QImage fine = rig.button->renderImage(QSize(W, H), ratio);
    const QRegion region = rig.button->visibleRegion(fine), shape = rig.button->shapeFor(QSize(W, H));
    if (ratio == std::round(ratio)) {
        // The logical shape scales exactly onto the face's blocks.
        QCOMPARE(region, shape);
        QVERIFY(!fine.hasAlphaChannel());
        return;
    }
    // At a fractional ratio the window system's scaling of a logical shape would cut into the
    // face's whole-pixel edges: the shape keeps every logical pixel a shown device pixel falls
    // in, and the face itself leaves its cut corners see-through.
    QVERIFY((shape - region).isEmpty());
    int clair = 0;
    for (int dy = 0; dy < fine.height(); ++dy)
        for (int dx = 0; dx < fine.width(); ++dx) {
            const QPoint logical(int(std::floor((dx + 1e-9) / ratio)), int(std::floor((dy + 1e-9) / ratio)));
            if (qAlpha(fine.pixel(dx, dy)) == 255) {
                QVERIFY2(region.contains(logical), qPrintable(QStringLiteral("(%1, %2)").arg(dx).arg(dy)));
            } else {
                ++clair;
                const bool coin =
                    (logical.x() < 4 || logical.x() >= W - 4) && (logical.y() < 4 || logical.y() >= H - 4);
                QVERIFY2(coin, qPrintable(QStringLiteral("(%1, %2)").arg(dx).arg(dy)));
            }
        }
    QVERIFY(clair >= 4 * 6);
}

// This program runs with a scale factor of 2, so the widget itself is on a ratio-2 screen.
void tst_TovCommandRatio::widgetShowsTheFineFace() {
    RigRatio rig(Plain, WindowsXp, QStringLiteral("Ok"));
    rig.host.resize(W + 10, H + 10);
    rig.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.host));
    QCOMPARE(rig.button->devicePixelRatioF(), 2.0);
    const QImage expected = rig.button->renderImage(QSize(W, H), 2.0);
    const QImage shown = rig.button->grab().toImage();
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.size(), expected.size());
    // Compared inside the window shape; outside it the grab shows whatever lies behind.
    const QRegion shape = rig.button->shapeFor(QSize(W, H));
    QCOMPARE(rig.button->mask(), shape);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (shape.contains(QPoint(x / 2, y / 2)))
                QVERIFY2(shown.pixel(x, y) == expected.pixel(x, y),
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
}

int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_TovCommandRatio test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TovCommandRatio.moc"
