// The real main window at start-up: labels, menus, palette, cursor, clock and the board's pixels.
#include "BancFenetre.h"
#include "Themes.h"

#include <QAction>
#include <QLabel>
#include <QProcess>
#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

QString TexteLibelle(frmMain &f, const char *nom) {
    return f.findChild<QLabel *>(nom)->text();
}
bool LibelleVisible(frmMain &f, const char *nom) {
    auto *l = f.findChild<QLabel *>(nom);
    return l->isVisibleTo(l->parentWidget());
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
  private slots:
    void unPremierLancementOuvreUnePartieFacile();
    void leModeCreationAuDemarrageDonneUneGrilleVideSansChrono();
    void lesReglagesIllisiblesPrennentLeursValeursParDefaut_data();
    void lesReglagesIllisiblesPrennentLeursValeursParDefaut();
    void lesArrondisDuNiveauEtDuMode();
    void lePlateauEstDessineAuPixelPres();
    void leCadreDeSelectionEntoureLaCaseCentrale();
    void uneDonneeEstEcriteEnBrunDansSaCase();
    void lesThemesColorentLaFenetreEtLesLibelles_data();
    void lesThemesColorentLaFenetreEtLesLibelles();
    void sansThemeLePlateauGardeLaCouleurDesFenetres();
    void laCaptureEnLigneDeCommandeDonneLaFenetreSansLAfficher();
    void laResolutionEnLigneDeCommandeSePasseDEcran();
    void laLigneDeCommandeRepondCommeOnLAttend_data();
    void laLigneDeCommandeRepondCommeOnLAttend();
    void lAideNommeChaqueOption();
    void uneLigneSansFinNeRetientPasLaMemoire();
    void uneImageAuDelaDeLaTailleAutoriseeEstSignalee();
};

void TestFrmMain::unPremierLancementOuvreUnePartieFacile() {
    BancFenetre b;
    frmMain &f = *b.fenetre;
    QCOMPARE(f.windowTitle(), QString("Sudoku Lumio"));
    QCOMPARE(TexteLibelle(f, "Label1"), QString("Mode Jeu"));
    QCOMPARE(TexteLibelle(f, "Label2"), QString("Facile"));
    QCOMPARE(TexteLibelle(f, "Label3"), QString("0:00"));
    QVERIFY(LibelleVisible(f, "Label2") && LibelleVisible(f, "Label3"));
    QVERIFY(f.Action("mnuModeChoix1")->isChecked());
    QVERIFY(!f.Action("mnuModeChoix2")->isChecked());
    QVERIFY(f.tmrSecondes().isActive());
    QCOMPARE(f.tmrSecondes().interval(), 1000);
    QCOMPARE(f.imgChiffre(1)->ImageCourante(), 10);
    for (int i = 2; i <= 9; ++i)
        QVERIFY(f.imgChiffre(i)->ImageCourante() == i || f.imgChiffre(i)->ImageCourante() == 0);
    int c = 0, r = 0;
    b.jeu().CaseCurseur(c, r);
    QCOMPARE(b.jeu().Xcur, 50.0f + 180);
    QCOMPARE(b.jeu().Ycur, 26.0f + 180);
    QCOMPARE(b.jeu().ModeJeu, 1);
    QCOMPARE(b.jeu().Niveau, 1);
    QCOMPARE(b.jeu().NJOUEUR, std::string("Pilou"));
    QVERIFY(b.jeu().LimiterChiffres && !b.jeu().VerifImmediate && b.jeu().FLAGJOUERLESSONS);
    QCOMPARE(b.sons.joues, std::vector<std::string>{"Sons/accueil.wav"});
    int donnees = 0;
    for (bool g : b.jeu().CasesDonnees.Cases())
        donnees += g;
    QVERIFY(donnees >= 30 && donnees <= 38);
    QCOMPARE(f.focusWidget(), qobject_cast<QWidget *>(f.CoupN()));
}

