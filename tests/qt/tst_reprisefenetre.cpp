// The interrupted game on the real window and the real program: the board back to the pixel, the
// question at start-up, the file following the game, two programs side by side, stop signals.
#include "BancFenetre.h"
#include "Reprise.h"
#include "plateforme/FichierReprise.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <QRegularExpression>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumio;
using namespace lumio::test;

namespace {

QString Place(const QString &dossier, int n) {
    return QDir(dossier).filePath(QStringLiteral("partie-interrompue-%1.txt").arg(n));
}

void Ecrire(const QString &chemin, const QByteArray &contenu) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

QByteArray Lire(const QString &chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A game where every look of a cell shows: givens, a right digit, a wrong one marked by
// "Vérifier", a wrong one red at once, pencil marks (one placed twice), a cursor moved by a click.
void JouerUnPeu(Jeu &j) {
    std::vector<std::pair<int, int>> vides;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (!j.CasesDonnees(c, r)) vides.push_back({c, r});
    const auto faux = [&j](int c, int r) { return j.GrilleSolution(c, r) % 9 + 1; };
    auto [c0, r0] = vides[0];
    j.PlacerChiffre(j.GrilleSolution(c0, r0), GenreJoueur, c0, r0);
    auto [c1, r1] = vides[1];
    j.PlacerChiffre(faux(c1, r1), GenreJoueur, c1, r1);
    j.VerifierGrille(); // answered Oui: the wrong digit turns red in its own face
    j.VerifImmediate = true;
    auto [c2, r2] = vides[2];
    j.PlacerChiffre(faux(c2, r2), GenreJoueur, c2, r2);
    auto [c3, r3] = vides[3];
    for (int d : {7, 2, 5, 5})
        j.PlacerChiffre(d, GenreCrayon, c3, r3);
    j.ChoisirChiffre(6);
    j.Form_MouseDown(BoutonGauche, 50 + 45 * 6 + 10.5, 26 + 45 * 2 + 30.25);
    j.Form_Click();
}

} // namespace

class TestRepriseFenetre : public QObject {
    Q_OBJECT

