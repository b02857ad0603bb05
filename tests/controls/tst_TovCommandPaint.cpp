// How a TovCommand looks: gradients, edges, outline, shape, caption and picture placement, pixel for pixel.
#include "BancBouton.h"

#include <tovxp/Module_API.h>
#include <tovxp/TovCommand.h>

#include <QPainter>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <memory>

using namespace tovxp;
using namespace tovxptest;

namespace {

QColor at(const QImage &img, int x, int y) {
    return QColor(img.pixel(x, y));
}

// A pixmap of one colour, with one pixel of another at (1, 1).
QPixmap patch(int size, QColor body, QColor spot) {
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(body);
    img.setPixel(1, 1, spot.rgb());
    return QPixmap::fromImage(img);
}

} // namespace

Q_DECLARE_METATYPE(State)

class tst_TovCommandPaint : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tovxptest::useFixedPalette(); }
    void windowsXpGradient_data();
    void windowsXpGradient();
    void windowsXpEdges_data();
    void windowsXpEdges();
    void focusEdgesNeedMustDrawFocus();
    void windowsXpRoundedCorners_data();
    void windowsXpRoundedCorners();
    void windowShape_data();
    void windowShape();
    void officeFaces_data();
    void officeFaces();
    void officeFocusRectangleIsDottedAndInset();
    void transparentOfficeFaceShowsTheHost();
    void captionColour_data();
    void captionColour();
    void captionPosition_data();
    void captionPosition();
    void centredPictureAndCaptionFormOneGroup();
    void picturePosition_data();
    void picturePosition();
    void disabledCheckedPictureMovesButNotCaption();
    void bitmapDrawing_data();
    void bitmapDrawing();
    void iconKeepsItsColoursWhenDisabled();
    void notReadyKeepsTheOldFaceOnScreen();
    void zeroHeightDrawsNothing();
};

void tst_TovCommandPaint::windowsXpGradient_data() {
    QTest::addColumn<quint32>("back");
    QTest::addColumn<State>("state");
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("expected");
    // Black: face is RGB(48, 48, 48); pressed face 16, floored at 0 near the top.
    QTest::newRow("black plain row 5") << 0u << Plain << 5 << QColor(43, 43, 43);
    QTest::newRow("black plain row 20") << 0u << Plain << 20 << QColor(28, 28, 28);
    QTest::newRow("black pressed row 20") << 0u << Pressed << 20 << QColor(11, 11, 11);
    QTest::newRow("black pressed row 5 floors") << 0u << Pressed << 5 << QColor(0, 0, 0);
    // White: face caps at 255, the gradient still darkens.
    QTest::newRow("white plain row 5") << 0xFFFFFFu << Plain << 5 << QColor(250, 250, 250);
    QTest::newRow("white plain row 20") << 0xFFFFFFu << Plain << 20 << QColor(235, 235, 235);
    QTest::newRow("white pressed row 5") << 0xFFFFFFu << Pressed << 5 << QColor(203, 203, 203);
    QTest::newRow("white pressed row 20") << 0xFFFFFFu << Pressed << 20 << QColor(218, 218, 218);
    // The system button face RGB(200, 180, 160) is resolved before adding 48.
    QTest::newRow("system plain row 12") << 0x8000000Fu << Plain << 12 << QColor(236, 216, 196);
    QTest::newRow("system pressed row 12") << 0x8000000Fu << Pressed << 12 << QColor(203, 183, 163);
    QTest::newRow("checked looks pressed") << 0x8000000Fu << Checked << 12 << QColor(203, 183, 163);
    QTest::newRow("hover keeps the gradient") << 0x8000000Fu << Hover << 12 << QColor(236, 216, 196);
}

void tst_TovCommandPaint::windowsXpGradient() {
    QFETCH(quint32, back);
    QFETCH(State, state);
    QFETCH(int, row);
    QFETCH(QColor, expected);
    Rig rig(state, WindowsXp, back);
    const QImage img = rig.image();
    QCOMPARE(at(img, 10, row), expected);
    QCOMPARE(at(img, W / 2, row), expected);
}

