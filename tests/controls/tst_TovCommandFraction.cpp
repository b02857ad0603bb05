// A TovCommand on a screen of fractional device pixel ratio, at a place that falls between device
// pixels: its outline closed at every corner, of one width on all four sides, the host seen through
// its cut corners.
#include "BancBouton.h"

#include <tovxp/Module_API.h>
#include <tovxp/TovCommand.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

using namespace tovxp;
using namespace tovxptest;

class tst_TovCommandFraction : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { tovxptest::useFixedPalette(); }
    void theWindowShowsTheWholeFace_data();
    void theWindowShowsTheWholeFace();
};

void tst_TovCommandFraction::theWindowShowsTheWholeFace_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("focus");
    QTest::newRow("whole place") << QPoint(10, 24) << false;
    QTest::newRow("half place") << QPoint(11, 25) << false;
    QTest::newRow("half place, focus edges") << QPoint(11, 25) << true;
}

void tst_TovCommandFraction::theWindowShowsTheWholeFace() {
    QFETCH(QPoint, at);
    QFETCH(bool, focus);
    // 60 x 24 logical pixels cover 90 x 36 device pixels wherever they stand at 1.5.
    const int W = 60, H = 24;
    QWidget host;
    QPalette pal = host.palette();
    pal.setColor(QPalette::Window, tovxptest::kWindow);
    host.setPalette(pal);
    host.setAutoFillBackground(true);
    host.resize(100, 70);
    auto *button = new TovCommand(QStringLiteral("b"), &host);
    button->setGeometry(QRect(at, QSize(W, H)));
    button->setCaption(QStringLiteral("Ok"));
    button->setDefault(focus);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(button->devicePixelRatioF(), 1.5);

    const QImage face = button->renderImage(QSize(W, H), 1.5);
    const QImage shown = host.grab().toImage();
    const QPoint corner(qRound(at.x() * 1.5), qRound(at.y() * 1.5));
    QCOMPARE(face.size(), QSize(90, 36));
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QRgb f = face.pixel(x, y);
            const QRgb want = qAlpha(f) == 255 ? f : tovxptest::kWindow.rgb();
            QVERIFY2(shown.pixel(corner + QPoint(x, y)) == want,
                     qPrintable(QStringLiteral("(%1, %2): %3 instead of %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(shown.pixel(corner + QPoint(x, y)), 8, 16)
                                    .arg(want, 8, 16)));
        }
    // The outline: one device pixel on every side, and closed around each corner (the pixels
    // between the edges and the rounded corners' dots all drawn).
    auto outline = [&](int x, int y) { return QColor(shown.pixel(corner + QPoint(x, y))) == kOutline; };
    for (int x = 6; x < 84; ++x) {
        QVERIFY(outline(x, 0) && !outline(x, 1));
        QVERIFY(outline(x, 35) && !outline(x, 34));
    }
    for (int y = 6; y < 30; ++y) {
        QVERIFY(outline(0, y) && !outline(1, y));
        QVERIFY(outline(89, y) && !outline(88, y));
    }
    // Going round the top-left corner from the top edge to the left edge, each outline pixel
    // touches the next.
    QPoint p(6, 0);
    for (int pas = 0; pas < 12 && p != QPoint(0, 6); ++pas) {
        QPoint suivant;
        for (const QPoint d : {QPoint(-1, 0), QPoint(-1, 1), QPoint(0, 1)})
            if (outline(p.x() + d.x(), p.y() + d.y())) {
                suivant = p + d;
                break;
            }
        QVERIFY2(!suivant.isNull(), qPrintable(QStringLiteral("gap after (%1, %2)").arg(p.x()).arg(p.y())));
        p = suivant;
    }
    QCOMPARE(p, QPoint(0, 6));
}

int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    tst_TovCommandFraction test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TovCommandFraction.moc"
