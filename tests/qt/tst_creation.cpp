// Creation mode on the real main window: the mode switch, typing a grid, solving it, and a
// window that stays live, refuses grid changes and can be interrupted during a search.
#include "BancFenetre.h"

#include <QLabel>
#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

// A hard puzzle and its only completion, row after row.
const char *const Enonce =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const char *const Solution =
    "417369825632158947958724316825437169791586432346912758289643571573291684164875293";

void Taper(BancFenetre &b, const char *grille) {
    for (int k = 0; k < 81; ++k) {
        if (grille[k] == '.') continue;
        AllerA(b, k % 9 + 1, k / 9 + 1);
        Touche(*b.fenetre, Qt::Key(Qt::Key_0 + (grille[k] - '0')), Qt::KeypadModifier);
    }
}

GrilleChiffres Lire(const char *g) {
    GrilleChiffres grille;
    for (int k = 0; k < 81; ++k)
        grille(k % 9 + 1, k / 9 + 1) = Chiffre(g[k] == '.' ? 0 : g[k] - '0');
    return grille;
}

} // namespace

class TestCreation : public QObject {
    Q_OBJECT
  private slots:
    void leMenuDesModesPasseEnCreationSansRienDemander();
    void uneGrilleTapeeEstResolueEnBleuAutourDesChiffresDuJoueur();
    void uneGrilleSansSolutionLeDitEtResteTelleQuelle();
    void pendantUneRechercheLaFenetreVitMaisNeChangePasLaGrille();
    void fermerLaFenetrePendantUneRechercheLArreteEtFerme();
};

void TestCreation::leMenuDesModesPasseEnCreationSansRienDemander() {
    BancFenetre b({}, true, {}, true);
    b.fenetre->Action("mnuModeChoix2")->trigger();
    QCOMPARE(b.jeu().ModeJeu, 2);
    QCOMPARE(b.magasin->Lire("TMD", ""), std::string("2"));
    QCOMPARE(b.fenetre->findChild<QLabel *>("Label1")->text(), QString("Mode création"));
    QVERIFY(b.fenetre->Action("mnuModeChoix2")->isChecked() &&
            !b.fenetre->Action("mnuModeChoix1")->isChecked());
    QVERIFY(!b.fenetre->tmrSecondes().isActive());
    QVERIFY(b.dialogues.messages.empty());
    // Typed digits survive choosing the mode already checked.
    AllerA(b, 2, 3);
    Touche(*b.fenetre, Qt::Key_6, Qt::KeypadModifier);
    b.fenetre->Action("mnuModeChoix2")->trigger();
    QCOMPARE(int(b.jeu().GrilleCreation(2, 3)), 6);
    QVERIFY(b.fenetre->Action("mnuModeChoix2")->isChecked());
    // And back to play mode: a fresh game.
    b.fenetre->Action("mnuModeChoix1")->trigger();
    QCOMPARE(b.jeu().ModeJeu, 1);
    QVERIFY(b.fenetre->tmrSecondes().isActive());
    QCOMPARE(b.fenetre->findChild<QLabel *>("Label1")->text(), QString("Mode Jeu"));
}

void TestCreation::uneGrilleTapeeEstResolueEnBleuAutourDesChiffresDuJoueur() {
    BancFenetre b({{"TMD", "2"}}, true, {}, true);
    Jeu &j = b.jeu();
    Taper(b, Enonce);
    QVERIFY(j.GrilleCreation == Lire(Enonce));
    b.dialogues.reponses = {Reponse::Oui};
    Touche(*b.fenetre, Qt::Key_F7);
    QCOMPARE(b.dialogues.messages.size(), std::size_t(2));
    QCOMPARE(b.dialogues.messages[0].texte, std::string("Etes-vous sûr de vouloir afficher la solution ?"));
    QCOMPARE(b.dialogues.messages[0].titre, std::string("Afficher la solution"));
    QCOMPARE(b.dialogues.messages[1].texte, std::string("Sudoku résolu avec succés !"));
    QVERIFY(j.GrilleCreation == Lire(Solution));
    QVERIFY(j.GrilleCreationInitiale == Lire(Enonce));
    QVERIFY(j.FlagSol);
    const QImage &im = b.fenetre->image();
    for (int k = 0; k < 81; ++k) {
        const int c = k % 9 + 1, r = k / 9 + 1;
        const bool tape = Enonce[k] != '.';
        QVERIFY2(Compter(im, Interieur(c, r), tape ? RGB(128, 64, 64) : RGB(0, 0, 192)) > 15,
                 qPrintable(QString("%1,%2").arg(c).arg(r)));
        QCOMPARE(Compter(im, Interieur(c, r), tape ? RGB(0, 0, 192) : RGB(128, 64, 64)), 0);
    }
    QCOMPARE(QApplication::focusWidget(), qobject_cast<QWidget *>(b.fenetre->CoupN()));
}