void tst_TovCommandPaint::windowsXpEdges_data() {
    QTest::addColumn<State>("state");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("expected");
    // With the system face, face = (248, 228, 208) and pressed face = (216, 196, 176).
    QTest::newRow("plain bottom") << Plain << QPoint(40, 23) << QColor(200, 180, 160);
    QTest::newRow("plain above bottom") << Plain << QPoint(40, 22) << QColor(216, 196, 176);
    QTest::newRow("plain right") << Plain << QPoint(78, 12) << QColor(212, 192, 172);
    QTest::newRow("plain inner right") << Plain << QPoint(77, 12) << QColor(224, 204, 184);
    QTest::newRow("plain top") << Plain << QPoint(40, 1) << QColor(255, 244, 224);
    QTest::newRow("plain second") << Plain << QPoint(40, 2) << QColor(255, 238, 218);
    QTest::newRow("plain left") << Plain << QPoint(1, 12) << QColor(243, 223, 203);
    QTest::newRow("plain inner left") << Plain << QPoint(2, 12) << QColor(238, 218, 198);
    QTest::newRow("plain left line stops above its end") << Plain << QPoint(1, 23) << QColor(225, 205, 185);
    QTest::newRow("plain bottom line stops before its end")
        << Plain << QPoint(78, 23) << QColor(225, 205, 185);

    QTest::newRow("hover ring left") << Hover << QPoint(1, 12) << QColor(255, 178, 49);
    QTest::newRow("hover ring right") << Hover << QPoint(78, 12) << QColor(255, 178, 49);
    QTest::newRow("hover ring bottom") << Hover << QPoint(40, 22) << QColor(255, 178, 49);
    QTest::newRow("hover bottom") << Hover << QPoint(40, 23) << QColor(231, 150, 0);
    QTest::newRow("hover top") << Hover << QPoint(40, 1) << QColor(255, 243, 206);
    QTest::newRow("hover second") << Hover << QPoint(40, 2) << QColor(255, 219, 140);
    QTest::newRow("hover inner left") << Hover << QPoint(2, 12) << QColor(255, 203, 107);
    QTest::newRow("hover inner right") << Hover << QPoint(77, 12) << QColor(255, 203, 107);

    QTest::newRow("focus ring") << Focus << QPoint(1, 12) << QColor(140, 174, 231);
    QTest::newRow("focus bottom") << Focus << QPoint(40, 23) << QColor(107, 130, 239);
    QTest::newRow("focus top") << Focus << QPoint(40, 1) << QColor(206, 231, 255);
    QTest::newRow("focus second") << Focus << QPoint(40, 2) << QColor(189, 215, 247);
    QTest::newRow("focus inner left") << Focus << QPoint(2, 12) << QColor(181, 209, 240);
    QTest::newRow("focus inner right") << Focus << QPoint(77, 12) << QColor(181, 209, 240);

    QTest::newRow("pressed bottom") << Pressed << QPoint(40, 23) << QColor(232, 212, 192);
    QTest::newRow("pressed above bottom") << Pressed << QPoint(40, 22) << QColor(226, 206, 186);
    QTest::newRow("pressed right") << Pressed << QPoint(78, 12) << QColor(221, 201, 181);
    QTest::newRow("pressed inner right is the face") << Pressed << QPoint(77, 12) << QColor(248, 228, 208);
    QTest::newRow("pressed top") << Pressed << QPoint(40, 1) << QColor(184, 164, 144);
    QTest::newRow("pressed second") << Pressed << QPoint(40, 2) << QColor(192, 172, 152);
    QTest::newRow("pressed left") << Pressed << QPoint(1, 12) << QColor(184, 164, 144);
    QTest::newRow("pressed inner left") << Pressed << QPoint(2, 12) << QColor(194, 174, 154);

    QTest::newRow("disabled fill") << Disabled << QPoint(40, 12) << QColor(224, 204, 184);
    QTest::newRow("disabled dot top left") << Disabled << QPoint(1, 1) << QColor(176, 156, 136);
    QTest::newRow("disabled dot bottom right") << Disabled << QPoint(78, 23) << QColor(176, 156, 136);
    QTest::newRow("disabled dot top right") << Disabled << QPoint(78, 1) << QColor(176, 156, 136);

    for (State s : {Plain, Hover, Focus, Pressed, Disabled}) {
        const QByteArray n = QByteArray::number(int(s));
        QTest::newRow("outline left " + n) << s << QPoint(0, 12) << kOutline;
        QTest::newRow("outline bottom " + n) << s << QPoint(40, 24) << kOutline;
        QTest::newRow("outline corner " + n) << s << QPoint(79, 0) << kOutline;
    }
}

