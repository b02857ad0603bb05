// Printing from the command line, read back from the PDF files: pages, paper, titles, where the
// grids stand on the sheet, the digits of puzzles and solutions, and the refusals.
#include "BancFenetre.h"
#include "LecturePdf.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <sys/stat.h>

using namespace lumio;
using namespace lumio::test;

namespace {

// The state the system gives a process ('R' running, 'T' stopped…).
char Etat(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return '?';
    const QByteArray s = f.readAll();
    const qsizetype fin = s.lastIndexOf(')');
    return fin >= 0 && fin + 2 < s.size() ? s[fin + 2] : '?';
}

} // namespace

class TestImpressionPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString Chemin(const QString &nom) const { return dossier_.filePath(nom); }
    std::pair<int, QString> Lancer(const QStringList &arguments, bool sansAffichage = false);

  private slots:
    void unLotDeTroisGrillesEtSesSolutions();
    void lesGrillesSontPlaceesDepuisLesBordsDeLaFeuille();
    void laGrilleDUnePartieEnregistree();
    void lesDemandesRefuseesNeChangentRien_data();
    void lesDemandesRefuseesNeChangentRien();
    void unNomGardeSesOctets_data();
    void unNomGardeSesOctets();
    void lesCommandesSansFenetreSePassentDEcran_data();
    void lesCommandesSansFenetreSePassentDEcran();
    void uneImpressionInterrompueNeLaisseRien_data();
    void uneImpressionInterrompueNeLaisseRien();
};

