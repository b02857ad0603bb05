// What the tests of saved games through the real window share: files on disk, a game in
// progress, everything a file command could disturb, and the boxes it shows.
#pragma once

#include "BancFenetre.h"
#include "FichierPartie.h"
#include "PartiesConnues.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QtTest>

namespace lumio::test {

inline QByteArray Donnees(const char *nom) {
    QFile f(QStringLiteral(LUMIO_TEST_DATA "/") + nom);
    if (!f.open(QIODevice::ReadOnly)) qFatal("donnée de test absente : %s", nom);
    return f.readAll();
}

inline QByteArray Lire(const QString &chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Ecrire(const QString &chemin, const QByteArray &octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}

// Puts a plain text in record e of a file image.
inline QByteArray AvecTexte(QByteArray o, int e, const QByteArray &texte) {
    const int d = (e - 1) * 15;
    o[d] = char(texte.size());
    o[d + 1] = 0;
    for (int k = 0; k < texte.size(); ++k)
        o[d + 2 + k] = texte[k];
    return o;
}

inline QByteArray AvecOctet(QByteArray o, int position, char v) {
    o[position] = v;
    return o;
}

inline QLabel *Libelle(BancFenetre &b, int n) {
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

inline void ComparerEtats(const Etat &apres, const Etat &avant) {
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
inline void PreparerPartieEnCours(BancFenetre &b, int mode) {
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

inline void VerifierMessage(const Message &m, const std::string &debut) {
    QVERIFY2(m.texte.rfind(debut + "\n\n", 0) == 0, m.texte.c_str());
    QVERIFY(m.texte.size() > debut.size() + 2); // a reason follows
    QCOMPARE(m.boutons, Boutons::Ok);
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(m.titre, std::string("Sudoku"));
}

// The box that says a game could not be opened: the file's name and a reason in plain words.
inline void VerifierOuverture(const Message &m, const QString &chemin, const std::string &raison) {
    QCOMPARE(m.texte, "Impossible d'ouvrir la partie « " + QFileInfo(chemin).fileName().toStdString() +
                          " » : " + raison + ".");
    QCOMPARE(m.boutons, Boutons::Ok);
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(m.titre, std::string("Sudoku"));
}

inline QStringList Contenu(const QString &dossier) {
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

inline QStringList FichiersVisibles(QFileDialog &d) {
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
inline void Declencher(BancFenetre &b, const QString &commande) {
    b.fenetre->TovCommand(3)->setFocus();
    b.fenetre->Action(commande)->trigger();
}

inline bool FocusSurCoupN(BancFenetre &b) {
    return b.fenetre->focusWidget() == b.fenetre->CoupN();
}

} // namespace lumio::test
