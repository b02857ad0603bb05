// The settings store: one INI file, section K-Ruon, values kept as text between runs.
#include "MagasinQSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumio;

class TestReglages : public QObject {
    Q_OBJECT
  private slots:
    void lesValeursSurviventAUnNouveauDemarrage() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath("Darvel.ini");
        {
            MagasinQSettings m(fichier);
            QCOMPARE(m.Lire("CP", "1"), std::string("1"));
            m.Ecrire("CP", "3");
            m.Ecrire("1NJT", "Zoé, la reine");
            m.Ecrire("NJ", "");
        }
        MagasinQSettings m(fichier);
        QCOMPARE(m.Lire("CP", "1"), std::string("3"));
        QCOMPARE(m.Lire("1NJT", "Ordinateur"), std::string("Zoé, la reine"));
        QCOMPARE(m.Lire("NJ", "Pilou"), std::string(""));
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("[K-Ruon]"));
    }

    void unFichierEditeALaMainSeLitCommeDuTexte() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath("Darvel.ini");
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[K-Ruon]\nCC=1, 2\nCP=\" 2\"\nVF=@Invalid()\n");
        f.close();
        MagasinQSettings m(fichier);
        QCOMPARE(m.Lire("CC", "3"), std::string("1, 2"));
        QCOMPARE(m.Lire("CP", "1"), std::string(" 2"));
        QCOMPARE(m.Lire("VF", "0"), std::string("0"));
    }

    void leFichierDeLUtilisateurEstCeluiDeDarvel() {
        QStandardPaths::setTestModeEnabled(true);
        MagasinQSettings m;
        QVERIFY(m.Fichier().endsWith("Darvel/Darvel.ini"));
        QVERIFY(m.Fichier().contains("qttest"));
    }
};

QTEST_APPLESS_MAIN(TestReglages)
#include "tst_reglages.moc"
