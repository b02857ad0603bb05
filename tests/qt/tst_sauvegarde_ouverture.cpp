// Opening saved games through the real main window: a game back as it was left, short, damaged,
// unreadable and special files refused with the screen untouched, a game named at start-up.
#include "BancSauvegarde.h"
#include "plateforme/Traductions.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTreeView>
#include <QWindow>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace lumio;
using namespace lumio::test;

class TestSauvegardeOuverture : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString Chemin(const QString &nom) const { return dossier_.filePath(nom); }

  private slots:
    void unePartieDeJeuRepartOuElleEnEtait();
    void neufDonneesEpuisentLeurChiffre_data();
    void neufDonneesEpuisentLeurChiffre();
    void unChiffreFauxRevientEnRougeSelonLaVerification_data();
    void unChiffreFauxRevientEnRougeSelonLaVerification();
    void uneCreationResolueRevientTelleQueTapee();
    void lesFichiersCourtsOuvrentCeQuIlsContiennent_data();
    void lesFichiersCourtsOuvrentCeQuIlsContiennent();
    void unFichierAbimeLaissePartieEtEcranIntacts_data();
    void unFichierAbimeLaissePartieEtEcranIntacts();
    void unFichierIlisibleLaissePartieEtEcranIntacts_data();
    void unFichierIlisibleLaissePartieEtEcranIntacts();
    void seulUnFichierOrdinaireEstLuEtLeResteRefuseAussitot_data();
    void seulUnFichierOrdinaireEstLuEtLeResteRefuseAussitot();
    void laFenetreEstLaQuandUnFichierDeDepartEstRefuse_data();
    void laFenetreEstLaQuandUnFichierDeDepartEstRefuse();
    void laLigneDeCommandeOuvreLaPartie_data();
    void laLigneDeCommandeOuvreLaPartie();
};

void TestSauvegardeOuverture::unePartieDeJeuRepartOuElleEnEtait() {
    const QString fichier = Chemin("jeu-754.sdk");
    Etat enregistre;
    {
        BancFenetre b({{"CP", "3"}});
        PreparerPartieEnCours(b, 1);
        b.jeu().SecondesEcoulees = 754;
        b.dialogues.reponsesFichier = {fichier};
        Declencher(b, "Enregistrer");
        QCOMPARE(b.dialogues.fichiersDemandes.size(), std::size_t(1));
        QCOMPARE(b.dialogues.fichiersDemandes[0], std::make_pair(true, frmMain::DossierParties()));
        QVERIFY(b.dialogues.messages.empty());
        QCOMPARE(Lire(fichier), VersTableau(EcrirePartie(b.jeu())));
        QVERIFY(FocusSurCoupN(b));
        enregistre = Etat::De(b);
    }
    BancFenetre b;
    b.dialogues.reponsesFichier = {fichier};
    Declencher(b, "Ouvrir");
    QCOMPARE(b.dialogues.fichiersDemandes.size(), std::size_t(1));
    QCOMPARE(b.dialogues.fichiersDemandes[0], std::make_pair(false, frmMain::DossierParties()));
    QVERIFY(b.dialogues.messages.empty());
    QCOMPARE(Libelle(b, 3)->text(), QString("12:34"));
    QCOMPARE(Libelle(b, 2)->text(), QString("Difficile"));
    QVERIFY(b.fenetre->tmrSecondes().isActive());
    QVERIFY(b.jeu().GrilleJeu == enregistre.grilleJeu);
    QVERIFY(b.jeu().CasesDonnees == enregistre.donnees);
    QVERIFY(b.jeu().GrilleSolution == enregistre.solution);
    // Same cursor, same digits: the reopened board is the one that was saved.
    QVERIFY(b.fenetre->image() == enregistre.plateau);
    QVERIFY(FocusSurCoupN(b));
    b.jeu().tmrSecondes_Timer();
    QCOMPARE(Libelle(b, 3)->text(), QString("12:35"));
}

