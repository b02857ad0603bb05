// The settings store: one INI file, section K-Ruon, values kept as text between runs.
#include "plateforme/MagasinQSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumio;

class TestReglages : public QObject {
    Q_OBJECT
  private slots:
    void lesValeursSurviventAUnNouveauDemarrage();
    void unFichierEditeALaMainSeLitCommeDuTexte();
    void unFichierQuiNePeutEtreEcritLeDitJusquAuRetourALaNormale();
    void uneSectionEstRecriteSansToucherAuReste_data();
    void uneSectionEstRecriteSansToucherAuReste();
    void lesEcrituresDUneActionPartentEnUneFois();
    void unAutreProgrammeEstLuSousVerrou();
    void leFichierDeLUtilisateurEstCeluiDeDarvel();
};

void TestReglages::lesValeursSurviventAUnNouveauDemarrage() {
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

void TestReglages::unFichierEditeALaMainSeLitCommeDuTexte() {
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

void TestReglages::unFichierQuiNePeutEtreEcritLeDitJusquAuRetourALaNormale() {
    // A regular file where the settings folder should be stops even root from writing.
    QTemporaryDir dossier;
    const QString bloc = dossier.filePath("bloc");
    QFile f(bloc);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString fichier = bloc + "/Darvel.ini";
    MagasinQSettings m(fichier);
    QCOMPARE(m.Confirmer(), std::string());
    m.Ecrire("1Tp", "100");
    QCOMPARE(m.Confirmer(), "Le dossier des réglages « " + bloc.toStdString() + " » ne peut pas être créé.");
    QCOMPARE(m.Lire("1Tp", "5999"), std::string("100")); // still there for this run
    // Once the folder can be made, the next write is judged on its own.
    QVERIFY(QFile::remove(bloc) && QDir().mkdir(bloc));
    m.Ecrire("1NJT", "Zoé");
    QCOMPARE(m.Confirmer(), std::string());
    QFile ini(fichier);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray texte = ini.readAll();
    QVERIFY2(texte.contains("1Tp=100") && texte.contains("1NJT="), texte.constData());
}

// The game's section is written back into the file, every other byte kept: the file may be
// shared with other programs, or hand-edited, and of any size.
void TestReglages::uneSectionEstRecriteSansToucherAuReste_data() {
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QByteArray>("apres");
    QTest::newRow("autres sections intactes")
        << QByteArray("; note\n[A]\nx = 1\n[K-Ruon]\nCP=1\nNJ=Zo\xc3\xa9\n[B]\ny=\"2\"\n")
        << QByteArray("; note\n[A]\nx = 1\n[K-Ruon]\nCC=4\nCP=3\nNJ=Zo\xc3\xa9\n[B]\ny=\"2\"\n");
    QTest::newRow("section absente, fichier sans fin de ligne")
        << QByteArray("[A]\nx=1") << QByteArray("[A]\nx=1\n\n[K-Ruon]\nCC=4\nCP=3\n");
    QTest::newRow("fichier vide") << QByteArray() << QByteArray("[K-Ruon]\nCC=4\nCP=3\n");
    QTest::newRow("section en deux morceaux")
        << QByteArray("[K-Ruon]\nCP=1\n[A]\nx=1\n[K-Ruon]\nCP=2\nVF=1\n")
        << QByteArray("[K-Ruon]\nCC=4\nCP=3\n[A]\nx=1\n[K-Ruon]\nVF=1\n");
    QTest::newRow("valeur sur deux lignes")
        << QByteArray("[K-Ruon]\nCP=1\\\n2\nVF=1\n") << QByteArray("[K-Ruon]\nCC=4\nCP=3\nVF=1\n");
    QTest::newRow("espaces et fins de ligne Windows") << QByteArray("[ K-Ruon ]\r\n CP = 1\r\nVF=1\r\n")
                                                      << QByteArray("[ K-Ruon ]\r\nCC=4\nCP=3\nVF=1\r\n");
}

void TestReglages::uneSectionEstRecriteSansToucherAuReste() {
    QFETCH(QByteArray, avant);
    QFETCH(QByteArray, apres);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("Darvel.ini");
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(avant);
    f.close();
    {
        MagasinQSettings m(fichier);
        m.Ecrire("CP", "3");
        m.Ecrire("CC", "4");
        QCOMPARE(m.Confirmer(), std::string());
    }
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), apres);
    f.close();
    MagasinQSettings relu(fichier);
    QCOMPARE(relu.Lire("CP", "1") + relu.Lire("CC", "3"), std::string("34"));
}

void TestReglages::lesEcrituresDUneActionPartentEnUneFois() {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("Darvel.ini");
    MagasinQSettings m(fichier);
    m.Ecrire("CP", "3");
    m.Ecrire("CC", "4");
    QVERIFY(!QFileInfo::exists(fichier));
    QCOMPARE(m.Confirmer(), std::string());
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray texte = f.readAll();
    QVERIFY(texte.contains("CP=3") && texte.contains("CC=4"));
}

// Another window of the game writes the same file: a record it set is read afresh, under a
// lock that stops a third one from writing in between.
void TestReglages::unAutreProgrammeEstLuSousVerrou() {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("Darvel.ini");
    MagasinQSettings m(fichier);
    QCOMPARE(m.Lire("1Tp", "5999"), std::string("5999"));
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[K-Ruon]\n1Tp=11\n1NJT=Zoé\n");
    f.close();
    QVERIFY(m.Verrouiller());
    QLockFile autre(fichier + ".verrou");
    QVERIFY(!autre.tryLock(0));
    m.Relire();
    QCOMPARE(m.Lire("1Tp", "5999"), std::string("11"));
    m.Deverrouiller();
    QVERIFY(autre.tryLock(0));
}

void TestReglages::leFichierDeLUtilisateurEstCeluiDeDarvel() {
    QStandardPaths::setTestModeEnabled(true);
    MagasinQSettings m;
    QVERIFY(m.Fichier().endsWith("Darvel/Darvel.ini"));
    QVERIFY(m.Fichier().contains("qttest"));
}

QTEST_APPLESS_MAIN(TestReglages)
#include "tst_reglages.moc"