void TestCreation::uneGrilleSansSolutionLeDitEtResteTelleQuelle() {
    BancFenetre b({{"TMD", "2"}}, true, {}, true);
    // Two 5s in one box, in different rows and columns.
    AllerA(b, 1, 1);
    Touche(*b.fenetre, Qt::Key_5, Qt::KeypadModifier);
    AllerA(b, 2, 2);
    Touche(*b.fenetre, Qt::Key_5, Qt::KeypadModifier);
    const GrilleChiffres tapee = b.jeu().GrilleCreation;
    b.dialogues.reponses = {Reponse::Oui};
    Touche(*b.fenetre, Qt::Key_F7);
    QCOMPARE(b.dialogues.messages.back().texte, std::string("Aucune solution possible!"));
    QCOMPARE(int(b.dialogues.messages.back().icone), int(Icone::Critique));
    QVERIFY(b.jeu().GrilleCreation == tapee);
    QVERIFY(!b.jeu().FlagSol);
    Touche(*b.fenetre, Qt::Key_F5);
    QCOMPARE(b.dialogues.messages.back().texte, std::string("Grille incorrecte !!"));
}

// Events the window handles during the search: a click on the board, a new game and a second
// solve are refused; Escape stops the search and leaves the typed grid as it was.
void TestCreation::pendantUneRechercheLaFenetreVitMaisNeChangePasLaGrille() {
    BancFenetre b({{"TMD", "2"}}, true, {}, true);
    Jeu &j = b.jeu();
    Taper(b, Enonce);
    const GrilleChiffres tapee = j.GrilleCreation;
    int c = 0, r = 0;
    j.CaseCurseur(c, r);
    b.dialogues.reponses = {Reponse::Oui};
    QWidget &zone = b.fenetre->zone();
    const QPointF surLeCurseur(50 + 45 * c - 20, 26 + 45 * r - 20);
    QCoreApplication::postEvent(&zone, new QMouseEvent(QEvent::MouseButtonPress, surLeCurseur,
                                                       zone.mapToGlobal(surLeCurseur), Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
    QMetaObject::invokeMethod(b.fenetre->Action("mnuJeuNouveau"), "trigger", Qt::QueuedConnection);
    QMetaObject::invokeMethod(b.fenetre->Action("mnuSolution"), "trigger", Qt::QueuedConnection);
    QMetaObject::invokeMethod(b.fenetre->Action("mnuRecommencer"), "trigger", Qt::QueuedConnection);
    QCoreApplication::postEvent(b.fenetre->CoupN(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    b.fenetre->LancerSolution();
    QVERIFY(!j.RechercheEnCours);
    QCOMPARE(b.dialogues.messages.size(), std::size_t(2)); // the confirmation, then the interruption
    QCOMPARE(b.dialogues.messages[1].texte, std::string("Recherche interrompue."));
    QVERIFY(j.GrilleCreation == tapee);
    QVERIFY(!j.FlagSol);
    QCOMPARE(j.ModeJeu, 2);
    // Afterwards the commands work again.
    b.dialogues.reponses = {Reponse::Oui};
    b.fenetre->LancerSolution();
    QVERIFY(j.GrilleCreation == Lire(Solution));
}

void TestCreation::fermerLaFenetrePendantUneRechercheLArreteEtFerme() {
    BancFenetre b({{"TMD", "2"}}, true, {}, true);
    Taper(b, Enonce);
    b.dialogues.reponses = {Reponse::Oui, Reponse::Oui}; // show the solution, then quit
    QMetaObject::invokeMethod(b.fenetre.get(), "close", Qt::QueuedConnection);
    b.fenetre->LancerSolution();
    QVERIFY(!b.fenetre->isVisible());
    QCOMPARE(b.dialogues.messages[1].texte, std::string("Voulez-vous vraiment quitter ?"));
    QCOMPARE(b.dialogues.messages.size(), std::size_t(2));
    QVERIFY(b.jeu().GrilleCreation == Lire(Enonce));
}

QTEST_MAIN(TestCreation)
#include "tst_creation.moc"
