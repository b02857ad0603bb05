// Conversions of stored texts: numeric value, rounding, Booleans, best times.
#include "Conversions.h"

#include <QtTest>

using namespace lumio;

class TestConversions : public QObject {
    Q_OBJECT
  private slots:
    void valeurNumerique_data();
    void valeurNumerique();
    void arrondiAuPairLePlusProche_data();
    void arrondiAuPairLePlusProche();
    void booleens_data();
    void booleens();
    void meilleursTempsEntiers_data();
    void meilleursTempsEntiers();
    void nombresAvecPositionDuSigne();
};

void TestConversions::valeurNumerique_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<double>("valeur");
    QTest::newRow("vide") << "" << 0.0;
    QTest::newRow("blancs en tête") << "   12" << 12.0;
    QTest::newRow("tabulation") << "\t7" << 7.0;
    QTest::newRow("arrêt au premier intrus") << "12abc" << 12.0;
    QTest::newRow("pas un nombre") << "abc" << 0.0;
    QTest::newRow("négatif") << "-3" << -3.0;
    QTest::newRow("signe plus et fraction") << " +4.5x" << 4.5;
    QTest::newRow("exposant") << "1e3" << 1000.0;
    QTest::newRow("exposant incomplet") << "2e" << 2.0;
    QTest::newRow("fraction seule") << ".5" << 0.5;
    QTest::newRow("deux points") << "1.2.3" << 1.2;
    QTest::newRow("blanc au milieu") << "1 2" << 1.0;
    QTest::newRow("signe seul") << "-" << 0.0;
    QTest::newRow("signe de position") << " 754" << 754.0;
    QTest::newRow("au-delà des doubles") << "1e400" << qInf();
    QTest::newRow("cent mille chiffres") << "9" + QString(100000, '9') << qInf();
    QTest::newRow("négatif au-delà des doubles") << "-1e400" << -qInf();
}

void TestConversions::valeurNumerique() {
    QFETCH(QString, texte);
    QFETCH(double, valeur);
    QCOMPARE(ValeurNumerique(texte.toStdString()), valeur);
}

void TestConversions::arrondiAuPairLePlusProche_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<qlonglong>("n");
    QTest::newRow("0.5") << 0.5 << 0LL;
    QTest::newRow("1.5") << 1.5 << 2LL;
    QTest::newRow("2.5") << 2.5 << 2LL;
    QTest::newRow("-0.5") << -0.5 << 0LL;
    QTest::newRow("-1.5") << -1.5 << -2LL;
    QTest::newRow("2.4999") << 2.4999 << 2LL;
    QTest::newRow("3.7") << 3.7 << 4LL;
    QTest::newRow("énorme") << 1e300 << 9200000000000000000LL;
    QTest::newRow("infini") << qInf() << 9200000000000000000LL;
    QTest::newRow("moins l'infini") << -qInf() << -9200000000000000000LL;
}

void TestConversions::arrondiAuPairLePlusProche() {
    QFETCH(double, v);
    QFETCH(qlonglong, n);
    QCOMPARE(ArrondiPair(v), n);
}

void TestConversions::booleens_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("attendu"); // -1: not convertible
    QTest::newRow("Vrai") << "Vrai" << 1;
    QTest::newRow("TRUE") << "TRUE" << 1;
    QTest::newRow("faux") << "faux" << 0;
    QTest::newRow("False") << "False" << 0;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("-1") << "-1" << 1;
    QTest::newRow("blancs") << " 2 " << 1;
    QTest::newRow("au-delà des doubles") << "1e400" << 1;
    QTest::newRow("cent mille chiffres") << "1" + QString(100000, '0') << 1;
    QTest::newRow("sous les doubles") << "1e-400" << 1;
    QTest::newRow("zéro sous toutes ses formes") << "0.000e-400" << 0;
    QTest::newRow("oui") << "oui" << -1;
    QTest::newRow("vide") << "" << -1;
    QTest::newRow("1a") << "1a" << -1;
    QTest::newRow("Peut-être") << "Peut-être" << -1;
}

void TestConversions::booleens() {
    QFETCH(QString, texte);
    QFETCH(int, attendu);
    const auto b = Booleen(texte.toStdString());
    QCOMPARE(b.has_value() ? int(*b) : -1, attendu);
}

void TestConversions::meilleursTempsEntiers_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("attendu"); // -99999: no value
    QTest::newRow("5999") << "5999" << 5999;
    QTest::newRow("signe de position") << " 754" << 754;
    QTest::newRow("fraction") << "5999.5" << -99999;
    QTest::newRow("texte") << "abc" << -99999;
    QTest::newRow("trop grand") << "40000" << -99999;
    QTest::newRow("négatif") << "-1" << -1;
    QTest::newRow("suivi d'un intrus") << "12s" << -99999;
    QTest::newRow("au-delà des doubles") << "1e400" << -99999;
    QTest::newRow("cent mille chiffres") << "1" + QString(100000, '0') << -99999;
}

void TestConversions::meilleursTempsEntiers() {
    QFETCH(QString, texte);
    QFETCH(int, attendu);
    const auto v = Entier16(texte.toStdString());
    QCOMPARE(v ? int(*v) : -99999, attendu);
}

void TestConversions::nombresAvecPositionDuSigne() {
    QCOMPARE(AvecSigne(1), std::string(" 1"));
    QCOMPARE(AvecSigne(754), std::string(" 754"));
    QCOMPARE(AvecSigne(0), std::string(" 0"));
    QCOMPARE(AvecSigne(-3), std::string("-3"));
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
