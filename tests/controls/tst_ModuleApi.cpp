// The colour operations: system colours, channel arithmetic in its three modes, and the masked copy.
#include "Palette.h"

#include <tovxp/Module_API.h>

#include <QTest>

using namespace tovxp;

class tst_ModuleApi : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tovxptest::useFixedPalette(); }
    void systemColoursResolveThroughThePalette_data();
    void systemColoursResolveThroughThePalette();
    void adjustColor_data();
    void adjustColor();
    void transparentBlitKeepsDestinationUnderKeyColour();
};

void tst_ModuleApi::systemColoursResolveThroughThePalette_data() {
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("button face") << 0x8000000Fu << tovxptest::kFace;
    QTest::newRow("button text") << 0x80000012u << tovxptest::kButtonText;
    QTest::newRow("highlight") << 0x8000000Du << tovxptest::kHighlight;
    QTest::newRow("tooltip background") << 0x80000018u << tovxptest::kTipBack;
    QTest::newRow("tooltip text") << 0x80000017u << tovxptest::kTipText;
    QTest::newRow("plain value untouched") << 0x00332211u << QColor(0x11, 0x22, 0x33);
}

void tst_ModuleApi::systemColoursResolveThroughThePalette() {
    QFETCH(quint32, value);
    QFETCH(QColor, expected);
    const ColorParts p = SplitColor(value);
    QCOMPARE(QColor(p.red, p.green, p.blue), expected);
    QCOMPARE(ResolveColor(value), RgbColor(expected.red(), expected.green(), expected.blue()));
}

void tst_ModuleApi::adjustColor_data() {
    QTest::addColumn<quint32>("color");
    QTest::addColumn<double>("amount");
    QTest::addColumn<int>("mode");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("add caps at 255") << RgbColor(250, 10, 0) << 48.0 << 0 << RgbColor(255, 58, 48);
    QTest::newRow("subtract floors at 0") << RgbColor(48, 100, 200) << -84.0 << 0 << RgbColor(0, 16, 116);
    QTest::newRow("halves go to even") << RgbColor(10, 11, 12) << 0.5 << 0 << RgbColor(10, 12, 12);
    QTest::newRow("negative halves go to even") << RgbColor(10, 11, 12) << -0.5 << 0 << RgbColor(10, 10, 12);
    QTest::newRow("fraction rounds") << RgbColor(100, 100, 100) << -0.96 << 0 << RgbColor(99, 99, 99);
    QTest::newRow("toward white 128") << RgbColor(49, 106, 197) << 128.0 << 1 << RgbColor(152, 181, 226);
    QTest::newRow("toward white 176") << RgbColor(49, 106, 197) << 176.0 << 1 << RgbColor(191, 209, 237);
    QTest::newRow("scale") << RgbColor(100, 200, 7) << 1.5 << 2 << RgbColor(150, 255, 10);
    QTest::newRow("scale down") << RgbColor(100, 200, 7) << 0.5 << 2 << RgbColor(50, 100, 4);
    QTest::newRow("system colour first resolved") << 0x8000000Fu << 48.0 << 0 << RgbColor(248, 228, 208);
    QTest::newRow("zero amount") << RgbColor(1, 2, 3) << 0.0 << 0 << RgbColor(1, 2, 3);
}

void tst_ModuleApi::adjustColor() {
    QFETCH(quint32, color);
    QFETCH(double, amount);
    QFETCH(int, mode);
    QFETCH(quint32, expected);
    QCOMPARE(AdjustColor(color, amount, AdjustModes(mode)), expected);
}

void tst_ModuleApi::transparentBlitKeepsDestinationUnderKeyColour() {
    QImage dst(6, 4, QImage::Format_RGB32);
    dst.fill(QColor(0, 0, 255));
    QImage src(3, 3, QImage::Format_RGB32);
    src.fill(QColor(255, 0, 0));
    src.setPixel(1, 1, qRgb(255, 0, 255));
    // The source rectangle starts at (1, 1) of the source and runs off its edge.
    TransparentBlit(dst, 4, 2, 3, 3, src, 1, 1, RgbColor(255, 0, 255));
    QCOMPARE(QColor(dst.pixel(4, 2)), QColor(0, 0, 255)); // key colour: destination kept
    QCOMPARE(QColor(dst.pixel(5, 2)), QColor(255, 0, 0));
    QCOMPARE(QColor(dst.pixel(4, 3)), QColor(255, 0, 0));
    QCOMPARE(QColor(dst.pixel(3, 2)), QColor(0, 0, 255)); // left of the target: untouched
    QCOMPARE(QColor(dst.pixel(5, 1)), QColor(0, 0, 255)); // above the target: untouched
}

QTEST_MAIN(tst_ModuleApi)
#include "tst_ModuleApi.moc"