void TestSauvegardeOuverture::neufDonneesEpuisentLeurChiffre_data() {
    QTest::addColumn<QString>("limite");
    QTest::addColumn<bool>("epuise");
    QTest::newRow("limite active") << "1" << true;
    QTest::newRow("limite levée") << "0" << false;
}

void TestSauvegardeOuverture::neufDonneesEpuisentLeurChiffre() {
    QFETCH(QString, limite);
    QFETCH(bool, epuise);
    // Every 7 of the known game becomes a given.
    QByteArray o = Donnees("jeu_ecrit.sdk");
    const LecturePartie connu = LirePartie(VersOctets(o));
    QVERIFY(connu);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (connu.partie->GrilleSolution(c, r) == 7) {
                o = AvecTexte(o, EnregistrementDeCase(c, r, 1), "True");
                o = AvecTexte(o, EnregistrementDeCase(c, r, 2), "7");
            }
    Ecrire(Chemin("sept.sdk"), o);
    BancFenetre b({{"CDE", limite.toStdString()}});
    QVERIFY(b.fenetre->OuvrirFichier(Chemin("sept.sdk")));
    QCOMPARE(b.jeu().NbChiffre(7), std::int16_t(9));
    QCOMPARE(b.fenetre->imgChiffre(7)->ImageCourante() == 0, epuise);
    QVERIFY(b.fenetre->imgChiffre(8)->ImageCourante() != 0);
}

void TestSauvegardeOuverture::unChiffreFauxRevientEnRougeSelonLaVerification_data() {
    QTest::addColumn<QString>("verification");
    QTest::addColumn<bool>("rouge");
    QTest::newRow("vérification immédiate") << "1" << true;
    QTest::newRow("sans vérification") << "0" << false;
}

void TestSauvegardeOuverture::unChiffreFauxRevientEnRougeSelonLaVerification() {
    QFETCH(QString, verification);
    QFETCH(bool, rouge);
    BancFenetre b({{"VF", verification.toStdString()}});
    QVERIFY(b.fenetre->OuvrirFichier(LUMIO_TEST_DATA "/jeu_ecrit.sdk"));
    // (1, 2) holds a wrong 9, (2, 1) a right 2.
    QCOMPARE(int(b.jeu().GrilleJeu(1, 2)), 9);
    const QImage &im = b.fenetre->image();
    QCOMPARE(Compter(im, Interieur(1, 2), RGB(255, 0, 0)) > 20, rouge);
    QCOMPARE(Compter(im, Interieur(1, 2), RGB(0, 0, 192)) > 20, !rouge);
    QCOMPARE(Compter(im, Interieur(2, 1), RGB(255, 0, 0)), 0);
    QVERIFY(Compter(im, Interieur(2, 1), RGB(0, 0, 192)) > 20);
}

void TestSauvegardeOuverture::uneCreationResolueRevientTelleQueTapee() {
    const QString fichier = Chemin("creation-resolue.sdk");
    GrilleChiffres tape;
    QImage avantSolution;
    {
        BancFenetre b({{"TMD", "2"}});
        QVERIFY(b.fenetre->OuvrirFichier(LUMIO_TEST_DATA "/creation_ecrit.sdk"));
        tape = b.jeu().GrilleCreation;
        avantSolution = b.fenetre->image().copy();
        b.fenetre->LancerSolution();
        QVERIFY(b.jeu().FlagSol);
        for (auto d : b.jeu().GrilleCreation.Cases())
            QVERIFY(d != 0);
        b.dialogues.reponsesFichier = {fichier};
        Declencher(b, "Enregistrer");
        QVERIFY(QFile::exists(fichier));
    }
    BancFenetre b;
    b.dialogues.reponsesFichier = {fichier};
    Declencher(b, "Ouvrir");
    QVERIFY(b.dialogues.messages.empty());
    QCOMPARE(b.jeu().ModeJeu, 2);
    QVERIFY(b.jeu().GrilleCreation == tape);
    QVERIFY(!b.fenetre->tmrSecondes().isActive());
    QVERIFY(!Libelle(b, 2)->isVisibleTo(Libelle(b, 2)->parentWidget()));
    QVERIFY(b.fenetre->image() == avantSolution);
}