// The exit code, and what was said on the error stream.
std::pair<int, QString> TestImpressionPdf::Lancer(const QStringList &arguments, bool sansAffichage) {
    QProcess p;
    HorsEcran(p, dossier_.path());
    if (sansAffichage) {
        // No display and no platform named: the program must find its own way.
        QProcessEnvironment env = p.processEnvironment();
        for (const char *v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(v);
        p.setProcessEnvironment(env);
    }
    p.start(Programme(), arguments);
    if (!p.waitForFinished(60000)) p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

void TestImpressionPdf::unLotDeTroisGrillesEtSesSolutions() {
    const QString pdf = Chemin("lot.pdf");
    QCOMPARE(Lancer({"--imprimer-grilles", "3", pdf, "--graine", "7", "--niveau", "2"}, true).first, 0);
    QCOMPARE(Pages(pdf), 4);
    QVERIFY(QString::fromUtf8(Outil("pdfinfo", {pdf})).contains("(A4)"));
    // Every solution is a valid grid that agrees with each digit of its puzzle.
    for (int n = 1; n <= 3; ++n) {
        const int page = (n + 1) / 2;
        const double haut = n % 2 ? 25 : 175;
        const auto grilles = Mots(pdf, page), solutions = Mots(pdf, page + 2);
        QVERIFY(Titres(grilles).contains(QString("Grille %1 - Niveau moyen").arg(n)));
        QVERIFY(Titres(solutions).contains(QString("Solution grille %1 - Niveau moyen").arg(n)));
        const GrilleChiffres g = GrilleLue(grilles, haut), s = GrilleLue(solutions, haut);
        QVERIFY(GrilleValide(s));
        int donnees = 0;
        for (int k = 0; k < 81; ++k)
            if (const Chiffre d = g.Cases()[std::size_t(k)])
                donnees += d == s.Cases()[std::size_t(k)] ? 1 : 100;
        QVERIFY2(donnees >= 28 && donnees <= 32, qPrintable(QString::number(donnees)));
    }
    // The same seed gives the same grids again.
    QCOMPARE(
        Lancer({"--imprimer-grilles", "3", Chemin("encore.pdf"), "--graine", "7", "--niveau", "2"}).first, 0);
    QCOMPARE(Outil("pdftotext", {Chemin("encore.pdf"), "-"}), Outil("pdftotext", {pdf, "-"}));
}

void TestImpressionPdf::lesGrillesSontPlaceesDepuisLesBordsDeLaFeuille() {
    const QString pdf = Chemin("place.pdf");
    QCOMPARE(Lancer({"--imprimer-grilles", "2", pdf, "--sans-solutions"}).first, 0);
    QCOMPARE(Pages(pdf), 1);
    // Ten pixels a millimetre: a bold block rule is a dark run of about four pixels, a cell's
    // hairline a single one.
    Outil("pdftoppm", {"-gray", "-r", "254", "-png", "-singlefile", pdf, Chemin("page")});
    const QImage page(Chemin("page.png"));
    QVERIFY(page.width() == 2100 && std::abs(page.height() - 2970) <= 1);
    auto Regles = [&](bool colonnes, int a) {
        std::vector<int> v;
        for (int b = 0, debut = -1; b < (colonnes ? page.width() : page.height()); ++b) {
            const bool sombre = qGray(colonnes ? page.pixel(b, a) : page.pixel(a, b)) < 100;
            if (sombre && debut < 0) debut = b;
            if (!sombre && debut >= 0 && b - debut >= 3) v.push_back(debut);
            if (!sombre) debut = -1;
        }
        return v;
    };
    // Across the top row of cells above its digits, then down the last column right of them.
    const std::vector<int> colonnes = Regles(true, 260), lignes = Regles(false, 1270);
    const std::vector<double> attendues{20, 56, 92, 128}, hauteurs{25, 61, 97, 133, 175, 211, 247, 283};
    QCOMPARE(colonnes.size(), attendues.size());
    QCOMPARE(lignes.size(), hauteurs.size());
    for (std::size_t i = 0; i < colonnes.size(); ++i)
        QVERIFY(std::abs(colonnes[i] / 10.0 - attendues[i]) <= 0.5);
    for (std::size_t i = 0; i < lignes.size(); ++i)
        QVERIFY(std::abs(lignes[i] / 10.0 - hauteurs[i]) <= 0.5);
}

void TestImpressionPdf::laGrilleDUnePartieEnregistree() {
    BancFenetre b;
    const QString partie = LUMIO_TEST_DATA "/jeu_ecrit.sdk";
    QVERIFY(b.fenetre->OuvrirFichier(partie));
    for (bool solution : {false, true}) {
        const QString pdf = Chemin(solution ? "solution.pdf" : "donnees.pdf");
        QStringList arguments{"--imprimer", pdf, partie};
        if (solution) arguments << "--avec-solution";
        QCOMPARE(Lancer(arguments).first, 0);
        const GrilleChiffres g = GrilleLue(Mots(pdf, 1), 15);
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                QCOMPARE(g(c, r), solution || b.jeu().CasesDonnees(c, r) ? b.jeu().GrilleSolution(c, r) : 0);
    }
    // A PDF replaced keeps its permissions; with no game named, the start-up game prints.
    const QString pdf = Chemin("donnees.pdf");
    QVERIFY(QFile::setPermissions(pdf, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(Lancer({"--imprimer", pdf}).first, 0);
    QCOMPARE(Pages(pdf), 1);
    QCOMPARE(QFileInfo(pdf).permissions() & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestImpressionPdf::lesDemandesRefuseesNeChangentRien_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("zéro") << QStringList{"--imprimer-grilles", "0", "@cible"}
                          << "Vous pouvez imprimer de 1 à 99 grilles.";
    QTest::newRow("cent") << QStringList{"--imprimer-grilles", "100", "@cible"} << "de 1 à 99 grilles";
    QTest::newRow("niveau 5") << QStringList{"--imprimer-grilles", "2", "@cible", "--niveau", "5"}
                              << "Le niveau doit être 1, 2, 3 ou 4.";
    QTest::newRow("graine") << QStringList{"--imprimer-grilles", "2", "@cible", "--graine", "x"}
                            << "nombre entier";
    QTest::newRow("partie abîmée") << QStringList{"--imprimer", "@cible", "@abime.sdk"} << "abime.sdk :";
    QTest::newRow("partie dans un tube") << QStringList{"--imprimer", "@cible", "@tube"} << "pas un fichier";
    QTest::newRow("pas un PDF") << QStringList{"--imprimer-grilles", "1", "@notes.txt"} << "n'est pas un PDF";
    QTest::newRow("tube") << QStringList{"--imprimer-grilles", "1", "@tube"} << "pas un fichier ordinaire";
    QTest::newRow("dossier absent") << QStringList{"--imprimer-grilles", "1", "@nulle-part/x.pdf"}
                                    << "le dossier n'existe pas";
    // Refused like a folder without write permission, even for root, who could replace it.
    QTest::newRow("PDF en lecture seule") << QStringList{"--imprimer-grilles", "1", "@lecture-seule.pdf"}
                                          << "lecture-seule.pdf : permission refusée";
}

void TestImpressionPdf::lesDemandesRefuseesNeChangentRien() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir ici;
    const std::map<QString, QByteArray> fichiers{{"cible", "%PDF-1.4 le PDF d'avant\n"},
                                                 {"notes.txt", "des notes\n"},
                                                 {"abime.sdk", QByteArray(100, 'x')},
                                                 {"lecture-seule.pdf", "%PDF-1.4 gardé\n"}};
    for (const auto &[nom, octets] : fichiers) {
        QFile f(ici.filePath(nom));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
    }
    QVERIFY(QFile::setPermissions(ici.filePath("lecture-seule.pdf"),
                                  QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    QCOMPARE(::mkfifo(QFile::encodeName(ici.filePath("tube")).constData(), 0600), 0);
    for (QString &a : arguments)
        if (a.startsWith('@')) a = ici.filePath(a.mid(1));
    const auto [code, erreurs] = Lancer(arguments);
    QCOMPARE(code, 1);
    QVERIFY2(erreurs.contains(message), qPrintable(erreurs));
    // Whatever was there is left as it was, with no stray file beside it.
    for (const auto &[nom, octets] : fichiers) {
        QFile f(ici.filePath(nom));
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll() == octets);
    }
    QCOMPARE(QDir(ici.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                 .size(),
             5);
}

// A name from the command line is a string of bytes, as the system keeps it: one that is not
// UTF-8 names its own file, never the file whose name reads the same once decoded.
void TestImpressionPdf::unNomGardeSesOctets_data() {
    QTest::addColumn<QStringList>("arguments"); // "@" stands for the name made of raw bytes
    QTest::newRow("lot de grilles") << QStringList{"--imprimer-grilles", "1", "@"};
    QTest::newRow("grille d'une partie") << QStringList{"--imprimer", "@", LUMIO_TEST_DATA "/jeu_ecrit.sdk"};
    QTest::newRow("capture") << QStringList{"--capture", "@"};
}

void TestImpressionPdf::unNomGardeSesOctets() {
    QFETCH(QStringList, arguments);
    QTemporaryDir ici;
    // Its decoded twin, which must stay as it is.
    const QString jumeau = ici.filePath(QString::fromUtf8("mauvais\xef\xbf\xbdnom"));
    QFile f(jumeau);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("%PDF-1.4 autre\n") > 0);
    f.close();
    QProcess p;
    HorsEcran(p, ici.path());
    ParLeShell(p,
               "nom=\"$1/$(printf 'mauvais\\377nom')\"; shift\n"
               "for a; do [ \"$a\" = @ ] && a=$nom; set -- \"$@\" \"$a\"; shift; done",
               QStringList{ici.path()} + arguments);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    struct stat ecrit {};
    QCOMPARE(::stat((QFile::encodeName(ici.path()) + "/mauvais\377nom").constData(), &ecrit), 0);
    QVERIFY(ecrit.st_size > 1000);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("%PDF-1.4 autre\n"));
}

// The window-less commands draw offscreen whatever platform the environment names, with no
// display at all.
void TestImpressionPdf::lesCommandesSansFenetreSePassentDEcran_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("plateforme"); // "" removes QT_QPA_PLATFORM
    for (const char *plateforme : {"", "xcb", "wayland"}) {
        const QString p = QString::fromLatin1(plateforme);
        QTest::addRow("lot, %s", plateforme) << QStringList{"--imprimer-grilles", "1", "@x.pdf"} << p;
        QTest::addRow("partie, %s", plateforme) << QStringList{"--imprimer", "@x.pdf"} << p;
        QTest::addRow("capture, %s", plateforme) << QStringList{"--capture", "@x.png"} << p;
    }
    QTest::newRow("résolution, xcb") << QStringList{"--resoudre", LUMIO_TEST_DATA "/grilles-serg.txt"}
                                     << "xcb";
}

void TestImpressionPdf::lesCommandesSansFenetreSePassentDEcran() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, plateforme);
    QTemporaryDir ici;
    for (QString &a : arguments)
        if (a.startsWith('@')) a = ici.filePath(a.mid(1));
    QProcess p;
    HorsEcran(p, ici.path());
    QProcessEnvironment env = p.processEnvironment();
    for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(v);
    if (!plateforme.isEmpty()) env.insert("QT_QPA_PLATFORM", plateforme);
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(Programme(), arguments);
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
}

// Stopped in the middle of its write, a print leaves neither its half-written file nor the
// file it was to replace changed.
void TestImpressionPdf::uneImpressionInterrompueNeLaisseRien_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestImpressionPdf::uneImpressionInterrompueNeLaisseRien() {
    QFETCH(int, signal);
    QTemporaryDir ici;
    const QString pdf = ici.filePath("lot.pdf");
    // The write lasts a fraction of a second: the program is frozen as soon as its file shows,
    // and tried again on the rare run it had already finished.
    for (int essai = 0; essai < 10; ++essai) {
        QProcess p;
        HorsEcran(p, ici.path());
        p.start(Programme(), {"--imprimer-grilles", "99", pdf});
        QVERIFY(p.waitForStarted());
        bool pris = false;
        QElapsedTimer attente;
        attente.start();
        while (!pris && p.state() == QProcess::Running && attente.elapsed() < 30000) {
            pris = !QDir(ici.path()).entryList({".lot.pdf.*"}, QDir::Files | QDir::Hidden).isEmpty();
            if (pris) ::kill(pid_t(p.processId()), SIGSTOP);
        }
        // SIGSTOP takes a moment to land: the program is looked at once it is really stopped.
        while (pris && Etat(p.processId()) != 'T' && attente.elapsed() < 30000)
            QThread::yieldCurrentThread();
        // Still being written once frozen: the signal lands in the middle of it.
        pris = pris && !QDir(ici.path()).entryList({".lot.pdf.*"}, QDir::Files | QDir::Hidden).isEmpty();
        if (pris) ::kill(pid_t(p.processId()), signal);
        ::kill(pid_t(p.processId()), SIGCONT);
        QVERIFY(p.waitForFinished(30000));
        if (!pris) {
            QFile::remove(pdf);
            continue;
        }
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(
            QDir(ici.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList());
        return;
    }
    QSKIP("the print always ended before it could be stopped");
}

QTEST_MAIN(TestImpressionPdf)
#include "tst_impressionpdf.moc"