void TestFrmMain::leModeCreationAuDemarrageDonneUneGrilleVideSansChrono() {
    BancFenetre b({{"TMD", "2"}});
    frmMain &f = *b.fenetre;
    QCOMPARE(b.jeu().ModeJeu, 2);
    QCOMPARE(TexteLibelle(f, "Label1"), QString("Mode création"));
    QVERIFY(!LibelleVisible(f, "Label2") && !LibelleVisible(f, "Label3"));
    QVERIFY(!f.Action("mnuModeChoix1")->isChecked() && f.Action("mnuModeChoix2")->isChecked());
    QVERIFY(!f.tmrSecondes().isActive());
    QVERIFY(b.sons.joues.empty());
    for (auto d : b.jeu().GrilleCreation.Cases())
        QCOMPARE(int(d), 0);
}

void TestFrmMain::lesReglagesIllisiblesPrennentLeursValeursParDefaut_data() {
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("valeur");
    QTest::newRow("CP hors table") << "CP"
                                   << "7";
    QTest::newRow("CP texte") << "CP"
                              << "abc";
    QTest::newRow("VF mot inconnu") << "VF"
                                    << "peut-être";
    QTest::newRow("CDE vide") << "CDE"
                              << "";
    QTest::newRow("JLS texte") << "JLS"
                               << "oui";
    QTest::newRow("TMD inconnu") << "TMD"
                                 << "5";
}

void TestFrmMain::lesReglagesIllisiblesPrennentLeursValeursParDefaut() {
    QFETCH(QString, cle);
    QFETCH(QString, valeur);
    BancFenetre b({{cle.toStdString(), valeur.toStdString()}});
    QCOMPARE(b.jeu().Niveau, 1);
    QVERIFY(!b.jeu().VerifImmediate);
    QVERIFY(b.jeu().LimiterChiffres);
    QVERIFY(b.jeu().FLAGJOUERLESSONS);
    // Any mode other than creation plays.
    QCOMPARE(b.jeu().NiveauPartie, 1);
}

void TestFrmMain::lesArrondisDuNiveauEtDuMode() {
    BancFenetre b({{"CP", " 2.5"}, {"TMD", "1.4"}});
    QCOMPARE(b.jeu().Niveau, 2);
    QCOMPARE(TexteLibelle(*b.fenetre, "Label2"), QString("Moyen"));
    QCOMPARE(b.jeu().ModeJeu, 1);
}

void TestFrmMain::lePlateauEstDessineAuPixelPres() {
    BancFenetre b({{"CC", "3"}});
    const Couleur fond = b.jeu().CFONDGRILLE;
    QCOMPARE(Rgb(fond), qRgb(255, 255, 255));
    // Thin line (pen 1) at x = 95, thick lines (pen 3) at x = 184..186, outer frame (pen 5).
    QCOMPARE(b.Pixel(95, 26 + 200), Rgb(CouleurLigneFine));
    QCOMPARE(b.Pixel(94, 26 + 200), Rgb(fond));
    QCOMPARE(b.Pixel(96, 26 + 200), Rgb(fond));
    for (int x = 184; x <= 186; ++x)
        QCOMPARE(b.Pixel(x, 26 + 200), Rgb(CouleurLigneEpaisse));
    QCOMPARE(b.Pixel(183, 26 + 200), Rgb(fond));
    QCOMPARE(b.Pixel(187, 26 + 200), Rgb(fond));
    for (int x = 46; x <= 50; ++x)
        QCOMPARE(b.Pixel(x, 26 + 200), Rgb(CouleurLigneEpaisse));
    for (int x = 456; x <= 460; ++x)
        QCOMPARE(b.Pixel(x, 26 + 200), Rgb(CouleurLigneEpaisse));
    QCOMPARE(b.Pixel(45, 26 + 200), qRgba(0, 0, 0, 0)); // outside the frame: the window shows through
    QCOMPARE(b.Pixel(455, 26 + 200), Rgb(fond));        // last column of the board
    for (int y = 22; y <= 26; ++y)
        QCOMPARE(b.Pixel(300, y), Rgb(CouleurLigneEpaisse));
    QCOMPARE(b.Pixel(300, 27), Rgb(fond));
    // Horizontal thin line at y = 26 + 45 * 4 = 206 is under the selection frame of (5, 5) only
    // inside columns 230..275: outside it keeps its own colour.
    QCOMPARE(b.Pixel(100, 71), Rgb(CouleurLigneFine));
}