  private slots:
    void laGrilleRevientAuPixelPres();
    void laQuestionDuDemarrage_data();
    void laQuestionDuDemarrage();
    void leFichierSuitLaPartie();
    void unAbandonConfirmeNeLaisseRien();
    void deuxProgrammesGardentChacunLeurPartie();
    void unLienAuNomDuFichierEstRemplacePasSuivi();
    void unSignalDArretGardeLaPartie_data();
    void unSignalDArretGardeLaPartie();
    void unFichierAbimeEstOublieEnUneLigne();
};

void TestRepriseFenetre::laGrilleRevientAuPixelPres() {
    BancFenetre a;
    JouerUnPeu(a.jeu());
    a.jeu().SecondesEcoulees = 754;
    const QImage avant = a.fenetre->image().copy();

    QTemporaryDir dossier;
    Ecrire(Place(dossier.path(), 1), QByteArray::fromStdString(EcrireReprise(EtatActuel(a.jeu()))));
    BancFenetre b({}, false);
    b.fenetre->ActiverReprise(std::make_unique<FichierReprise>(dossier.path()));
    b.fenetre->Form_Load();
    QVERIFY(b.fenetre->image() == avant);
    QCOMPARE(b.fenetre->TexteLibelle(3), std::string("12:34"));
    QVERIFY(b.fenetre->tmrSecondes().isActive());
}

void TestRepriseFenetre::laQuestionDuDemarrage_data() {
    QTest::addColumn<QString>("contenu");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("question");
    QTest::addColumn<bool>("reprise");
    QTest::newRow("oui") << "partie" << int(Reponse::Oui) << true << true;
    QTest::newRow("non") << "partie" << int(Reponse::Non) << true << false;
    QTest::newRow("rien de posé") << "donnees" << int(Reponse::Oui) << false << false;
    QTest::newRow("abîmée") << "abimee" << int(Reponse::Oui) << false << false;
    QTest::newRow("un tube") << "tube" << int(Reponse::Oui) << false << false;
}

void TestRepriseFenetre::laQuestionDuDemarrage() {
    QFETCH(QString, contenu);
    QFETCH(int, reponse);
    QFETCH(bool, question);
    QFETCH(bool, reprise);
    QTemporaryDir dossier;
    const QString fichier = Place(dossier.path(), 1);
    BancFenetre a;
    if (contenu == "partie") JouerUnPeu(a.jeu());
    a.jeu().SecondesEcoulees = 754;
    const QByteArray texte = QByteArray::fromStdString(EcrireReprise(EtatActuel(a.jeu())));
    if (contenu == "tube")
        QCOMPARE(::mkfifo(QFile::encodeName(fichier).constData(), 0600), 0);
    else
        Ecrire(fichier, contenu == "abimee" ? texte.left(100) : texte);

    BancFenetre b({}, false);
    b.fenetre->ActiverReprise(std::make_unique<FichierReprise>(dossier.path()));
    b.dialogues.reponses.push_back(Reponse(reponse));
    b.fenetre->Form_Load();
    QCOMPARE(b.dialogues.messages.size(), std::size_t(question ? 1 : 0));
    if (question) QCOMPARE(b.dialogues.messages[0].texte, std::string("Reprendre la partie interrompue ?"));
    QCOMPARE(b.jeu().SecondesEcoulees == 754, reprise);
    if (reprise) QVERIFY(EtatActuel(b.jeu()) == EtatActuel(a.jeu()));
    // Taken on, the game is this window's own; otherwise it is forgotten.
    QCOMPARE(QFileInfo::exists(fichier), reprise);
    if (reprise) QCOMPARE(b.fenetre->Reprise()->Chemin(), fichier);
}

void TestRepriseFenetre::leFichierSuitLaPartie() {
    QTemporaryDir dossier;
    BancFenetre b({}, false);
    b.fenetre->ActiverReprise(std::make_unique<FichierReprise>(dossier.path()));
    b.fenetre->Form_Load();
    const QString fichier = Place(dossier.path(), 1);
    Jeu &j = b.jeu();
    int c = 1, r = 1;
    while (j.CasesDonnees(c, r))
        ++c;
    j.PlacerChiffre(j.GrilleSolution(c, r), GenreJoueur, c, r);
    QTRY_VERIFY(QFileInfo::exists(fichier));
    j.ChoisirChiffre(4);
    QTRY_VERIFY(Lire(fichier).contains("\nchiffre 4\n"));
    // A fresh game holds nothing to keep.
    j.mnuJeuNouveau_Click();
    QTRY_VERIFY(!QFileInfo::exists(fichier));
    // The clock alone is written every five seconds.
    while (j.CasesDonnees(c, r))
        ++c;
    j.PlacerChiffre(j.GrilleSolution(c, r), GenreJoueur, c, r);
    QTRY_VERIFY(QFileInfo::exists(fichier));
    const QRegularExpression secondes("\nsecondes ([0-9]+)\n");
    b.fenetre->tmrSecondes().setInterval(2);
    QTRY_VERIFY(secondes.match(Lire(fichier)).captured(1).toInt() > 0);
    b.fenetre->tmrSecondes().stop();
    QCOMPARE(secondes.match(Lire(fichier)).captured(1).toInt() % 5, 0);

    // The end of the session keeps it and asks nothing.
    const std::size_t questions = b.dialogues.messages.size();
    b.fenetre->FinDeSession();
    QVERIFY(b.fenetre->close());
    QCOMPARE(b.dialogues.messages.size(), questions);
    QVERIFY(QFileInfo::exists(fichier));
}

void TestRepriseFenetre::unAbandonConfirmeNeLaisseRien() {
    QTemporaryDir dossier;
    BancFenetre b({}, false);
    b.fenetre->ActiverReprise(std::make_unique<FichierReprise>(dossier.path()));
    b.fenetre->Form_Load();
    JouerUnPeu(b.jeu());
    const QString fichier = Place(dossier.path(), 1);
    QTRY_VERIFY(QFileInfo::exists(fichier));
    b.dialogues.reponses.push_back(Reponse::Non);
    QVERIFY(!b.fenetre->close());
    QVERIFY(QFileInfo::exists(fichier));
    b.dialogues.reponses.push_back(Reponse::Oui);
    QVERIFY(b.fenetre->close());
    QVERIFY(!QFileInfo::exists(fichier));
    // Nothing half-written either (the lock goes with the program).
    QCOMPARE(QDir(dossier.path()).entryList({"*.txt*", ".*.txt*"}, QDir::Files | QDir::Hidden | QDir::System),
             QStringList());
}

void TestRepriseFenetre::deuxProgrammesGardentChacunLeurPartie() {
    QTemporaryDir dossier;
    auto a = std::make_unique<FichierReprise>(dossier.path());
    FichierReprise b(dossier.path());
    QCOMPARE(a->Ecrire("partie A"), std::string());
    // A running program's game is neither offered nor taken.
    QVERIFY(!b.TrouverOrpheline());
    QCOMPARE(b.Ecrire("partie B"), std::string());
    QVERIFY(a->Chemin() != b.Chemin());
    QCOMPARE(Lire(a->Chemin()), QByteArray("partie A"));

    // Once A's program is gone its game is offered, to one start at a time.
    const QString cheminA = a->Chemin();
    a.reset();
    FichierReprise c(dossier.path()), d(dossier.path());
    const auto orpheline = c.TrouverOrpheline();
    QVERIFY(orpheline);
    QCOMPARE(orpheline->chemin, cheminA);
    QCOMPARE(orpheline->contenu, QByteArray("partie A"));
    QVERIFY(!d.TrouverOrpheline());
    c.Oublier();
    QVERIFY(!QFileInfo::exists(cheminA));
    QCOMPARE(Lire(b.Chemin()), QByteArray("partie B"));
}

void TestRepriseFenetre::unLienAuNomDuFichierEstRemplacePasSuivi() {
    QTemporaryDir dossier;
    FichierReprise f(dossier.path());
    QCOMPARE(f.Ecrire("une"), std::string());
    // Only a file of this folder is pointed at (never a system file).
    const QString cible = dossier.filePath("cible.txt");
    Ecrire(cible, "à garder");
    QVERIFY(QFile::remove(f.Chemin()));
    QVERIFY(QFile::link(cible, f.Chemin()));
    QCOMPARE(f.Ecrire("deux"), std::string());
    QCOMPARE(Lire(cible), QByteArray("à garder"));
    QVERIFY(!QFileInfo(f.Chemin()).isSymLink());
    QCOMPARE(Lire(f.Chemin()), QByteArray("deux"));
}

void TestRepriseFenetre::unSignalDArretGardeLaPartie_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGKILL") << int(SIGKILL);
}

