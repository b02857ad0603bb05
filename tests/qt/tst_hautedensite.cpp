// The board above ratio 1: even lines on whole device pixels, and at ratio 2 its geometry and sharp text.
#include "BancFenetre.h"
#include "Factices.h"

#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

// The runs of one colour met along a row (or a column) of device pixels, in order.
QList<int> Traits(const QImage &im, bool ligne, int a, Couleur c) {
    QList<int> traits;
    int n = 0;
    const int bout = ligne ? im.width() : im.height();
    for (int i = 0; i <= bout; ++i) {
        const bool dedans = i < bout && (ligne ? im.pixel(i, a) : im.pixel(a, i)) == Rgb(c);
        if (dedans)
            ++n;
        else if (n)
            traits << n, n = 0;
    }
    return traits;
}

// A board drawn alone at a device pixel ratio.
struct Plateau {
    QImage image;
    SurfaceImage surface{image};
    Monde m;
    Jeu jeu{surface, m.fenetre, m.reglages, m.sons, m.hasard};
    explicit Plateau(qreal ratio) : image(QSize(730, 517) * ratio, QImage::Format_ARGB32_Premultiplied) {
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        jeu.CFONDGRILLE = RGB(255, 255, 255);
        jeu.PreparerPlateau();
    }
};

} // namespace

class TestHauteDensite : public QObject {
    Q_OBJECT
  private slots:
    void chaqueGenreDeTraitGardeUneLargeur_data();
    void chaqueGenreDeTraitGardeUneLargeur();
    void lImageSuitLaDensiteEtGardeSaGeometrie();
    void lesChiffresOntDesBordsPlusFinsQuUnAgrandissement();
};

// Across the board, at any ratio, every thin line has one width, the two inner thick lines
// another, and the outer frame one more on both sides; so does the cursor frame, which leaves
// nothing behind when it moves on.
void TestHauteDensite::chaqueGenreDeTraitGardeUneLargeur_data() {
    QTest::addColumn<qreal>("ratio");
    for (qreal r : {1.25, 1.5, 1.75, 2.0})
        QTest::addRow("x%g", r) << r;
}

void TestHauteDensite::chaqueGenreDeTraitGardeUneLargeur() {
    QFETCH(qreal, ratio);
    Plateau p(ratio);
    const Plateau vierge(ratio);
    p.jeu.Xcur = 50 + 45 * 5 - 1, p.jeu.Ycur = 26 + 45 * 5 - 1;
    p.jeu.DessinerCadre(5, 5);
    for (bool ligne : {true, false}) {
        // Through the middle of the fifth row (column) of cells, and through the first.
        const int origine = ligne ? 26 : 50;
        for (int milieu : {origine + 45 * 4 + 22, origine + 22}) {
            const int a = int(milieu * ratio);
            const QList<int> fins = Traits(p.image, ligne, a, CouleurLigneFine);
            const QList<int> epais = Traits(p.image, ligne, a, CouleurLigneEpaisse);
            QVERIFY2(fins.size() >= 4 && fins.count(fins[0]) == fins.size(),
                     qPrintable(QDebug::toString(fins)));
            QVERIFY2(epais.size() == 4 && epais[0] == epais[3] && epais[1] == epais[2] && epais[1] < epais[0],
                     qPrintable(QDebug::toString(epais)));
        }
        const QList<int> cadre =
            Traits(p.image, ligne, int((ligne ? 26 + 45 * 4 + 22 : 50 + 45 * 4 + 22) * ratio), CouleurCadre);
        QVERIFY2(cadre.size() == 2 && cadre[0] == cadre[1], qPrintable(QDebug::toString(cadre)));
    }
    for (auto [c, r] : {std::pair{5, 6}, {6, 6}, {9, 9}, {1, 1}, {3, 4}}) {
        int c0 = 0, r0 = 0;
        p.jeu.CaseCurseur(c0, r0);
        p.jeu.Xcur = float(50 + 45 * c - 1), p.jeu.Ycur = float(26 + 45 * r - 1);
        p.jeu.RedessinerCurseur(c0, r0, c, r);
    }
    p.jeu.RedessinerCurseur(3, 4, 3, 4);
    // Everything but the frame on (3, 4) is the untouched board.
    const int x1 = 50 + 45 * 2, y1 = 26 + 45 * 3;
    const QRect cadre34(QPoint(int((x1 - 1) * ratio) - 1, int((y1 - 1) * ratio) - 1),
                        QPoint(int((x1 + 46) * ratio) + 1, int((y1 + 46) * ratio) + 1));
    for (int y = 0; y < p.image.height(); ++y)
        for (int x = 0; x < p.image.width(); ++x)
            if (!cadre34.contains(x, y) && p.image.pixel(x, y) != vierge.image.pixel(x, y))
                QFAIL(qPrintable(QString("trace at device %1, %2").arg(x).arg(y)));
}

void TestHauteDensite::lImageSuitLaDensiteEtGardeSaGeometrie() {
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
    for (int x = 368; x <= 373; ++x)
        QCOMPARE(im.pixel(x, 2 * 226), Rgb(CouleurLigneEpaisse));
}

void TestHauteDensite::lesChiffresOntDesBordsPlusFinsQuUnAgrandissement() {
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

int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHauteDensite t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_hautedensite.moc"
