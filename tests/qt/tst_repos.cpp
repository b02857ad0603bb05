// The game left alone: the turning picture draws each frame once and holds still out of sight,
// the hidden focus holder does not blink, minimising stops the clock, and what is asked of Qt's
// X11 plugin at start stays out of the programs the game launches.
#include "BancFenetre.h"
#include "Themes.h"
#include "apparence/Pictogrammes.h"
#include "fenetres/ImageAnimee.h"
#include "plateforme/PiloteX11.h"

#include <QAbstractEventDispatcher>
#include <QVBoxLayout>
#include <QtTest>
#include <map>

using namespace lumio;
using namespace lumio::test;

namespace {

// Frame k of the test pictures is filled with one colour of its own.
QRgb Teinte(int k) {
    return QColor::fromHsv(k * 20 % 360, 255, 255).rgb();
}

// A window with a frame holding a picture, and the frames drawn so far, by index.
struct Banc {
    QWidget fenetre;
    QWidget *cadre = new QWidget(&fenetre);
    std::map<int, int> dessins;
    std::vector<qreal> ratios;
    ImageAnimee *image;

    explicit Banc(int nombre = 5)
        : image(new ImageAnimee(
              nombre, 10,
              [this](int k, qreal ratio) {
                  ++dessins[k];
                  ratios.push_back(ratio);
                  QPixmap p(QSize(8, 8) * ratio);
                  p.setDevicePixelRatio(ratio);
                  p.fill(Teinte(k));
                  return p;
              },
              cadre)) {
        fenetre.resize(100, 100);
        image->setGeometry(0, 0, 20, 30);
    }
    bool Montrer() {
        fenetre.show();
        return QTest::qWaitForWindowExposed(&fenetre);
    }
};

// How far apart two pictures are: the largest difference of one channel of one pixel.
int Ecart(const QImage &a, const QImage &b) {
    int ecart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            ecart = std::max({ecart, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return ecart;
}

QImage Globe(int image, qreal ratio) {
    return DessinerPictogramme(Pictogramme::SiteWeb, 34, ratio, PhaseGlobe(image)).toImage();
}

} // namespace

class TestRepos : public QObject {
    Q_OBJECT
  private slots:
    void chaqueImageNEstDessineeQuUneFois_data();
    void chaqueImageNEstDessineeQuUneFois();
    void lAnimationNeTourneQueVue_data();
    void lAnimationNeTourneQueVue();
    void leGlobeRevientSurSaPremiereImage_data();
    void leGlobeRevientSurSaPremiereImage();
    void laFenetreReduiteArreteLeGlobeEtLeChrono();
    void leGlobeSeTientSurLeFondDuTheme_data();
    void leGlobeSeTientSurLeFondDuTheme();
    void lePorteurDuFocusNeClignotePas();
    void laPreparationDeLAffichageNeResteQuAuDemarrage_data();
    void laPreparationDeLAffichageNeResteQuAuDemarrage();
};

// Several turns of the cycle draw each frame once, at the picture's ratio; the picture
// shows the frame of the moment. A cycle of one frame, or of none asked, still shows one.
void TestRepos::chaqueImageNEstDessineeQuUneFois_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<int>("attendues");
    QTest::newRow("cycle du globe") << ImagesGlobe << ImagesGlobe;
    QTest::newRow("une image") << 1 << 1;
    QTest::newRow("aucune demandée") << 0 << 1;
}

void TestRepos::chaqueImageNEstDessineeQuUneFois() {
    QFETCH(int, nombre);
    QFETCH(int, attendues);
    Banc b(nombre);
    for (int i = 0; i < 3 * attendues + 1; ++i) {
        b.image->Avancer();
        QCOMPARE(b.image->Image().toImage().pixel(0, 0), Teinte(b.image->ImageCourante()));
    }
    QCOMPARE(b.image->ImageCourante(), 1 % attendues);
    QCOMPARE(int(b.dessins.size()), attendues);
    for (auto [k, fois] : b.dessins)
        QCOMPARE(fois, 1);
    for (qreal r : b.ratios)
        QCOMPARE(r, b.image->devicePixelRatioF());
    // The frame of the moment, centred, on the ground of the window.
    const QImage vue = b.image->grab().toImage();
    const qreal r = vue.devicePixelRatio();
    const QRgb fond = b.image->palette().color(QPalette::Window).rgb();
    for (QPoint p : {QPoint(6, 11), QPoint(13, 18)})
        QCOMPARE(vue.pixel(p * r), Teinte(b.image->ImageCourante()));
    for (QPoint p : {QPoint(5, 10), QPoint(14, 19)})
        QCOMPARE(vue.pixel(p * r), fond);
}

// Whatever keeps the picture from being seen stops the animation; undoing it starts it again.
void TestRepos::lAnimationNeTourneQueVue_data() {
    QTest::addColumn<int>("cas");
    QTest::newRow("image cachée") << 0;
    QTest::newRow("cadre caché") << 1;
    QTest::newRow("fenêtre cachée") << 2;
    QTest::newRow("fenêtre réduite") << 3;
}

void TestRepos::lAnimationNeTourneQueVue() {
    QFETCH(int, cas);
    Banc b;
    QVERIFY(!b.image->EnMarche());
    QVERIFY(b.Montrer());
    QTRY_VERIFY(b.image->EnMarche());
    const std::function<void()> cacher[] = {[&] { b.image->hide(); }, [&] { b.cadre->hide(); },
                                            [&] { b.fenetre.hide(); }, [&] { b.fenetre.showMinimized(); }};
    const std::function<void()> remontrer[] = {[&] { b.image->show(); }, [&] { b.cadre->show(); },
                                               [&] { b.fenetre.show(); }, [&] { b.fenetre.showNormal(); }};
    cacher[cas]();
    QTRY_VERIFY(!b.image->EnMarche());
    remontrer[cas]();
    QTRY_VERIFY(b.image->EnMarche());
}

// Frames a third of a turn apart are the same picture, so the cycle closes without a jump,
// while the frames in between do turn.
void TestRepos::leGlobeRevientSurSaPremiereImage_data() {
    QTest::addColumn<qreal>("ratio");
    for (qreal r : {1.0, 1.5, 2.0})
        QTest::addRow("x%g", r) << r;
}

void TestRepos::leGlobeRevientSurSaPremiereImage() {
    QFETCH(qreal, ratio);
    const QImage depart = Globe(0, ratio);
    QCOMPARE(depart.size(), QSize(34, 34) * ratio);
    QVERIFY2(Ecart(depart, Globe(ImagesGlobe, ratio)) <= 2, "the cycle jumps");
    QVERIFY(Ecart(depart, Globe(ImagesGlobe / 2, ratio)) > 40);
    QVERIFY(Ecart(Globe(1, ratio), Globe(2, ratio)) > 0);
}

// In the real window: the globe turns while the window is in view; minimising stops it and
// the clock together, restoring starts them again.
void TestRepos::laFenetreReduiteArreteLeGlobeEtLeChrono() {
    BancFenetre b({}, true, {}, true);
    frmMain &f = *b.fenetre;
    auto *globe = f.findChild<ImageAnimee *>("Image1");
    QVERIFY(globe);
    QTRY_VERIFY(globe->EnMarche());
    QVERIFY(f.tmrSecondes().isActive());
    QCOMPARE(globe->Image().devicePixelRatio(), globe->devicePixelRatioF());
    f.showMinimized();
    QTRY_VERIFY(!globe->EnMarche());
    QTRY_VERIFY(!f.tmrSecondes().isActive());
    f.showNormal();
    QTRY_VERIFY(globe->EnMarche());
    QTRY_VERIFY(f.tmrSecondes().isActive());
}

// The globe paints its own ground: whatever the theme, and after a change of theme, it is the
// window's, all around the globe.
void TestRepos::leGlobeSeTientSurLeFondDuTheme_data() {
    QTest::addColumn<int>("depart");
    QTest::addColumn<int>("theme");
    QTest::newRow("au départ") << 5 << 5;
    QTest::newRow("après un changement") << 3 << 1;
}

void TestRepos::leGlobeSeTientSurLeFondDuTheme() {
    QFETCH(int, depart);
    QFETCH(int, theme);
    BancFenetre b({{"CC", std::to_string(depart)}});
    b.jeu().AppliquerTheme(theme);
    auto *globe = b.fenetre->findChild<ImageAnimee *>("Image1");
    const QImage vue = globe->grab().toImage();
    const Couleur fond = TableThemes[std::size_t(theme)].fenetre;
    for (QPoint p : {QPoint(0, 0), QPoint(1, 20), QPoint(38, 41), QPoint(19, 41)})
        QCOMPARE(vue.pixel(p * vue.devicePixelRatio()), Rgb(fond));
    QCOMPARE(vue.pixel(QPoint(19, 21) * vue.devicePixelRatio()) == Rgb(fond), false);
}

// The focus holder lies out of sight: holding the focus, it keeps no timer running.
void TestRepos::lePorteurDuFocusNeClignotePas() {
    BancFenetre b({}, true, {}, true);
    QLineEdit *coupN = b.fenetre->CoupN();
    QTRY_VERIFY(coupN->hasFocus());
    Touche(*b.fenetre, Qt::Key_Right);
    auto *repartiteur = QAbstractEventDispatcher::instance();
    QVERIFY(repartiteur->registeredTimers(coupN).isEmpty());
    for (QObject *o : coupN->findChildren<QObject *>())
        QVERIFY2(repartiteur->registeredTimers(o).isEmpty(), o->metaObject()->className());
}

// The plugin's switch is set for Qt's start only, and a user's own setting is left alone.
void TestRepos::laPreparationDeLAffichageNeResteQuAuDemarrage_data() {
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QByteArray>("pendant");
    QTest::newRow("rien") << QByteArray() << QByteArray("1");
    QTest::newRow("utilisateur 0") << QByteArray("0") << QByteArray("0");
    QTest::newRow("utilisateur vide") << QByteArray("") << QByteArray("");
}

void TestRepos::laPreparationDeLAffichageNeResteQuAuDemarrage() {
    QFETCH(QByteArray, avant);
    QFETCH(QByteArray, pendant);
    const char *variable = "QT_XCB_NO_MITSHM";
    if (avant.isNull())
        qunsetenv(variable);
    else
        qputenv(variable, avant);
    PreparerAffichage();
    QCOMPARE(qEnvironmentVariableIsSet(variable), !pendant.isNull());
    QCOMPARE(qgetenv(variable), pendant);
    FinirPreparationAffichage();
    QCOMPARE(qEnvironmentVariableIsSet(variable), !avant.isNull());
    QCOMPARE(qgetenv(variable), avant.isNull() ? QByteArray() : avant);
    qunsetenv(variable);
}

QTEST_MAIN(TestRepos)
#include "tst_repos.moc"