void tst_TovCommandPaint::windowsXpEdges() {
    QFETCH(State, state);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, expected);
    Rig rig(state);
    QCOMPARE(at(rig.image(), pixel.x(), pixel.y()), expected);
}

void tst_TovCommandPaint::focusEdgesNeedMustDrawFocus() {
    Rig rig(Focus);
    rig.button->setMustDrawFocus(false);
    QCOMPARE(at(rig.image(), 1, 12), QColor(243, 223, 203));
}

void tst_TovCommandPaint::windowsXpRoundedCorners_data() {
    QTest::addColumn<State>("state");
    for (State s : {Plain, Hover, Focus, Pressed, Disabled})
        QTest::newRow(QByteArray::number(int(s)).constData()) << s;
}

void tst_TovCommandPaint::windowsXpRoundedCorners() {
    QFETCH(State, state);
    Rig rig(state);
    const QImage img = rig.image();
    const QPoint corners[16] = {{2, 1},     {2, H - 2},     {3, 1},     {3, H - 2},
                                {1, 2},     {1, H - 3},     {1, 3},     {1, H - 4},
                                {W - 4, 1}, {W - 4, H - 2}, {W - 3, 1}, {W - 3, H - 2},
                                {W - 2, 2}, {W - 2, H - 3}, {W - 2, 3}, {W - 2, H - 4}};
    for (const QPoint &p : corners)
        QVERIFY2(at(img, p.x(), p.y()) == kOutline,
                 qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    // Just inside the rounding the face shows again.
    QVERIFY(at(img, 4, 1) != kOutline);
    QVERIFY(at(img, 1, 4) != kOutline);
}

void tst_TovCommandPaint::windowShape_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("inside");
    QTest::newRow("corner cut") << 0 << QPoint(0, 0) << false;
    QTest::newRow("left column starts at 4") << 0 << QPoint(0, 4) << true;
    QTest::newRow("left column above 4") << 0 << QPoint(0, 3) << false;
    QTest::newRow("second column from 2") << 0 << QPoint(1, 2) << true;
    QTest::newRow("second column cut") << 0 << QPoint(1, 1) << false;
    QTest::newRow("third column from 1") << 0 << QPoint(2, 1) << true;
    QTest::newRow("top row from 4") << 0 << QPoint(4, 0) << true;
    QTest::newRow("top row cut at 3") << 0 << QPoint(3, 0) << false;
    QTest::newRow("right column ends at H-5") << 0 << QPoint(W - 1, H - 5) << true;
    QTest::newRow("right column cut at H-4") << 0 << QPoint(W - 1, H - 4) << false;
    QTest::newRow("bottom row ends at W-5") << 0 << QPoint(W - 5, H - 1) << true;
    QTest::newRow("bottom row cut at W-4") << 0 << QPoint(W - 4, H - 1) << false;
    QTest::newRow("bottom right step") << 0 << QPoint(W - 2, H - 2) << false;
    QTest::newRow("office keeps the full rectangle") << 1 << QPoint(0, 0) << true;
    QTest::newRow("office bottom right") << 1 << QPoint(W - 1, H - 1) << true;
}

void tst_TovCommandPaint::windowShape() {
    QFETCH(int, type);
    QFETCH(QPoint, pixel);
    QFETCH(bool, inside);
    Rig rig(Plain, TovButtonTypes(type));
    QCOMPARE(rig.button->shapeFor(QSize(W, H)).contains(pixel), inside);
    QCOMPARE(rig.button->mask().contains(pixel), inside);
}

