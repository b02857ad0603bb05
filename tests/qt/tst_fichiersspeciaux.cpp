// Pipes, devices, folders and links where the game keeps its settings or a saved game: refused at
// once, never waited on, never replaced; a link to a regular file is written through.
#include "BancFenetre.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/MagasinQSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace lumio;
using namespace lumio::test;

namespace {

// Puts under `chemin` the kind of file a row names. Links point only at what the test made in its
// own folder, a device node included (never at a system file). False when the system refuses
// (a device node needs root).
bool Fabriquer(const QString &genre, const QString &chemin, const QTemporaryDir &ici) {
    const QByteArray c = QFile::encodeName(chemin);
    const QByteArray cible = QFile::encodeName(ici.filePath("cible"));
    QString objet = genre;
    if (genre.startsWith("lien vers ")) objet = genre.mid(10);
    const QByteArray ou = genre.startsWith("lien") ? cible : c;
    if (objet == "un tube" && ::mkfifo(ou.constData(), 0600) != 0) return false;
    if (objet == "un périphérique" && ::mknod(ou.constData(), S_IFCHR | 0600, makedev(1, 5)) != 0)
        return false;
    if (objet == "un dossier" && !QDir().mkdir(QFile::decodeName(ou))) return false;
    if (objet == "un fichier ordinaire") {
        QFile f(QFile::decodeName(ou));
        if (!f.open(QIODevice::WriteOnly) || f.write("[K-Ruon]\nCP=2\n") < 0) return false;
    }
    return !genre.startsWith("lien") || ::symlink(cible.constData(), c.constData()) == 0;
}

// What stands under a name, the link itself not followed.
mode_t Nature(const QString &chemin) {
    struct stat s {};
    return ::lstat(QFile::encodeName(chemin).constData(), &s) == 0 ? s.st_mode & S_IFMT : 0;
}

void Genres() {
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QString>("nature"); // what the player is told it is
    for (const char *g : {"un tube", "un périphérique", "un dossier"}) {
        QTest::newRow(g) << g << g;
        QTest::newRow(qPrintable(QString("lien vers ") + g))
            << QString("lien vers ") + g << QString("un lien vers ") + g;
    }
    QTest::newRow("lien vers rien") << "lien vers rien"
                                    << "un lien vers un fichier qui n'existe pas";
}

} // namespace

class TestFichiersSpeciaux : public QObject {
    Q_OBJECT

  private slots:
    void lesReglagesRestentEnMemoire_data();
    void lesReglagesRestentEnMemoire();
    void unLienVersUnFichierEstSuivi();
    void auDemarrageCeQuiNePeutEtreGardeEstDitUneFois();

    void uneSauvegardeNeRemplaceQuUnFichier_data() { Genres(); }
    void uneSauvegardeNeRemplaceQuUnFichier();
    void uneSauvegardeParUnLienEcritLeFichierVise();
    void uneLectureNeRetientQueCeQueLeFichierContient_data();
    void uneLectureNeRetientQueCeQueLeFichierContient();
    void unFichierQuiSeDitVideEstLuEntier();
};

void TestFichiersSpeciaux::lesReglagesRestentEnMemoire_data() {
    Genres();
    QTest::newRow("verrou de QSettings, un tube") << "verrou: un tube"
                                                  << "un tube";
}

void TestFichiersSpeciaux::lesReglagesRestentEnMemoire() {
    QFETCH(QString, genre);
    QFETCH(QString, nature);
    QTemporaryDir ici;
    const QString fichier = ici.filePath("Darvel.ini");
    const bool verrou = genre.startsWith("verrou: ");
    const QString nom = verrou ? fichier + ".lock" : fichier;
    if (!Fabriquer(verrou ? genre.mid(8) : genre, nom, ici))
        QSKIP("the system refuses to make this kind of file");
    const mode_t avant = Nature(nom);

    MagasinQSettings m(fichier); // returns at once: nothing is opened
    const std::string refus = "Les réglages ne peuvent pas être conservés : « " + nom.toStdString() +
                              " » est " + nature.toStdString() + ".";
    QCOMPARE(m.Refus(), refus);
    QCOMPARE(m.Lire("CP", "1"), std::string("1"));
    m.Ecrire("CP", "3");
    QCOMPARE(m.Lire("CP", "1"), std::string("3")); // for this run
    QCOMPARE(m.Confirmer(), refus);
    QCOMPARE(Nature(nom), avant);
    if (genre.startsWith("lien")) QVERIFY(Nature(ici.filePath("cible")) != S_IFREG);
}