void TestSauvegardeOuverture::lesFichiersCourtsOuvrentCeQuIlsContiennent_data() {
    QTest::addColumn<QString>("court");
    QTest::addColumn<QString>("complet");
    QTest::addColumn<int>("cases");
    QTest::newRow("jeu sans enregistrement de fin") << "jeu_sans_fin.sdk"
                                                    << "jeu_ecrit.sdk" << 81;
    QTest::newRow("création arrêtée après 40 cases") << "creation_40.sdk"
                                                     << "creation_ecrit.sdk" << 40;
    QTest::newRow("création arrêtée par la fin") << "creation_fin.sdk"
                                                 << "creation_ecrit.sdk" << 40;
}

void TestSauvegardeOuverture::lesFichiersCourtsOuvrentCeQuIlsContiennent() {
    QFETCH(QString, court);
    QFETCH(QString, complet);
    QFETCH(int, cases);
    BancFenetre reference;
    QVERIFY(reference.fenetre->OuvrirFichier(LUMIO_TEST_DATA "/" + complet));
    BancFenetre b;
    QVERIFY(b.fenetre->OuvrirFichier(LUMIO_TEST_DATA "/" + court));
    QVERIFY(b.dialogues.messages.empty());
    QCOMPARE(b.jeu().ModeJeu, reference.jeu().ModeJeu);
    for (int n = 1; n <= 81; ++n) {
        const int c = (n - 1) / 9 + 1, r = (n - 1) % 9 + 1;
        const int attendu = n <= cases ? reference.jeu().GrilleCreation(c, r) : 0;
        QCOMPARE(int(b.jeu().GrilleCreation(c, r)), attendu);
        QCOMPARE(b.jeu().GrilleJeu(c, r), reference.jeu().GrilleJeu(c, r));
    }
    if (cases == 81) QVERIFY(b.fenetre->image() == reference.fenetre->image());
}

void TestSauvegardeOuverture::unFichierAbimeLaissePartieEtEcranIntacts_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<int>("modeEnCours");
    QTest::addColumn<QString>("cause");
    const QByteArray jeu = Donnees("jeu_ecrit.sdk");
    const QByteArray creation = Donnees("creation_ecrit.sdk");
    QTest::newRow("vide") << QByteArray() << 1 << "vide";
    QTest::newRow("coupé dans un en-tête") << jeu.left(20) << 2 << "milieu de l'enregistrement 2";
    QTest::newRow("jeu coupé au milieu de la grille")
        << jeu.left(15 * (10 + 3 * 40) + 7) << 2 << "incomplète";
    QTest::newRow("étiquette qui n'est pas du texte") << AvecOctet(jeu, 0, 3) << 2 << "pas un texte";
    QTest::newRow("texte plus long que sa place") << AvecOctet(jeu, 15 + 2, 12) << 2 << "12 caractères";
    QTest::newRow("chiffre 12 en jeu")
        << AvecTexte(jeu, EnregistrementDeCase(3, 4, 2), "12") << 2 << "hors limites (case 3, 4)";
    QTest::newRow("chiffre 12 en création")
        << AvecTexte(creation, EnregistrementDeCase(9, 9, 0), "12") << 1 << "hors limites (case 9, 9)";
    QTest::newRow("booléen Peut-être")
        << AvecTexte(jeu, EnregistrementDeCase(2, 2, 1), "Peut-\xEAtre") << 2 << "ni vrai ni faux";
    // Two solution digits swapped in one column: rows break.
    QTest::newRow("solution invalide")
        << AvecTexte(AvecTexte(jeu, EnregistrementDeCase(4, 1, 0), "5"), EnregistrementDeCase(4, 2, 0), "4")
        << 2 << "solution n'est pas valide";
    QTest::newRow("ni jeu ni création") << AvecOctet(jeu, 5, '3') << 2 << "ni le mode Jeu";
    QByteArray hasard(3810, 0);
    QRandomGenerator graine(3810);
    for (char &o : hasard)
        o = char(graine.bounded(256));
    QTest::newRow("octets au hasard") << hasard << 1 << "";
}