void tst_TovCommandPaint::officeFaces_data() {
    QTest::addColumn<State>("state");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("plain fill") << Plain << QPoint(40, 12) << tovxptest::kFace;
    QTest::newRow("plain has no outline") << Plain << QPoint(0, 0) << tovxptest::kFace;
    QTest::newRow("hover fill") << Hover << QPoint(40, 12) << QColor(191, 209, 237);
    QTest::newRow("hover outline") << Hover << QPoint(0, 0) << tovxptest::kHighlight;
    QTest::newRow("pressed fill") << Pressed << QPoint(40, 12) << QColor(152, 181, 226);
    QTest::newRow("pressed outline") << Pressed << QPoint(W - 1, H - 1) << tovxptest::kHighlight;
    QTest::newRow("checked looks pressed") << Checked << QPoint(40, 12) << QColor(152, 181, 226);
    QTest::newRow("disabled fill") << Disabled << QPoint(0, 0) << tovxptest::kFace;
}

void tst_TovCommandPaint::officeFaces() {
    QFETCH(State, state);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, expected);
    Rig rig(state, OfficeXp);
    QCOMPARE(at(rig.image(), pixel.x(), pixel.y()), expected);
}

void tst_TovCommandPaint::officeFocusRectangleIsDottedAndInset() {
    QWidget host;
    TovCommand *b = nullptr;
    QVERIFY(officeButtonWithFocus(host, b));
    const QColor inverted(255 - 200, 255 - 180, 255 - 160);
    QImage img = b->renderImage(QSize(W, H));
    QCOMPARE(at(img, 4, 4), inverted);
    QCOMPARE(at(img, 5, 4), tovxptest::kFace);
    QCOMPARE(at(img, 6, 4), inverted);
    QCOMPARE(at(img, 4, H - 5), inverted); // 4 + 20 is even
    QCOMPARE(at(img, 3, 3), tovxptest::kFace);
    QCOMPARE(at(img, 40, 12), tovxptest::kFace);
    b->setMustDrawFocus(false);
    img = b->renderImage(QSize(W, H));
    QCOMPARE(at(img, 4, 4), tovxptest::kFace);
}

void tst_TovCommandPaint::transparentOfficeFaceShowsTheHost() {
    Rig rig(Plain, OfficeXp);
    rig.button->setBackStyle(Transparent);
    rig.button->setPicture(patch(8, Qt::red, Qt::red));
    const QImage img = rig.image();
    const QPoint pic = rig.button->picturePosition(QSize(W, H));
    QRegion visible = rig.button->visibleRegion(img);
    QVERIFY(!visible.contains(QPoint(1, 1)));
    QVERIFY(visible.contains(pic));
    QVERIFY(rig.button->mask().contains(pic));
    QVERIFY(!rig.button->mask().contains(QPoint(1, 1)));
    // Hovered, the face is opaque again.
    rig.button->setMouseIsOver(true);
    visible = rig.button->visibleRegion(rig.image());
    QVERIFY(visible.contains(QPoint(1, 1)));
    rig.button->setMouseIsOver(false);
    rig.button->setBackStyle(Opaque);
    QVERIFY(rig.button->visibleRegion(rig.image()).contains(QPoint(1, 1)));
}

void tst_TovCommandPaint::captionColour_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<State>("state");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("windows plain") << 0 << Plain << QColor(1, 2, 3);
    QTest::newRow("windows pressed") << 0 << Pressed << QColor(1, 2, 3);
    QTest::newRow("windows disabled: face - 104") << 0 << Disabled << QColor(144, 124, 104);
    QTest::newRow("office hover") << 1 << Hover << QColor(1, 2, 3);
    QTest::newRow("office disabled: back - 104") << 1 << Disabled << QColor(96, 76, 56);
}

void tst_TovCommandPaint::captionColour() {
    QFETCH(int, type);
    QFETCH(State, state);
    QFETCH(QColor, expected);
    Rig rig(state, TovButtonTypes(type));
    inkedCaption(rig.button);
    const QImage img = rig.image();
    const QRect r = rig.button->captionRect(QSize(W, H));
    int hits = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            hits += at(img, x, y) == expected;
    QVERIFY2(hits > 10, qPrintable(QString::number(hits)));
}