void TestFichiersSpeciaux::unLienVersUnFichierEstSuivi() {
    QTemporaryDir ici;
    const QString fichier = ici.filePath("Darvel.ini");
    QVERIFY(Fabriquer("lien vers un fichier ordinaire", fichier, ici));
    MagasinQSettings m(fichier);
    QCOMPARE(m.Refus(), std::string());
    QCOMPARE(m.Lire("CP", "1"), std::string("2"));
    m.Ecrire("CC", "4");
    QCOMPARE(m.Confirmer(), std::string());
    QCOMPARE(Nature(fichier), mode_t(S_IFLNK));
    QFile cible(ici.filePath("cible"));
    QVERIFY(cible.open(QIODevice::ReadOnly));
    QVERIFY(cible.readAll().contains("CC=4"));
}

void TestFichiersSpeciaux::auDemarrageCeQuiNePeutEtreGardeEstDitUneFois() {
    QTemporaryDir ici;
    const QString fichier = ici.filePath("Darvel.ini");
    QVERIFY(Fabriquer("un tube", fichier, ici));
    MagasinQSettings m(fichier);
    LecteurEnregistreur sons;
    SourceScriptee hasard{{}, 0.37};
    DialoguesScriptes dialogues;
    frmMain f(m, sons, hasard, dialogues, false);
    f.Form_Load();
    QCOMPARE(dialogues.messages.size(), std::size_t(1));
    QCOMPARE(dialogues.messages[0].texte,
             m.Refus() +
                 "\n\nLe jeu se lance avec ses réglages par défaut, qui seront perdus à sa fermeture.");
    QCOMPARE(f.TexteLibelle(2), std::string("Facile"));
    f.Fermer();
}

void TestFichiersSpeciaux::uneSauvegardeNeRemplaceQuUnFichier() {
    QFETCH(QString, genre);
    QFETCH(QString, nature);
    QTemporaryDir ici;
    const QString fichier = ici.filePath("partie.sdk");
    if (!Fabriquer(genre, fichier, ici)) QSKIP("the system refuses to make this kind of file");
    const mode_t avant = Nature(fichier), cibleAvant = Nature(ici.filePath("cible"));
    BancFenetre b;
    QVERIFY(!b.fenetre->EnregistrerFichier(fichier));
    // Refused before any question: no answer could make it a saved game.
    QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
    QCOMPARE(b.dialogues.messages[0].texte, "Impossible d'enregistrer la partie.\n\n« partie.sdk » est " +
                                                nature.toStdString() + " : choisissez un nom de fichier.");
    QCOMPARE(Nature(fichier), avant);
    QCOMPARE(Nature(ici.filePath("cible")), cibleAvant);
}

void TestFichiersSpeciaux::uneSauvegardeParUnLienEcritLeFichierVise() {
    QTemporaryDir ici;
    const QString fichier = ici.filePath("partie.sdk");
    QVERIFY(Fabriquer("lien vers un fichier ordinaire", fichier, ici));
    BancFenetre b;
    b.dialogues.reponses.push_back(Reponse::Oui); // "Ecraser le fichier existant ?"
    QVERIFY(b.fenetre->EnregistrerFichier(fichier));
    QCOMPARE(Nature(fichier), mode_t(S_IFLNK));
    QCOMPARE(QFileInfo(ici.filePath("cible")).size(), qint64(254 * 15));
}

void TestFichiersSpeciaux::uneLectureNeRetientQueCeQueLeFichierContient_data() {
    QTest::addColumn<qint64>("taille");
    QTest::addColumn<qint64>("plafond");
    // A cap far beyond any memory costs nothing: only what the file holds is taken.
    QTest::newRow("small file, huge cap") << qint64(14) << (qint64(1) << 42);
    QTest::newRow("empty file") << qint64(0) << (qint64(1) << 42);
    QTest::newRow("cut at the cap") << qint64(100000) << qint64(4097);
    QTest::newRow("exactly the cap") << qint64(4096) << qint64(4096);
}

void TestFichiersSpeciaux::uneLectureNeRetientQueCeQueLeFichierContient() {
    QFETCH(qint64, taille);
    QFETCH(qint64, plafond);
    QTemporaryDir ici;
    QFile f(ici.filePath("f"));
    QByteArray contenu(qsizetype(taille), '\0');
    for (qsizetype i = 0; i < contenu.size(); ++i)
        contenu[i] = char('a' + i % 26);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu) == taille);
    f.close();
    const LectureOrdinaire l = LireFichierOrdinaire(QFile::encodeName(f.fileName()), plafond);
    QVERIFY(l.lu);
    QCOMPARE(l.octets, contenu.left(qsizetype(std::min(taille, plafond))));
}

// The system's own reports say they are empty and are not.
void TestFichiersSpeciaux::unFichierQuiSeDitVideEstLuEntier() {
    const LectureOrdinaire l = LireFichierOrdinaire("/proc/self/status", 1 << 20);
    QVERIFY(l.lu);
    QVERIFY(l.octets.startsWith("Name:"));
    QVERIFY(l.octets.contains("\nUmask:"));
}

QTEST_MAIN(TestFichiersSpeciaux)
#include "tst_fichiersspeciaux.moc"