void TestSauvegardeOuverture::unFichierAbimeLaissePartieEtEcranIntacts() {
    QFETCH(QByteArray, octets);
    QFETCH(int, modeEnCours);
    QFETCH(QString, cause);
    const LecturePartie lue = LirePartie(VersOctets(octets));
    QVERIFY2(!lue, "the damaged file must be refused by the reader");
    QVERIFY2(lue.detail.find(cause.toStdString()) != std::string::npos, lue.detail.c_str());
    Ecrire(Chemin("abime.sdk"), octets);

    BancFenetre b;
    PreparerPartieEnCours(b, modeEnCours);
    const Etat avant = Etat::De(b);
    b.dialogues.reponsesFichier = {Chemin("abime.sdk")};
    Declencher(b, "Ouvrir");
    QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
    VerifierOuverture(b.dialogues.messages[0], "abime.sdk", lue.raison);
    ComparerEtats(Etat::De(b), avant);
    QVERIFY(FocusSurCoupN(b));
}

void TestSauvegardeOuverture::unFichierIlisibleLaissePartieEtEcranIntacts_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<bool>("interdit");
    QTest::addColumn<QString>("raison");
    Ecrire(Chemin("ordinaire.txt"), "texte");
    QDir(dossier_.path()).mkpath("un-dossier.sdk");
    Ecrire(Chemin("interdit.sdk"), Donnees("jeu_ecrit.sdk"));
    QTest::newRow("absent") << Chemin("absent.sdk") << false << "le fichier n'existe pas";
    QTest::newRow("un dossier") << Chemin("un-dossier.sdk") << false << "c'est un dossier, pas un fichier";
    QTest::newRow("sous un fichier ordinaire")
        << Chemin("ordinaire.txt/partie.sdk") << false << "le fichier n'existe pas";
    QTest::newRow("sans droit de lecture")
        << Chemin("interdit.sdk") << true << "vous n'avez pas le droit de le lire";
}

void TestSauvegardeOuverture::unFichierIlisibleLaissePartieEtEcranIntacts() {
    QFETCH(QString, chemin);
    QFETCH(bool, interdit);
    QFETCH(QString, raison);
    if (interdit) {
        if (geteuid() == 0) QSKIP("permission bits do not stop root");
        QFile::setPermissions(chemin, QFileDevice::WriteOwner);
    }
    BancFenetre b;
    PreparerPartieEnCours(b, 2);
    const Etat avant = Etat::De(b);
    QVERIFY(!b.fenetre->OuvrirFichier(chemin));
    QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
    VerifierOuverture(b.dialogues.messages[0], chemin, raison.toStdString());
    ComparerEtats(Etat::De(b), avant);
}

void TestSauvegardeOuverture::seulUnFichierOrdinaireEstLuEtLeResteRefuseAussitot_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<int>("ecrivain"); // on a pipe: 0 none, 1 one that sends a game and stays
    QTest::addColumn<QString>("raison");
    QVERIFY(mkfifo(QFile::encodeName(Chemin("sans-ecrivain.sdk")).constData(), 0600) == 0);
    QVERIFY(mkfifo(QFile::encodeName(Chemin("tube.sdk")).constData(), 0600) == 0);
    QDir(dossier_.path()).mkpath("dossier.sdk");
    QTest::newRow("tube sans écrivain")
        << Chemin("sans-ecrivain.sdk") << 0 << "c'est un tube, pas un fichier de partie";
    QTest::newRow("tube dont l'écrivain envoie une partie et attend")
        << Chemin("tube.sdk") << 1 << "c'est un tube, pas un fichier de partie";
    QTest::newRow("périphérique sans fin")
        << "/dev/zero" << 0 << "c'est un périphérique, pas un fichier de partie";
    QTest::newRow("dossier") << Chemin("dossier.sdk") << 0 << "c'est un dossier, pas un fichier";
}

