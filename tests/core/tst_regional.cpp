// Numbers read the same under the French locale, the game's main audience, as under C: saved
// games, settings and the interrupted game follow the C rules whatever the locale says.
#include "Conversions.h"
#include "FichierPartie.h"
#include "Options.h"
#include "Reprise.h"

#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace lumio;

class TestRegional : public QObject {
    Q_OBJECT

    QTemporaryDir locales_;

  private slots:
    void initTestCase();
    void cleanupTestCase() { std::setlocale(LC_ALL, "C"); }
    void lesNombresGardentLeurPoint_data();
    void lesNombresGardentLeurPoint();
    void lesLecteursDonnentLeMemeJeu();
};

void TestRegional::initTestCase() {
    // The locale is made in the test's own folder when the system has not generated it: the
    // definitions come with the locales package.
    if (!std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        const std::string commande =
            "localedef -i fr_FR -f UTF-8 '" + locales_.path().toStdString() + "/fr_FR.UTF-8' >/dev/null 2>&1";
        if (std::system(commande.c_str()) != 0 && !QFileInfo::exists(locales_.filePath("fr_FR.UTF-8")))
            QSKIP("fr_FR.UTF-8 is not available and localedef cannot make it (install the locales "
                  "package)");
        qputenv("LOCPATH", QFile::encodeName(locales_.path()));
        if (!std::setlocale(LC_ALL, "fr_FR.UTF-8")) QSKIP("fr_FR.UTF-8 cannot be set");
    }
    // The locale is really in force: its C library stops a number at the point.
    QCOMPARE(std::strtod("3.5", nullptr), 3.0);
}

void TestRegional::lesNombresGardentLeurPoint_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<double>("valeur");
    QTest::newRow("temps d'une partie") << " 754.6" << 754.6;
    QTest::newRow("niveau") << "3.5" << 3.5;
    QTest::newRow("exposant") << "2.5e1" << 25.0;
    QTest::newRow("virgule") << "3,5" << 3.0;
}

void TestRegional::lesNombresGardentLeurPoint() {
    QFETCH(QString, texte);
    QFETCH(double, valeur);
    QCOMPARE(ValeurNumerique(texte.toStdString()), valeur);
}

void TestRegional::lesLecteursDonnentLeMemeJeu() {
    // CP=3.5 is the fourth level, Expert, as under C.
    QCOMPARE(OptionNiveau("3.5"), 4);
    // A saved game timed " 754.6" is refused, as under C, rather than opened at 12:34.
    std::ifstream f(LUMIO_TEST_DATA "/jeu_ecrit.sdk", std::ios::binary);
    std::vector<std::uint8_t> octets{std::istreambuf_iterator<char>(f), {}};
    QVERIFY(octets.size() > 30);
    const std::string temps = " 754.6";
    octets[15 + 2] = std::uint8_t(temps.size());
    std::copy(temps.begin(), temps.end(), octets.begin() + 15 + 4);
    const LecturePartie lue = LirePartie(octets);
    QVERIFY(!lue);
    QCOMPARE(lue.raison, RaisonTemps);
    // The interrupted game's cursor comes back to the very float.
    EtatReprise e;
    e.Xcur = 230.5f;
    e.Ycur = 0.1f;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            e.GrilleSolution(c, r) = Chiffre(((r - 1) * 3 + (r - 1) / 3 + (c - 1)) % 9 + 1);
    std::string detail;
    const auto relu = LireReprise(EcrireReprise(e), detail);
    QVERIFY2(relu, detail.c_str());
    QCOMPARE(relu->Xcur, 230.5f);
    QCOMPARE(relu->Ycur, 0.1f);
}

QTEST_APPLESS_MAIN(TestRegional)
#include "tst_regional.moc"