void tst_TovCommandPaint::captionPosition_data() {
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("centerText");
    QTest::addColumn<bool>("centerPicture");
    QTest::addColumn<State>("state");
    QTest::addColumn<int>("expectedX"); // -1: centred on the face
    QTest::addColumn<int>("shift");
    QTest::newRow("no picture, left") << false << false << true << Plain << 10 << 0;
    QTest::newRow("no picture, left, pressed") << false << false << true << Pressed << 10 << 1;
    QTest::newRow("no picture, centred") << false << true << true << Plain << -1 << 0;
    QTest::newRow("picture, text beside it") << true << false << true << Plain << 36 << 0;
    QTest::newRow("picture, text beside it, pressed") << true << false << true << Pressed << 36 << 1;
    QTest::newRow("disabled checked caption stays") << true << false << true << Checked << 36 << 1;
    QTest::newRow("disabled checked caption stays (disabled)")
        << true << false << true << Disabled << 36 << 0;
}

void tst_TovCommandPaint::captionPosition() {
    QFETCH(bool, picture);
    QFETCH(bool, centerText);
    QFETCH(bool, centerPicture);
    QFETCH(State, state);
    QFETCH(int, expectedX);
    QFETCH(int, shift);
    Rig rig(state);
    rig.button->setCaption(QStringLiteral("&Ok"));
    rig.button->setCenterText(centerText);
    rig.button->setCenterPicture(centerPicture);
    if (picture) rig.button->setPicture(patch(16, Qt::red, Qt::red));
    const QSize ts = QFontMetrics(rig.button->font()).size(Qt::TextShowMnemonic, QStringLiteral("&Ok"));
    const QRect r = rig.button->captionRect(QSize(W, H));
    const int x = expectedX >= 0 ? expectedX : int(std::nearbyint((W - 4 - ts.width()) / 2.0 + 2));
    QCOMPARE(r.left(), x + shift);
    QCOMPARE(r.top(), int(std::nearbyint((H - 4 - ts.height()) / 2.0 + 2)) + shift);
    QCOMPARE(r.size(), ts);
}

void tst_TovCommandPaint::centredPictureAndCaptionFormOneGroup() {
    Rig rig(Plain);
    rig.button->setCaption(QStringLiteral("Go"));
    rig.button->setPicture(patch(16, Qt::red, Qt::red));
    const QSize s(W, H);
    const QRect text = rig.button->captionRect(s);
    const QPoint pic = rig.button->picturePosition(s);
    // Ten pixels between picture and caption, the group centred within one pixel of rounding.
    QVERIFY(qAbs(text.left() - (pic.x() + 16 + 10)) <= 1);
    const int left = pic.x(), right = text.right() + 1;
    QVERIFY(qAbs((left + right) - W) <= 2);
    QCOMPARE(pic.y(), (H - 4 - 16) / 2 + 2);
}

void tst_TovCommandPaint::picturePosition_data() {
    QTest::addColumn<bool>("center");
    QTest::addColumn<State>("state");
    QTest::addColumn<QPoint>("expected");
    // No caption: a 16-pixel picture is centred at ((80 - 4 - 16) / 2 + 2, (25 - 4 - 16) / 2 + 2).
    QTest::newRow("centred") << true << Plain << QPoint(32, 4);
    QTest::newRow("left") << false << Plain << QPoint(10, 4);
    QTest::newRow("pressed moves it") << true << Pressed << QPoint(33, 5);
    QTest::newRow("checked moves it") << false << Checked << QPoint(11, 5);
}

