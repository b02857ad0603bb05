// Replays every seed of the fuzzers, crash reproducers included, through the checks the fuzzers
// run: what once broke stays fixed in every build, with or without clang.
#include "../fuzz/Controles.h"

#include <QDir>
#include <QtTest>

using namespace lumio;

class TestRejeu : public QObject {
    Q_OBJECT
  private slots:
    void chaqueGraineResteSaine_data();
    void chaqueGraineResteSaine();
};

void TestRejeu::chaqueGraineResteSaine_data() {
    QTest::addColumn<QString>("cible");
    QTest::addColumn<QString>("fichier");
    for (const QString cible : {"partie", "resolution", "reprise"}) {
        const QDir dossier(LUMIO_TEST_DATA "/fuzz/" + cible);
        const QStringList graines = dossier.entryList(QDir::Files);
        QVERIFY2(!graines.isEmpty(), qPrintable(dossier.path()));
        for (const QString &nom : graines)
            QTest::addRow("%s/%s", qPrintable(cible), qPrintable(nom)) << cible << dossier.filePath(nom);
    }
}

void TestRejeu::chaqueGraineResteSaine() {
    QFETCH(QString, cible);
    QFETCH(QString, fichier);
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    const auto *d = reinterpret_cast<const std::uint8_t *>(octets.constData());
    const std::size_t n = std::size_t(octets.size());
    const std::string faute = cible == "partie"    ? fuzz::ControlePartie(d, n)
                              : cible == "reprise" ? fuzz::ControleReprise(d, n)
                                                   : fuzz::ControleResolution(d, n);
    QVERIFY2(faute.empty(), faute.c_str());
}

QTEST_APPLESS_MAIN(TestRejeu)
#include "tst_rejeu.moc"
