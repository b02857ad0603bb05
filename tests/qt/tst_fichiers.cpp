// Saved games through the real main window: the menu commands, the files on disk, the dialogs,
// damaged files, failed saves and a game opened from the command line.
#include "BancFenetre.h"
#include "FichierPartie.h"
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

namespace {

QByteArray Donnees(const char *nom) {
    QFile f(QStringLiteral(LUMIO_TEST_DATA "/") + nom);
    if (!f.open(QIODevice::ReadOnly)) qFatal("donnée de test absente : %s", nom);
    return f.readAll();
}

QByteArray Lire(const QString &chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Ecrire(const QString &chemin, const QByteArray &octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}

std::vector<std::uint8_t> Octets(const QByteArray &a) {
    return std::vector<std::uint8_t>(a.begin(), a.end());
}
QByteArray Tableau(const std::vector<std::uint8_t> &o) {
    return QByteArray(reinterpret_cast<const char *>(o.data()), qsizetype(o.size()));
}

// Record k (0, 1, 2) of cell (c, r), counted from 1 in the file.
int EnregistrementCase(int c, int r, int k) {
    return 11 + 3 * (9 * (c - 1) + (r - 1)) + k;
}

// Puts a plain text in record e of a file image.
QByteArray AvecTexte(QByteArray o, int e, const QByteArray &texte) {
    const int d = (e - 1) * 15;
    o[d] = char(texte.size());
    o[d + 1] = 0;
    for (int k = 0; k < texte.size(); ++k)
        o[d + 2 + k] = texte[k];
    return o;
}

QByteArray AvecOctet(QByteArray o, int position, char v) {
    o[position] = v;
    return o;
}

QLabel *Libelle(BancFenetre &b, int n) {
    return b.fenetre->findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
}

// Everything a file command could disturb in the game and on the screen.
struct Etat {
    GrilleChiffres solution, grilleJeu, creation, creationInitiale;
    GrilleBooleens donnees;
    std::array<int, 9> compte{};
    int mode = 0, niveauPartie = 0;
    std::int32_t secondes = 0;
    bool flagSol = false, boutonSolution = false, chrono = false, mode1 = false, mode2 = false;
    QStringList libelles;
    QList<bool> visibles;
    QList<int> palette;
    QByteArray reglages;
    QImage plateau, client;

    static Etat De(BancFenetre &b) {
        Jeu &j = b.jeu();
        Etat e;
        e.solution = j.GrilleSolution;
        e.grilleJeu = j.GrilleJeu;
        e.creation = j.GrilleCreation;
        e.creationInitiale = j.GrilleCreationInitiale;
        e.donnees = j.CasesDonnees;
        for (int d = 1; d <= 9; ++d)
            e.compte[std::size_t(d - 1)] = j.NbChiffre(d);
        e.mode = j.ModeJeu;
        e.niveauPartie = j.NiveauPartie;
        e.secondes = j.SecondesEcoulees;
        e.flagSol = j.FlagSol;
        e.boutonSolution = j.BOUTONSOLUTION;
        e.chrono = b.fenetre->tmrSecondes().isActive();
        e.mode1 = b.fenetre->Action("mnuModeChoix1")->isChecked();
        e.mode2 = b.fenetre->Action("mnuModeChoix2")->isChecked();
        for (int n = 1; n <= 3; ++n) {
            e.libelles << Libelle(b, n)->text();
            e.visibles << Libelle(b, n)->isVisibleTo(Libelle(b, n)->parentWidget());
        }
        for (int i = 1; i <= 9; ++i)
            e.palette << b.fenetre->imgChiffre(i)->ImageCourante();
        e.reglages = Lire(b.magasin->Fichier());
        e.plateau = b.fenetre->image().copy();
        e.client = b.fenetre->CaptureClient();
        return e;
    }
};

void ComparerEtats(const Etat &apres, const Etat &avant) {
    QVERIFY(apres.solution == avant.solution);
    QVERIFY(apres.grilleJeu == avant.grilleJeu);
    QVERIFY(apres.creation == avant.creation);
    QVERIFY(apres.creationInitiale == avant.creationInitiale);
    QVERIFY(apres.donnees == avant.donnees);
    QVERIFY(apres.compte == avant.compte);
    QCOMPARE(apres.mode, avant.mode);
    QCOMPARE(apres.niveauPartie, avant.niveauPartie);
    QCOMPARE(apres.secondes, avant.secondes);
    QCOMPARE(apres.flagSol, avant.flagSol);
    QCOMPARE(apres.boutonSolution, avant.boutonSolution);
    QCOMPARE(apres.chrono, avant.chrono);
    QCOMPARE(apres.mode1, avant.mode1);
    QCOMPARE(apres.mode2, avant.mode2);
    QCOMPARE(apres.libelles, avant.libelles);
    QCOMPARE(apres.visibles, avant.visibles);
    QCOMPARE(apres.palette, avant.palette);
    QCOMPARE(apres.reglages, avant.reglages);
    QVERIFY(apres.plateau == avant.plateau);
    QVERIFY(apres.client == avant.client);
}

// A game in progress that a file of the other mode would visibly replace: a play game with a
// player digit and a running clock, or a creation grid with a few typed digits.
void PreparerPartieEnCours(BancFenetre &b, int mode) {
    Jeu &j = b.jeu();
    if (mode == 2) {
        b.fenetre->Action("mnuModeChoix2")->trigger();
        j.PlacerChiffreCreation(5, GenreDonnee, 1, 1);
        j.PlacerChiffreCreation(8, GenreDonnee, 6, 3);
        return;
    }
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (j.GrilleJeu(c, r) == 0) {
                j.PlacerChiffre(j.GrilleSolution(c, r) % 9 + 1, GenreJoueur, c, r);
                for (int t = 0; t < 3; ++t)
                    j.tmrSecondes_Timer();
                return;
            }
}

void VerifierMessage(const Message &m, const std::string &debut) {
    QVERIFY2(m.texte.rfind(debut + "\n\n", 0) == 0, m.texte.c_str());
    QVERIFY(m.texte.size() > debut.size() + 2); // a reason follows
    QCOMPARE(m.boutons, Boutons::Ok);
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(m.titre, std::string("Sudoku"));
}

// The box that says a game could not be opened: the file's name and a reason in plain words.
void VerifierOuverture(const Message &m, const QString &chemin, const std::string &raison) {
    QCOMPARE(m.texte, "Impossible d'ouvrir la partie « " + QFileInfo(chemin).fileName().toStdString() +
                          " » : " + raison + ".");
    QCOMPARE(m.boutons, Boutons::Ok);
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(m.titre, std::string("Sudoku"));
}

QStringList Contenu(const QString &dossier) {
    return QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Waits, events running, until `condition` holds or five seconds have gone.
template <typename F> bool Attendre(F condition) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

QStringList FichiersVisibles(QFileDialog &d) {
    auto *vue = d.findChild<QListView *>(QStringLiteral("listView"));
    QStringList noms;
    if (!vue || !vue->model()) return noms;
    const QModelIndex racine = vue->rootIndex();
    for (int i = 0; i < vue->model()->rowCount(racine); ++i)
        noms << vue->model()->index(i, 0, racine).data().toString();
    noms.sort();
    return noms;
}

// Runs a menu command with the keyboard focus elsewhere, to see where the command leaves it.
void Declencher(BancFenetre &b, const QString &commande) {
    b.fenetre->TovCommand(3)->setFocus();
    b.fenetre->Action(commande)->trigger();
}

bool FocusSurCoupN(BancFenetre &b) {
    return b.fenetre->focusWidget() == b.fenetre->CoupN();
}

} // namespace

class TestFichiers : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString Chemin(const QString &nom) const { return dossier_.filePath(nom); }

  private slots:
    void unePartieDeJeuRepartOuElleEnEtait() {
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
            QCOMPARE(Lire(fichier), Tableau(EcrirePartie(b.jeu())));
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

    void neufDonneesEpuisentLeurChiffre_data() {
        QTest::addColumn<QString>("limite");
        QTest::addColumn<bool>("epuise");
        QTest::newRow("limite active") << "1" << true;
        QTest::newRow("limite levée") << "0" << false;
    }
    void neufDonneesEpuisentLeurChiffre() {
        QFETCH(QString, limite);
        QFETCH(bool, epuise);
        // Every 7 of the known game becomes a given.
        QByteArray o = Donnees("jeu_ecrit.sdk");
        const LecturePartie connu = LirePartie(Octets(o));
        QVERIFY(connu);
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (connu.partie->GrilleSolution(c, r) == 7) {
                    o = AvecTexte(o, EnregistrementCase(c, r, 1), "True");
                    o = AvecTexte(o, EnregistrementCase(c, r, 2), "7");
                }
        Ecrire(Chemin("sept.sdk"), o);
        BancFenetre b({{"CDE", limite.toStdString()}});
        QVERIFY(b.fenetre->OuvrirFichier(Chemin("sept.sdk")));
        QCOMPARE(b.jeu().NbChiffre(7), std::int16_t(9));
        QCOMPARE(b.fenetre->imgChiffre(7)->ImageCourante() == 0, epuise);
        QVERIFY(b.fenetre->imgChiffre(8)->ImageCourante() != 0);
    }

    void unChiffreFauxRevientEnRougeSelonLaVerification_data() {
        QTest::addColumn<QString>("verification");
        QTest::addColumn<bool>("rouge");
        QTest::newRow("vérification immédiate") << "1" << true;
        QTest::newRow("sans vérification") << "0" << false;
    }
    void unChiffreFauxRevientEnRougeSelonLaVerification() {
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

    void uneCreationResolueRevientTelleQueTapee() {
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

    void lesFichiersCourtsOuvrentCeQuIlsContiennent_data() {
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
    void lesFichiersCourtsOuvrentCeQuIlsContiennent() {
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

    void unFichierAbimeLaissePartieEtEcranIntacts_data() {
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
            << AvecTexte(jeu, EnregistrementCase(3, 4, 2), "12") << 2 << "hors limites (case 3, 4)";
        QTest::newRow("chiffre 12 en création")
            << AvecTexte(creation, EnregistrementCase(9, 9, 0), "12") << 1 << "hors limites (case 9, 9)";
        QTest::newRow("booléen Peut-être")
            << AvecTexte(jeu, EnregistrementCase(2, 2, 1), "Peut-\xEAtre") << 2 << "ni vrai ni faux";
        // Two solution digits swapped in one column: rows break.
        QTest::newRow("solution invalide")
            << AvecTexte(AvecTexte(jeu, EnregistrementCase(4, 1, 0), "5"), EnregistrementCase(4, 2, 0), "4")
            << 2 << "solution n'est pas valide";
        QTest::newRow("ni jeu ni création") << AvecOctet(jeu, 5, '3') << 2 << "ni le mode Jeu";
        QByteArray hasard(3810, 0);
        QRandomGenerator graine(3810);
        for (char &o : hasard)
            o = char(graine.bounded(256));
        QTest::newRow("octets au hasard") << hasard << 1 << "";
    }
    void unFichierAbimeLaissePartieEtEcranIntacts() {
        QFETCH(QByteArray, octets);
        QFETCH(int, modeEnCours);
        QFETCH(QString, cause);
        const LecturePartie lue = LirePartie(Octets(octets));
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

    void unFichierIlisibleLaissePartieEtEcranIntacts_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<bool>("interdit");
        QTest::addColumn<QString>("raison");
        Ecrire(Chemin("ordinaire.txt"), "texte");
        QDir(dossier_.path()).mkpath("un-dossier.sdk");
        Ecrire(Chemin("interdit.sdk"), Donnees("jeu_ecrit.sdk"));
        QTest::newRow("absent") << Chemin("absent.sdk") << false << "le fichier n'existe pas";
        QTest::newRow("un dossier") << Chemin("un-dossier.sdk") << false
                                    << "c'est un dossier, pas un fichier";
        QTest::newRow("sous un fichier ordinaire")
            << Chemin("ordinaire.txt/partie.sdk") << false << "le fichier n'existe pas";
        QTest::newRow("sans droit de lecture")
            << Chemin("interdit.sdk") << true << "vous n'avez pas le droit de le lire";
    }
    void unFichierIlisibleLaissePartieEtEcranIntacts() {
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

    void seulUnFichierOrdinaireEstLuEtLeResteRefuseAussitot_data() {
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
    void seulUnFichierOrdinaireEstLuEtLeResteRefuseAussitot() {
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

    void lEcrasementDemandeConfirmation_data() {
        QTest::addColumn<bool>("remplace");
        QTest::newRow("non") << false;
        QTest::newRow("oui") << true;
    }
    void lEcrasementDemandeConfirmation() {
        QFETCH(bool, remplace);
        const QString fichier = Chemin("ancien.sdk");
        const QByteArray ancien = "une ancienne partie";
        Ecrire(fichier, ancien);
        BancFenetre b;
        b.dialogues.reponsesFichier = {fichier};
        b.dialogues.reponses = {remplace ? Reponse::Oui : Reponse::Non};
        Declencher(b, "Enregistrer");
        QCOMPARE(b.dialogues.messages.size(), std::size_t(1));
        const Message &m = b.dialogues.messages[0];
        QCOMPARE(m.texte, std::string("Ecraser le fichier existant ?"));
        QCOMPARE(m.boutons, Boutons::OuiNon);
        QCOMPARE(m.icone, Icone::Question);
        QCOMPARE(m.titre, std::string("Sudoku"));
        QVERIFY(m.nonParDefaut);
        QCOMPARE(Lire(fichier), remplace ? Tableau(EcrirePartie(b.jeu())) : ancien);
        QCOMPARE(Contenu(dossier_.path()).filter("ancien"), QStringList{"ancien.sdk"});
        QVERIFY(FocusSurCoupN(b));
    }

    void unEnregistrementRateGardeLAncienFichier_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("ancien");
        QTest::addColumn<int>("limiteOctets"); // 0: no limit on the size of written files
        QTest::addColumn<bool>("interdit");
        QTest::newRow("dossier absent") << "absent/partie.sdk" << false << 0 << false;
        QTest::newRow("sous un fichier ordinaire") << "ordinaire.txt/partie.sdk" << false << 0 << false;
        QTest::newRow("un dossier à la place du fichier") << "partie.sdk" << false << 0 << false;
        QTest::newRow("écriture interrompue") << "partie.sdk" << true << 1000 << false;
        QTest::newRow("dossier en lecture seule") << "partie.sdk" << true << 0 << true;
    }
    void unEnregistrementRateGardeLAncienFichier() {
        QFETCH(QString, nom);
        QFETCH(bool, ancien);
        QFETCH(int, limiteOctets);
        QFETCH(bool, interdit);
        if (interdit && geteuid() == 0) QSKIP("permission bits do not stop root");
        QTemporaryDir ici;
        const QString fichier = ici.filePath(nom);
        const QByteArray contenuAncien = "la partie d'hier";
        Ecrire(ici.filePath("ordinaire.txt"), "texte");
        if (ancien)
            Ecrire(fichier, contenuAncien);
        else if (nom == "partie.sdk")
            QVERIFY(QDir(ici.path()).mkdir(nom));
        if (interdit) QFile::setPermissions(ici.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QStringList avant = Contenu(ici.path());

        BancFenetre b;
        PreparerPartieEnCours(b, 1);
        const Etat etatAvant = Etat::De(b);
        rlimit ancienneLimite{};
        getrlimit(RLIMIT_FSIZE, &ancienneLimite);
        auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        if (limiteOctets) {
            rlimit l = ancienneLimite;
            l.rlim_cur = rlim_t(limiteOctets);
            setrlimit(RLIMIT_FSIZE, &l);
        }
        const bool reussi = b.fenetre->EnregistrerFichier(fichier);
        setrlimit(RLIMIT_FSIZE, &ancienneLimite);
        std::signal(SIGXFSZ, ancienSignal);
        if (interdit)
            QFile::setPermissions(ici.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(!reussi);
        // Replacing is asked only of a file: a folder is refused before any question.
        QCOMPARE(b.dialogues.messages.size(), std::size_t(ancien ? 2 : 1));
        VerifierMessage(b.dialogues.messages.back(), "Impossible d'enregistrer la partie.");
        if (ancien) QCOMPARE(Lire(fichier), contenuAncien);
        // No half-written file is left behind, beside the old one or in its place.
        QCOMPARE(Contenu(ici.path()), avant);
        ComparerEtats(Etat::De(b), etatAvant);
    }

    void annulerOuChercherNeFaitRien_data() {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<bool>("recherche");
        QTest::newRow("ouvrir annulé") << "Ouvrir" << false;
        QTest::newRow("enregistrer annulé") << "Enregistrer" << false;
        QTest::newRow("ouvrir pendant une recherche") << "Ouvrir" << true;
        QTest::newRow("enregistrer pendant une recherche") << "Enregistrer" << true;
    }
    void annulerOuChercherNeFaitRien() {
        QFETCH(QString, commande);
        QFETCH(bool, recherche);
        BancFenetre b;
        PreparerPartieEnCours(b, 1);
        const Etat avant = Etat::De(b);
        b.jeu().RechercheEnCours = recherche;
        if (recherche) b.dialogues.reponsesFichier = {LUMIO_TEST_DATA "/jeu_ecrit.sdk"};
        Declencher(b, commande);
        b.jeu().RechercheEnCours = false;
        QCOMPARE(b.dialogues.fichiersDemandes.size(), std::size_t(recherche ? 0 : 1));
        QVERIFY(b.dialogues.messages.empty());
        ComparerEtats(Etat::De(b), avant);
    }

    void lesDialoguesPartentDuDossierDesParties() {
        const QString parties = QCoreApplication::applicationDirPath() + "/Parties";
        const bool existait = QFileInfo(parties).isDir();
        if (!existait) {
            const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            QCOMPARE(frmMain::DossierParties(), QFileInfo(documents).isDir() ? documents : QDir::homePath());
            QVERIFY(QDir().mkdir(parties));
        }
        const QString trouve = frmMain::DossierParties();
        if (!existait) QDir().rmdir(parties);
        QCOMPARE(QFileInfo(trouve).canonicalFilePath(), QFileInfo(parties).canonicalFilePath());
    }

    void leVraiDialogueMontreTousLesFichiers_data() {
        QTest::addColumn<bool>("enregistrer");
        QTest::addColumn<QString>("titre");
        QTest::newRow("ouvrir") << false << "Ouvrir une partie";
        QTest::newRow("enregistrer") << true << "Enregistrer la partie";
    }
    void leVraiDialogueMontreTousLesFichiers() {
        QFETCH(bool, enregistrer);
        QFETCH(QString, titre);
        QTemporaryDir ici;
        for (const char *nom : {"sans-point", "une.sdk", "AUTRE.SDK", "notes.txt"})
            Ecrire(ici.filePath(nom), "x");
        const QString choisi = ici.filePath(enregistrer ? "nouvelle" : "une.sdk");
        QStringList tous, parties, filtres;
        QString titreVu, filtreChoisi, dossierVu;
        bool confirmeEcrasement = true, suffixe = true, enregistrement = !enregistrer;
        QuandModal([&](QWidget *w) {
            auto *d = qobject_cast<QFileDialog *>(w);
            if (!d) return;
            titreVu = d->windowTitle();
            dossierVu = d->directory().absolutePath();
            confirmeEcrasement = !d->testOption(QFileDialog::DontConfirmOverwrite);
            suffixe = !d->defaultSuffix().isEmpty();
            enregistrement = d->acceptMode() == QFileDialog::AcceptSave;
            auto *types = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; types && i < types->count(); ++i)
                filtres << types->itemText(i);
            filtreChoisi = types ? types->currentText() : QString();
            Attendre([&] { return FichiersVisibles(*d).size() == 2; });
            parties = FichiersVisibles(*d);
            types->setCurrentIndex(0);
            types->activated(0);
            Attendre([&] { return FichiersVisibles(*d).size() == 4; });
            tous = FichiersVisibles(*d);
            // As the player types it: the dialog ignores selectFile while its name field has the focus.
            auto *nom = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (nom) nom->setText(QFileInfo(choisi).fileName());
            QMetaObject::invokeMethod(d, "accept");
        });
        DialoguesQt vrais;
        const QString rendu = vrais.ChoisirFichier(nullptr, enregistrer, ici.path());
        QCOMPARE(titreVu, titre);
        QCOMPARE(enregistrement, enregistrer);
        QCOMPARE(dossierVu, QDir(ici.path()).absolutePath());
        QCOMPARE(filtres, (QStringList{"Tous les fichiers (*.*)", "Partie Sudoku (*.sdk)"}));
        QCOMPARE(filtreChoisi, QString("Partie Sudoku (*.sdk)"));
        QCOMPARE(parties, (QStringList{"AUTRE.SDK", "une.sdk"}));
        QCOMPARE(tous, (QStringList{"AUTRE.SDK", "notes.txt", "sans-point", "une.sdk"}));
        QVERIFY(!confirmeEcrasement);
        QVERIFY(!suffixe);
        QCOMPARE(rendu, choisi);
    }

    // Qt's own dialog in French down to the kind of each entry, and the accept button with its
    // access key (a desktop's native dialog gets none: see tst_bureaux).
    void leVraiDialogueParleFrancais_data() {
        QTest::addColumn<bool>("enregistrer");
        QTest::addColumn<QString>("bouton");
        QTest::newRow("ouvrir") << false << "&Ouvrir";
        QTest::newRow("enregistrer") << true << "&Enregistrer";
    }
    void leVraiDialogueParleFrancais() {
        QFETCH(bool, enregistrer);
        QFETCH(QString, bouton);
        InstallerTraductions();
        QTemporaryDir ici;
        QVERIFY(QDir(ici.path()).mkdir("dossier"));
        QString genre, texteBouton;
        QStringList colonnes;
        QuandModal([&](QWidget *w) {
            auto *d = qobject_cast<QFileDialog *>(w);
            if (!d) return;
            auto *vue = d->findChild<QTreeView *>(QStringLiteral("treeView"));
            if (!vue || !vue->model()) return;
            Attendre([&] { return vue->model()->rowCount(vue->rootIndex()) == 1; });
            genre = vue->model()->index(0, 2, vue->rootIndex()).data().toString();
            for (int i = 0; i < vue->model()->columnCount(vue->rootIndex()); ++i)
                colonnes << vue->model()->headerData(i, Qt::Horizontal).toString();
            if (auto *boutons = d->findChild<QDialogButtonBox *>())
                texteBouton = boutons->buttons().value(0)->text();
        });
        DialoguesQt().ChoisirFichier(nullptr, enregistrer, ici.path());
        QCOMPARE(genre, QString("Dossier"));
        QCOMPARE(colonnes, (QStringList{"Nom", "Taille", "Type", "Dernière modification"}));
        QCOMPARE(texteBouton, bouton);
    }

    void laFenetreEstLaQuandUnFichierDeDepartEstRefuse_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("raison");
        Ecrire(Chemin("depart-abime.sdk"), Donnees("jeu_ecrit.sdk").left(200));
        QTest::newRow("abîmé") << Chemin("depart-abime.sdk") << QString::fromStdString(RaisonTronque);
        QTest::newRow("absent") << Chemin("depart-absent.sdk") << "le fichier n'existe pas";
    }
    // The real box, centred over the main window, which has only just appeared.
    void laFenetreEstLaQuandUnFichierDeDepartEstRefuse() {
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
        QVERIFY2((centreBoite - centreFenetre).manhattanLength() <= 15,
                 qPrintable(QString("%1,%2 / %3,%4")
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

    void laLigneDeCommandeOuvreLaPartie_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<bool>("ouvert");
        QTest::addColumn<bool>("nomBrut"); // opened under a name that is not valid UTF-8
        Ecrire(Chemin("cli-abime.sdk"),
               AvecTexte(Donnees("jeu_ecrit.sdk"), EnregistrementCase(3, 4, 2), "12"));
        QTest::newRow("partie saine") << QString(LUMIO_TEST_DATA "/jeu_ecrit.sdk") << true << false;
        QTest::newRow("partie abîmée") << Chemin("cli-abime.sdk") << false << false;
        QTest::newRow("nom qui n'est pas de l'UTF-8")
            << QString(LUMIO_TEST_DATA "/jeu_ecrit.sdk") << true << true;
    }
    void laLigneDeCommandeOuvreLaPartie() {
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
            const LecturePartie lue = LirePartie(Octets(Lire(fichier)));
            QVERIFY2(erreurs.contains("Impossible d'ouvrir la partie « cli-abime.sdk » : " +
                                      QString::fromStdString(lue.raison) + "."),
                     qPrintable(erreurs));
            QVERIFY2(erreurs.contains(fichier + " : " + QString::fromStdString(lue.detail)),
                     qPrintable(erreurs));
            // A normal first game: givens in brown on the board.
            int brun = 0;
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    brun += Compter(capture, Interieur(c, r), RGB(128, 64, 64), 30) > 20;
            QVERIFY2(brun >= 30 && brun <= 38, qPrintable(QString::number(brun)));
        }
    }
};

QTEST_MAIN(TestFichiers)
#include "tst_fichiers.moc"