void tst_TovCommandPaint::picturePosition() {
    QFETCH(bool, center);
    QFETCH(State, state);
    QFETCH(QPoint, expected);
    Rig rig(state);
    rig.button->setCenterPicture(center);
    rig.button->setPicture(patch(16, Qt::red, Qt::red));
    QCOMPARE(rig.button->picturePosition(QSize(W, H)), expected);
    const QImage img = rig.image();
    QCOMPARE(at(img, expected.x(), expected.y()), QColor(Qt::red));
    QCOMPARE(at(img, expected.x() + 15, expected.y() + 15), QColor(Qt::red));
    QVERIFY(at(img, expected.x() - 1, expected.y() + 8) != QColor(Qt::red));
}

void tst_TovCommandPaint::disabledCheckedPictureMovesButNotCaption() {
    Rig rig(Checked);
    rig.button->setEnabled(false);
    rig.button->setCaption(QStringLiteral("Go"));
    rig.button->setCenterText(false);
    rig.button->setCenterPicture(false);
    rig.button->setPicture(patch(16, Qt::red, Qt::red));
    QCOMPARE(rig.button->picturePosition(QSize(W, H)), QPoint(11, 5));
    QCOMPARE(rig.button->captionRect(QSize(W, H)).left(), 36);
}

void tst_TovCommandPaint::bitmapDrawing_data() {
    QTest::addColumn<bool>("useMask");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("body");
    QTest::addColumn<QColor>("spot");
    // Drawn on the plain "Office Xp" face, RGB(200, 180, 160); the spot is the mask colour.
    QTest::newRow("masked") << true << true << QColor(255, 0, 0) << tovxptest::kFace;
    QTest::newRow("unmasked") << false << true << QColor(255, 0, 0) << QColor(255, 0, 255);
    // Faded: (255 * 100 + 200 * 155) / 255 and so on, rounded.
    QTest::newRow("masked, disabled") << true << false << QColor(222, 109, 97) << tovxptest::kFace;
    QTest::newRow("unmasked, disabled") << false << false << QColor(222, 109, 97) << QColor(222, 109, 197);
}

void tst_TovCommandPaint::bitmapDrawing() {
    QFETCH(bool, useMask);
    QFETCH(bool, enabled);
    QFETCH(QColor, body);
    QFETCH(QColor, spot);
    Rig rig(Plain, OfficeXp);
    rig.button->setMaskColor(RgbColor(255, 0, 255));
    rig.button->setUseMask(useMask);
    rig.button->setEnabled(enabled);
    rig.button->setPicture(patch(8, QColor(255, 0, 0), QColor(255, 0, 255)));
    const QPoint p = rig.button->picturePosition(QSize(W, H));
    const QImage img = rig.image();
    QCOMPARE(at(img, p.x() + 4, p.y() + 4), body);
    QCOMPARE(at(img, p.x() + 1, p.y() + 1), spot);
}

void tst_TovCommandPaint::iconKeepsItsColoursWhenDisabled() {
    Rig rig(Disabled, OfficeXp);
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter(&img).fillRect(4, 4, 8, 8, Qt::blue);
    rig.button->setPicture(QIcon(QPixmap::fromImage(img)));
    const QPoint p = rig.button->picturePosition(QSize(W, H));
    const QImage face = rig.image();
    QCOMPARE(at(face, p.x() + 6, p.y() + 6), QColor(Qt::blue));
    QCOMPARE(at(face, p.x() + 1, p.y() + 1), tovxptest::kFace); // its own transparency
}

void tst_TovCommandPaint::notReadyKeepsTheOldFaceOnScreen() {
    Rig rig(Plain, OfficeXp);
    auto shown = [&rig] { return QColor(rig.button->grab().toImage().pixel(40, 12)); };
    QCOMPARE(shown(), tovxptest::kFace);
    rig.button->setReady(false);
    rig.button->setBackColor(RgbColor(1, 2, 3));
    rig.button->Refresh();
    QCOMPARE(shown(), tovxptest::kFace);
    rig.button->setReady(true);
    QCOMPARE(shown(), QColor(1, 2, 3));
}

void tst_TovCommandPaint::zeroHeightDrawsNothing() {
    Rig rig(Plain);
    QVERIFY(rig.button->renderImage(QSize(W, 0)).isNull());
}

QTEST_MAIN(tst_TovCommandPaint)
#include "tst_TovCommandPaint.moc"