void TestFrmMain::leCadreDeSelectionEntoureLaCaseCentrale() {
    BancFenetre b;
    // Cell (5, 5) spans x 230..275, y 206..251; the pen of width 2 covers one pixel outside.
    for (int x : {229, 230, 274, 275})
        for (int y : {220, 240})
            QCOMPARE(b.Pixel(x, y), Rgb(CouleurCadre));
    for (int y : {205, 206, 250, 251})
        QCOMPARE(b.Pixel(250, y), Rgb(CouleurCadre));
    QCOMPARE(b.Pixel(231, 220), Rgb(b.jeu().CFONDGRILLE));
}

void TestFrmMain::uneDonneeEstEcriteEnBrunDansSaCase() {
    BancFenetre b;
    Jeu &j = b.jeu();
    int cc = 0, rr = 0;
    QVERIFY(PremiereDonnee(j, cc, rr));
    int brun = 0;
    for (int x = 50 + 45 * (cc - 1) + 4; x <= 50 + 45 * cc - 4; ++x)
        for (int y = 26 + 45 * (rr - 1) + 4; y <= 26 + 45 * rr - 4; ++y)
            brun += Proche(b.Pixel(x, y), RGB(128, 64, 64), 30);
    QVERIFY2(brun > 20, qPrintable(QString::number(brun)));
}

void TestFrmMain::lesThemesColorentLaFenetreEtLesLibelles_data() {
    QTest::addColumn<QString>("cc");
    QTest::addColumn<int>("theme");
    for (int n = 0; n < NombreThemes; ++n)
        QTest::addRow("thème %d", n) << QString::number(n) << n;
}

void TestFrmMain::lesThemesColorentLaFenetreEtLesLibelles() {
    QFETCH(QString, cc);
    QFETCH(int, theme);
    BancFenetre b({{"CC", cc.toStdString()}});
    const Theme &t = TableThemes[std::size_t(theme)];
    const QImage capture = b.fenetre->CaptureClient();
    QCOMPARE(capture.size(), QSize(730, 517));
    QCOMPARE(capture.pixel(10, 10), Rgb(t.fenetre));
    QCOMPARE(capture.pixel(277, 73), Rgb(b.jeu().CFONDGRILLE));
    auto *l = b.fenetre->findChild<QLabel *>("Label1");
    QCOMPARE(l->palette().color(QPalette::Window), QColor(Rgb(t.fondLibelle)));
    QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Rgb(t.texteLibelle)));
    QCOMPARE(capture.pixel(515, 474), Rgb(t.fondLibelle));
}

void TestFrmMain::sansThemeLePlateauGardeLaCouleurDesFenetres() {
    BancFenetre b({{"CC", "9"}});
    QCOMPARE(b.Pixel(277, 73), qRgb(255, 255, 255));
}

void TestFrmMain::laCaptureEnLigneDeCommandeDonneLaFenetreSansLAfficher() {
    QTemporaryDir dossier;
    QProcess p;
    HorsEcran(p, dossier.filePath("config"));
    const QString image = dossier.filePath("capture.png");
    p.start(Programme(), {"--capture", image});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QImage capture(image);
    QCOMPARE(capture.size(), QSize(730, 517));
    QCOMPARE(capture.pixel(95, 226), Rgb(CouleurLigneFine));
    QCOMPARE(capture.pixel(185, 226), Rgb(CouleurLigneEpaisse));
    QCOMPARE(capture.pixel(48, 226), Rgb(CouleurLigneEpaisse));
    QCOMPARE(capture.pixel(229, 220), Rgb(CouleurCadre));
    QCOMPARE(capture.pixel(10, 10), Rgb(TableThemes[3].fenetre));
    // The empty store was left with nothing written by a mere start.
    QVERIFY(!QFile::exists(dossier.filePath("config/Darvel/Darvel.ini")));
}

