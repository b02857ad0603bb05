// What a player who starts the game from a terminal reads there: the game's own French lines, one
// per cause, and nothing of Qt's or of the desktop's tools.
#include "BancFenetre.h"
#include "plateforme/Liens.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumio;
using namespace lumio::test;

class TestTerminal : public QObject {
    Q_OBJECT
  private slots:
    void uneLigneParCauseEtRienDAutre();
    void lesCommandesSansFenetreDisentUneLigne_data();
    void lesCommandesSansFenetreDisentUneLigne();
};

// Without a browser or a mail program (the opener fails as xdg-open does, in ten lines), without a
// runtime folder and, on this machine, without a sound output: links tried twice each, sounds
// played several times, then the game quit from its menu.
void TestTerminal::uneLigneParCauseEtRienDAutre() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("the game's windows need a real display");
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) QSKIP("xdotool absent");
    QTemporaryDir dossier;
    QFile ouvreur(dossier.filePath("xdg-open"));
    QVERIFY(ouvreur.open(QIODevice::WriteOnly));
    ouvreur.write(
        "#!/bin/sh\nfor i in 1 2 3 4 5 6 7 8 9 10; do echo \"xdg-open: 882: www-browser: not found\" >&2; "
        "done\nexit 3\n");
    ouvreur.close();
    ouvreur.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.remove("LUMIO_MESSAGES_QT");
    env.insert("PATH", dossier.path() + ":" + env.value("PATH"));
    env.insert("HOME", dossier.path());
    env.insert("XDG_CONFIG_HOME", dossier.filePath("config"));
    JeuPilote pilote(env);
    QProcess &jeu = pilote.jeu;
    auto xdotool = [&](const QStringList &args) { return pilote.Xdotool(args); };
    const QString fenetre = pilote.fenetre;
    QVERIFY(!fenetre.isEmpty());
    xdotool({"windowfocus", "--sync", fenetre});
    // Two hints, each drawn with its sound; the mail from the menu twice; the web page twice from
    // the about window.
    xdotool({"key", "--delay", "300", "F6", "F6", "alt+question", "c", "alt+question", "c"});
    for (int fois = 0; fois < 2; ++fois) {
        xdotool({"key", "--delay", "150", "alt+question", "p"});
        xdotool({"search", "--sync", "--onlyvisible", "--name", "^A propos$"});
        xdotool({"key", "--delay", "300", "Tab", "Return", "Escape"});
    }
    QTest::qWait(1500); // the opener's failures come back on their own time
    xdotool({"key", "--delay", "300", "alt+p", "q", "Return"});
    QVERIFY2(jeu.waitForFinished(15000), "the game did not quit");

    QStringList attendu{"sudoku-lumio : aucun programme de courrier n'a pu écrire à « " + AdresseContact() +
                            " ».",
                        "sudoku-lumio : aucun navigateur n'a pu ouvrir « " + AdressePageWeb() + " »."};
    if (QMediaDevices::audioOutputs().isEmpty())
        attendu << "sudoku-lumio : aucune sortie son n'est disponible : le jeu reste muet.";
    QStringList vu = QString::fromUtf8(jeu.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    vu.sort();
    attendu.sort();
    QCOMPARE(vu, attendu);
    QVERIFY(jeu.readAllStandardOutput().isEmpty());
}

void TestTerminal::lesCommandesSansFenetreDisentUneLigne_data() {
    QTest::addColumn<QStringList>("arguments"); // DOSSIER stands for a scratch folder
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("lot écrit") << QStringList{"--imprimer-grilles", "1", "DOSSIER/lot.pdf"} << QStringList{};
    QTest::newRow("dossier absent")
        << QStringList{"--imprimer-grilles", "1", "DOSSIER/absent/lot.pdf"}
        << QStringList{"Impossible d'écrire DOSSIER/absent/lot.pdf : le dossier n'existe pas"};
    QTest::newRow("partie absente")
        << QStringList{"--imprimer", "DOSSIER/grille.pdf", "DOSSIER/absente.sdk"}
        << QStringList{
               "sudoku-lumio : Impossible d'ouvrir la partie « absente.sdk » : le fichier n'existe pas. "
               "[DOSSIER/absente.sdk : No such file or directory]"};
    QTest::newRow("capture d'un dossier")
        << QStringList{"--capture", "DOSSIER/image.png", "DOSSIER"}
        << QStringList{"sudoku-lumio : Impossible d'ouvrir la partie « DOSSIER » : c'est un dossier, pas un "
                       "fichier. [DOSSIER : pas un fichier ordinaire : un dossier]"};
}

// Run from a script, with no session folder and no sound output: the error stream is the answer,
// one line for one cause, nothing of Qt's.
void TestTerminal::lesCommandesSansFenetreDisentUneLigne() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lignes);
    QTemporaryDir dossier;
    const QString d = QDir(dossier.path()).canonicalPath();
    for (QString &a : arguments)
        a.replace("DOSSIER", d);
    // The player's sentence names the file, the cause gives its path.
    for (QString &l : lignes)
        l.replace("« DOSSIER »", "« " + QFileInfo(d).fileName() + " »").replace("DOSSIER", d);
    QProcess p;
    HorsEcran(p, d + "/config");
    QProcessEnvironment env = p.processEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.remove("LUMIO_MESSAGES_QT");
    env.insert("LC_ALL", "C.UTF-8");
    p.setProcessEnvironment(env);
    p.start(Programme(), arguments);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts), lignes);
}

QTEST_MAIN(TestTerminal)
#include "tst_terminal.moc"