void TestSauvegardeOuverture::seulUnFichierOrdinaireEstLuEtLeResteRefuseAussitot() {
    QFETCH(QString, chemin);
    QFETCH(int, ecrivain);
    QFETCH(QString, raison);
    const QByteArray partie = Donnees("jeu_ecrit.sdk");
    const QByteArray tube = QFile::encodeName(chemin);
    struct stat genre {};
    const bool estTube = ::stat(tube.constData(), &genre) == 0 && S_ISFIFO(genre.st_mode);
    std::atomic<bool> fini{false};
    auto ancienSignal = std::signal(SIGPIPE, SIG_IGN);
    // Were the program to wait, the writer sends a game (and holds the pipe open), or, with
    // nothing to send, lets a reader stuck in open() go after three seconds: a slow refusal
    // then fails the test instead of hanging it.
    std::thread ecrivainTube([&] {
        if (!estTube) return;
        QElapsedTimer t;
        t.start();
        int fd = -1;
        while (!fini && t.elapsed() < 3000) {
            if (ecrivain && fd < 0 && (fd = ::open(tube.constData(), O_WRONLY | O_NONBLOCK)) >= 0) {
                [[maybe_unused]] const auto n = ::write(fd, partie.constData(), size_t(partie.size()));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (fd < 0 && !fini) fd = ::open(tube.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    });
    BancFenetre b;
    PreparerPartieEnCours(b, 2);
    const Etat avant = Etat::De(b);
    b.dialogues.reponsesFichier = {chemin};
    QElapsedTimer duree;
    duree.start();
    Declencher(b, "Ouvrir");
    const qint64 ms = duree.elapsed();
    fini = true;
    ecrivainTube.join();
    std::signal(SIGPIPE, ancienSignal);
    QVERIFY2(ms < 2000, qPrintable(QString::number(ms)));
    QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
    VerifierOuverture(b.dialogues.messages[0], chemin, raison.toStdString());
    ComparerEtats(Etat::De(b), avant);
}

void TestSauvegardeOuverture::laFenetreEstLaQuandUnFichierDeDepartEstRefuse_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("raison");
    Ecrire(Chemin("depart-abime.sdk"), Donnees("jeu_ecrit.sdk").left(200));
    QTest::newRow("abîmé") << Chemin("depart-abime.sdk") << QString::fromStdString(RaisonTronque);
    QTest::newRow("absent") << Chemin("depart-absent.sdk") << "le fichier n'existe pas";
}

// The real box, centred over the main window, which has only just appeared.
void TestSauvegardeOuverture::laFenetreEstLaQuandUnFichierDeDepartEstRefuse() {
    QFETCH(QString, chemin);
    QFETCH(QString, raison);
    BancFenetre b({}, false, {}, true);
    b.dialogues.vraisMessages = true;
    // Read once the box has come to rest (it may be moved again when the window manager
    // frames it), within a bounded number of ticks.
    QPoint centreBoite, centreFenetre;
    auto *lecture = new QTimer;
    int tours = 0;
    QObject::connect(lecture, &QTimer::timeout, lecture, [&, lecture] {
        QWidget *boite = QApplication::activeModalWidget();
        if (!boite || !boite->windowHandle() || !boite->windowHandle()->isExposed()) return;
        // The box's own frame may still be unknown here: its client area is measured, which
        // lies within half a title bar of the centre.
        centreBoite = boite->geometry().center();
        centreFenetre = b.fenetre->frameGeometry().center();
        if ((centreBoite - centreFenetre).manhattanLength() > 15 && ++tours < 200) return;
        lecture->deleteLater();
        boite->close();
    });
    lecture->start(5);
    b.fenetre->Form_Load(chemin);
    QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
    VerifierOuverture(b.dialogues.messages[0], chemin, raison.toStdString());
    QVERIFY(b.dialogues.parentsVisibles[0]);
    QVERIFY2((centreBoite - centreFenetre).manhattanLength() <= 15, qPrintable(QString("%1,%2 / %3,%4")
                                                                                   .arg(centreBoite.x())
                                                                                   .arg(centreBoite.y())
                                                                                   .arg(centreFenetre.x())
                                                                                   .arg(centreFenetre.y())));
    // The usual first game follows.
    QCOMPARE(b.jeu().ModeJeu, 1);
    QCOMPARE(Libelle(b, 1)->text(), QString("Mode Jeu"));
    int donnees = 0;
    for (bool g : b.jeu().CasesDonnees.Cases())
        donnees += g;
    QVERIFY(donnees >= 30 && donnees <= 38);
    QVERIFY(b.fenetre->tmrSecondes().isActive());
}

void TestSauvegardeOuverture::laLigneDeCommandeOuvreLaPartie_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<bool>("ouvert");
    QTest::addColumn<bool>("nomBrut"); // opened under a name that is not valid UTF-8
    Ecrire(Chemin("cli-abime.sdk"), AvecTexte(Donnees("jeu_ecrit.sdk"), EnregistrementDeCase(3, 4, 2), "12"));
    QTest::newRow("partie saine") << QString(LUMIO_TEST_DATA "/jeu_ecrit.sdk") << true << false;
    QTest::newRow("partie abîmée") << Chemin("cli-abime.sdk") << false << false;
    QTest::newRow("nom qui n'est pas de l'UTF-8")
        << QString(LUMIO_TEST_DATA "/jeu_ecrit.sdk") << true << true;
}

void TestSauvegardeOuverture::laLigneDeCommandeOuvreLaPartie() {
    QFETCH(QString, fichier);
    QFETCH(bool, ouvert);
    QFETCH(bool, nomBrut);
    QVERIFY2(QFileInfo(Programme()).isExecutable(), "build the sudoku-lumio target first");
    QTemporaryDir ici;
    QProcess p;
    HorsEcran(p, ici.filePath("config"));
    const QString image = ici.filePath("capture.png");
    if (nomBrut)
        ParLeShell(p,
                   "nom=\"$3/$(printf 'mauvais\\377nom.sdk')\"\n"
                   "cp \"$1\" \"$nom\" && set -- \"$nom\" --capture \"$2\"",
                   {fichier, image, ici.path()});
    else
        p.start(Programme(), {fichier, "--capture", image});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString erreurs = QString::fromUtf8(p.readAllStandardError());
    const QImage capture(image);
    QCOMPARE(capture.size(), QSize(730, 517));
    if (ouvert) {
        QVERIFY2(!erreurs.contains("Impossible d'ouvrir"), qPrintable(erreurs));
        // The same file opened in this process gives the same picture.
        BancFenetre b;
        QVERIFY(b.fenetre->OuvrirFichier(fichier));
        QVERIFY(capture.convertToFormat(QImage::Format_RGB32) ==
                b.fenetre->CaptureClient().convertToFormat(QImage::Format_RGB32));
    } else {
        // The player's sentence, and for whoever looks into it the file and what is wrong in it.
        const LecturePartie lue = LirePartie(VersOctets(Lire(fichier)));
        QVERIFY2(erreurs.contains("Impossible d'ouvrir la partie « cli-abime.sdk » : " +
                                  QString::fromStdString(lue.raison) + "."),
                 qPrintable(erreurs));
        QVERIFY2(erreurs.contains(fichier + " : " + QString::fromStdString(lue.detail)), qPrintable(erreurs));
        // A normal first game: givens in brown on the board.
        int brun = 0;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                brun += Compter(capture, Interieur(c, r), RGB(128, 64, 64), 30) > 20;
        QVERIFY2(brun >= 30 && brun <= 38, qPrintable(QString::number(brun)));
    }
}

QTEST_MAIN(TestSauvegardeOuverture)
#include "tst_sauvegarde_ouverture.moc"