void TestFrmMain::laResolutionEnLigneDeCommandeSePasseDEcran() {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(Programme(), {"--resoudre", "-"});
    QVERIFY(p.waitForStarted(10000));
    p.write("4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......\n"
            "12\n"
            ".................................................................................\n");
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()),
             QString("417369825632158947958724316825437169791586432346912758289643571573291684164875293\n"
                     "La grille est vide !\n"));
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).startsWith("Ligne 2 :"));
}

// Without a display: the answers come before any window could open.
void TestFrmMain::laLigneDeCommandeRepondCommeOnLAttend_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<QString>("erreurs");
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Sudoku Lumio 3.3\n"
                             << "";
    QTest::newRow("option inconnue") << QStringList{"--resoudre", "-", "--solution"} << 2 << ""
                                     << "sudoku-lumio : option inconnue « --solution ».\n"
                                        "Essayez « sudoku-lumio --help » pour la liste des options.\n";
    QTest::newRow("valeur collée inconnue") << QStringList{"--niveaux=2"} << 2 << ""
                                            << "sudoku-lumio : option inconnue « --niveaux=2 ».\n"
                                               "Essayez « sudoku-lumio --help » pour la liste des options.\n";
    QTest::newRow("option d'une autre commande")
        << QStringList{"--imprimer", "x.pdf", "--sans-solutions"} << 2 << ""
        << "sudoku-lumio : --sans-solutions ne s'emploie qu'avec --imprimer-grilles.\n"
           "Essayez « sudoku-lumio --help » pour la liste des options.\n";
    QTest::newRow("option de Qt") << QStringList{"--platform", "offscreen", "--version"} << 0
                                  << "Sudoku Lumio 3.3\n"
                                  << "";
}

void TestFrmMain::laLigneDeCommandeRepondCommeOnLAttend() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, sortie);
    QFETCH(QString, erreurs);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(Programme(), arguments);
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), code);
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), sortie);
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()), erreurs);
}

void TestFrmMain::lAideNommeChaqueOption() {
    QProcess p;
    p.start(Programme(), {"--help"});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString aide = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *option : {"--capture", "--resoudre", "--imprimer-grilles", "--imprimer ", "--niveau",
                               "--sans-solutions", "--graine", "--avec-solution", "--version", "--help"})
        QVERIFY2(aide.contains(QLatin1String(option)), option);
}

void TestFrmMain::uneLigneSansFinNeRetientPasLaMemoire() {
    if (SousAsan) QSKIP("no virtual memory limit lets a sanitizer build start");
    // A sparse file: a quarter of a gigabyte of NUL bytes with no line end, and no disk used.
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("creux.txt");
    QFile creux(chemin);
    QVERIFY(creux.open(QIODevice::WriteOnly) && creux.resize(qint64(256) << 20));
    creux.close();
    QProcess p;
    ParLeShell(p, "ulimit -v 400000", {"--resoudre", chemin});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString("Ligne 1 : trop longue.\n"));
}

void TestFrmMain::uneImageAuDelaDeLaTailleAutoriseeEstSignalee() {
    // Past the limit the program is told by a failing write, not killed by SIGXFSZ.
    QTemporaryDir dossier;
    QProcess p;
    HorsEcran(p, dossier.filePath("config"));
    ParLeShell(p, "ulimit -f 1", {"--capture", dossier.filePath("capture.png")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("Impossible d'écrire l'image"));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
