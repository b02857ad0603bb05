// On a screen of device pixel ratio 2 the board image doubles its pixels but keeps its logical
// geometry, and its text is drawn at the finer resolution.
#include "BancFenetre.h"

#include <QtTest>

using namespace lumio;
using namespace lumio::test;

class TestHauteDensite : public QObject {
    Q_OBJECT
  private slots:
    void lImageSuitLaDensiteEtGardeSaGeometrie() {
        BancFenetre b;
        const QImage &im = b.fenetre->image();
        QCOMPARE(im.devicePixelRatio(), 2.0);
        QCOMPARE(im.size(), QSize(1460, 1034));
        // The thin line at logical x = 95 covers device columns 190 and 191 only.
        QCOMPARE(im.pixel(190, 2 * 226), Rgb(CouleurLigneFine));
        QCOMPARE(im.pixel(191, 2 * 226), Rgb(CouleurLigneFine));
        QCOMPARE(im.pixel(189, 2 * 226), Rgb(b.jeu().CFONDGRILLE));
        QCOMPARE(im.pixel(192, 2 * 226), Rgb(b.jeu().CFONDGRILLE));
        // The thick line at logical 184..186 is six device pixels wide.
        for (int x = 368; x <= 373; ++x) QCOMPARE(im.pixel(x, 2 * 226), Rgb(CouleurLigneEpaisse));
    }

    void lesChiffresOntDesBordsPlusFinsQuUnAgrandissement() {
        BancFenetre b;
        Jeu &j = b.jeu();
        int cc = 0, rr = 0;
        QVERIFY(PremiereDonnee(j, cc, rr));
        // A nearest-neighbour enlargement repeats each pixel in 2 x 2 blocks; text drawn at the
        // device resolution does not.
        const QImage &im = b.fenetre->image();
        int blocsInegaux = 0;
        for (int x = 2 * (50 + 45 * (cc - 1) + 4); x < 2 * (50 + 45 * cc - 4); x += 2)
            for (int y = 2 * (26 + 45 * (rr - 1) + 4); y < 2 * (26 + 45 * rr - 4); y += 2) {
                const QRgb p = im.pixel(x, y);
                blocsInegaux += im.pixel(x + 1, y) != p || im.pixel(x, y + 1) != p || im.pixel(x + 1, y + 1) != p;
            }
        QVERIFY2(blocsInegaux > 10, qPrintable(QString::number(blocsInegaux)));
    }
};

int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHauteDensite t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_hautedensite.moc"
