// The game clock: its text, tick, pause and minimising; reading a stored best time.
#include "PartieEssai.h"

#include <QtTest>

using namespace lumio;
using namespace lumio::test;

class TestChrono : public QObject {
    Q_OBJECT

  private slots:
    void formaterTemps_data();
    void formaterTemps();
    void tic_data();
    void tic();
    void pauseApresVictoire();
    void reduire_data();
    void reduire();
    void leCompteurSArreteAuLieuDeRepartirAZero();
    void lireMeilleurTemps_data();
    void lireMeilleurTemps();
};

void TestChrono::formaterTemps_data() {
    QTest::addColumn<qlonglong>("secondes");
    QTest::addColumn<QString>("texte");
    QTest::addRow("0") << 0LL << "0:00";
    QTest::addRow("59") << 59LL << "0:59";
    QTest::addRow("60") << 60LL << "1:00";
    QTest::addRow("754") << 754LL << "12:34";
    QTest::addRow("5999") << 5999LL << "99:59";
    QTest::addRow("6000") << 6000LL << "100:00";
    QTest::addRow("40000") << 40000LL << "666:40";
}

void TestChrono::formaterTemps() {
    QFETCH(qlonglong, secondes);
    QFETCH(QString, texte);
    QCOMPARE(QString::fromStdString(FormaterTemps(secondes)), texte);
}

void TestChrono::tic_data() {
    QTest::addColumn<int>("avant");
    QTest::addColumn<QString>("texte");
    QTest::addRow("59 to 1:00") << 59 << "1:00";
    QTest::addRow("past 16 bits") << 32767 << "546:08";
}

void TestChrono::tic() {
    QFETCH(int, avant);
    QFETCH(QString, texte);
    Partie p;
    p.jeu.SecondesEcoulees = avant;
    p.jeu.tmrSecondes_Timer();
    QCOMPARE(p.jeu.SecondesEcoulees, avant + 1);
    QCOMPARE(QString::fromStdString(p.m.fenetre.libelles[3]), texte);
}

void TestChrono::pauseApresVictoire() {
    Partie p;
    p.m.fenetre.chrono = false; // stopped by a victory
    p.jeu.SPause();
    QVERIFY(p.m.fenetre.pause && !p.m.fenetre.chrono);
    p.jeu.SPause();
    QVERIFY(!p.m.fenetre.pause && p.m.fenetre.chrono);
}

// Minimising stops the clock; restoring starts again only a clock that minimising stopped,
// so a won or paused game keeps still.
void TestChrono::reduire_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("avant");
    QTest::addColumn<bool>("reduit");
    QTest::addColumn<bool>("restaure");
    QTest::addRow("play, running") << 1 << true << false << true;
    QTest::addRow("play, won or paused") << 1 << false << false << false;
    QTest::addRow("creation") << 2 << false << false << false;
}

void TestChrono::reduire() {
    QFETCH(int, mode);
    QFETCH(bool, avant);
    QFETCH(bool, reduit);
    QFETCH(bool, restaure);
    Partie p;
    p.jeu.ModeJeu = mode;
    p.m.fenetre.chrono = avant;
    p.jeu.Form_Resize(true);
    QCOMPARE(p.m.fenetre.chrono, reduit);
    p.jeu.Form_Resize(false);
    QCOMPARE(p.m.fenetre.chrono, restaure);
    // A second restore (another state change) starts nothing more.
    p.m.fenetre.chrono = false;
    p.jeu.Form_Resize(false);
    QVERIFY(!p.m.fenetre.chrono);
}

void TestChrono::leCompteurSArreteAuLieuDeRepartirAZero() {
    Partie p;
    p.jeu.SecondesEcoulees = 2147483647;
    p.jeu.tmrSecondes_Timer();
    QCOMPARE(p.jeu.SecondesEcoulees, 2147483647);
    QCOMPARE(QString::fromStdString(p.m.fenetre.libelles[3]), QString("35791394:07"));
}

void TestChrono::lireMeilleurTemps_data() {
    QTest::addColumn<QString>("stocke"); // "-" for a missing key
    QTest::addColumn<int>("secondes");
    QTest::addRow("missing") << "-" << 5999;
    QTest::addRow("whole number") << "754" << 754;
    QTest::addRow("blanks around") << " 42 " << 42;
    QTest::addRow("fraction") << "12.5" << 5999;
    QTest::addRow("beyond 16 bits") << "40000" << 5999;
    QTest::addRow("not a number") << "vite" << 5999;
    QTest::addRow("negative") << "-3" << 5999;
}

void TestChrono::lireMeilleurTemps() {
    QFETCH(QString, stocke);
    QFETCH(int, secondes);
    Partie p;
    if (stocke != "-") p.m.reglages.valeurs["2Tp"] = stocke.toStdString();
    QCOMPARE(int(p.jeu.LireMeilleurTemps(2)), secondes);
}

QTEST_APPLESS_MAIN(TestChrono)
#include "tst_chrono.moc"