void TestRepriseFenetre::unSignalDArretGardeLaPartie() {
    QFETCH(int, signal);
    QVERIFY2(QFileInfo(Programme()).isExecutable(), "build the sudoku-lumio target first");
    QTemporaryDir ici;
    const QString dossier = ici.filePath("donnees/Darvel/Sudoku Lumio");
    QProcess p;
    HorsEcran(p, ici.filePath("config"));
    QProcessEnvironment env = p.processEnvironment();
    env.insert("XDG_DATA_HOME", ici.filePath("donnees"));
    p.setProcessEnvironment(env);
    p.start(Programme(), {LUMIO_TEST_DATA "/jeu_ecrit.sdk"});
    QVERIFY(p.waitForStarted());
    // The saved game holds player digits: a game worth keeping from its first drawing.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(Place(dossier, 1)), 30000);
    QCOMPARE(::kill(pid_t(p.processId()), signal), 0);
    QVERIFY(p.waitForFinished(30000));
    if (signal == SIGKILL) {
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    } else {
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }
    std::string detail;
    const auto etat = LireReprise(Lire(Place(dossier, 1)).toStdString(), detail);
    QVERIFY2(etat, detail.c_str());
    QCOMPARE(etat->NiveauPartie, 3);
    // Nothing half-written is left beside it; a program that ended on its own leaves no lock.
    QStringList restes = QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System);
    restes.removeAll("partie-interrompue-1.txt");
    QCOMPARE(restes, signal == SIGKILL ? QStringList{"partie-interrompue-1.verrou"} : QStringList());
}

void TestRepriseFenetre::unFichierAbimeEstOublieEnUneLigne() {
    QTemporaryDir ici;
    const QString dossier = ici.filePath("donnees/Darvel/Sudoku Lumio");
    QVERIFY(QDir().mkpath(dossier));
    Ecrire(Place(dossier, 3), "Sudoku Lumio, partie interrompue, version 1\nmode 1\n");
    QProcess p;
    HorsEcran(p, ici.filePath("config"));
    QProcessEnvironment env = p.processEnvironment();
    env.insert("XDG_DATA_HOME", ici.filePath("donnees"));
    p.setProcessEnvironment(env);
    p.start(Programme(), QStringList());
    QVERIFY(p.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(Place(dossier, 3)), 30000);
    QCOMPARE(::kill(pid_t(p.processId()), SIGTERM), 0);
    QVERIFY(p.waitForFinished(30000));
    const QStringList lignes = QString::fromUtf8(p.readAllStandardError()).split('\n');
    const QStringList nos = lignes.filter("partie-interrompue-3.txt");
    QCOMPARE(nos.size(), 1);
    QVERIFY2(nos[0].contains("est illisible, elle est oubliée"), qPrintable(nos[0]));
}

QTEST_MAIN(TestRepriseFenetre)
#include "tst_reprisefenetre.moc"
