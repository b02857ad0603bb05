// Solving the creation grid from the game: what the player sees written and told, and a search
// the player interrupts.
#include "Factices.h"
#include "GrillesTexte.h"
#include "Jeu.h"
#include "SolveurReference.h"

#include <QtTest>

#include <string>

using namespace lumio;
using namespace lumio::test;

namespace {

const std::string Pleine =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string PremiereLigne(const char *nom) {
    return TexteDeGrille(LireGrilles(std::string(LUMIO_TEST_DATA "/") + nom).front());
}

std::string ParLaReference(const std::string &grille) {
    GrilleChiffres s;
    return ResoudreReference(GrilleDeTexte(grille), s) ? TexteDeGrille(s) : grille;
}

int CasesVides(const std::string &grille) {
    int n = 0;
    for (char x : grille)
        n += x == '.';
    return n;
}

struct Partie {
    Monde monde;
    Jeu jeu{monde.surface, monde.fenetre, monde.reglages, monde.sons, monde.hasard};

    explicit Partie(const std::string &grille) {
        jeu.ModeJeu = 2;
        jeu.OrigineX = 160; // where the board lies in the window, so that every cell is drawn
        jeu.OrigineY = 56;
        jeu.GrilleCreation = GrilleDeTexte(grille);
        jeu.FlagSol = true;
    }
};

} // namespace

class TestSolveurJeu : public QObject {
    Q_OBJECT

  private slots:
    void issueMontreeAuJoueur_data();
    void issueMontreeAuJoueur();
    void rechercheInterrompue();
};

void TestSolveurJeu::issueMontreeAuJoueur_data() {
    QTest::addColumn<QString>("grille");
    QTest::addColumn<QString>("attendue");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icone");

    const QString succes = "Sudoku résolu avec succés !", echec = "Aucune solution possible!";
    std::string trouee = Pleine;
    for (int i : {0, 10, 20, 30, 40, 50, 60, 70, 80})
        trouee[std::size_t(i)] = '.';
    const std::string difficile = PremiereLigne("grilles-top1465.txt");
    const std::string plusieurs = PremiereLigne("grilles-serg.txt");
    const std::string cinqDansUnBloc = "5........" + std::string(".5.......") + std::string(63, '.');
    const std::string sansNeuf = "12345678." + std::string("........9") + std::string(63, '.');
    auto ligne = [](const std::string &s) { return QString::fromStdString(s); };

    QTest::newRow("trous que la propagation comble")
        << ligne(trouee) << ligne(Pleine) << succes << int(Icone::Aucune);
    QTest::newRow("une solution, par la recherche")
        << ligne(difficile) << ligne(ParLaReference(difficile)) << succes << int(Icone::Aucune);
    QTest::newRow("plusieurs solutions: la première rencontrée")
        << ligne(plusieurs) << ligne(ParLaReference(plusieurs)) << succes << int(Icone::Aucune);
    QTest::newRow("une seule case remplie")
        << ligne("....7" + std::string(76, '.')) << ligne(ParLaReference("....7" + std::string(76, '.')))
        << succes << int(Icone::Aucune);
    QTest::newRow("grille déjà pleine") << ligne(Pleine) << ligne(Pleine) << succes << int(Icone::Aucune);
    QTest::newRow("deux 5 dans un bloc")
        << ligne(cinqDansUnBloc) << ligne(cinqDansUnBloc) << echec << int(Icone::Critique);
    QTest::newRow("case sans chiffre possible")
        << ligne(sansNeuf) << ligne(sansNeuf) << echec << int(Icone::Critique);
}

void TestSolveurJeu::issueMontreeAuJoueur() {
    QFETCH(QString, grille);
    QFETCH(QString, attendue);
    QFETCH(QString, message);
    QFETCH(int, icone);
    Partie p(grille.toStdString());
    bool enCours = false;
    p.monde.fenetre.pendantRecherche = [&] { return enCours = p.jeu.RechercheEnCours, false; };

    p.jeu.ResoudreGrille();

    QCOMPARE(QString::fromStdString(TexteDeGrille(p.jeu.GrilleCreation)), attendue);
    QCOMPARE(p.monde.fenetre.messages.size(), std::size_t(1));
    const Message &m = p.monde.fenetre.messages.front();
    QCOMPARE(QString::fromStdString(m.texte), message);
    QCOMPARE(int(m.icone), icone);
    QVERIFY(m.boutons == Boutons::Ok);
    QCOMPARE(m.titre, TitreDefaut);
    const bool resolue = icone == int(Icone::Aucune);
    QCOMPARE(p.jeu.FlagSol, resolue);
    QCOMPARE(p.jeu.SolutionTrouvee, resolue);
    // Only the empty cells are drawn: the typed digits stay as they were.
    QCOMPARE(int(p.monde.surface.Ecritures().size()), resolue ? CasesVides(grille.toStdString()) : 0);
    QVERIFY(p.monde.fenetre.evenementsTraites >= 1 || !resolue);
    QCOMPARE(enCours, p.monde.fenetre.evenementsTraites > 0);
    QVERIFY(!p.jeu.RechercheEnCours);
}

void TestSolveurJeu::rechercheInterrompue() {
    const std::string grille = PremiereLigne("grilles-forum-hardest.txt");
    Partie p(grille);
    bool enCours = false;
    p.monde.fenetre.pendantRecherche = [&] { return enCours = p.jeu.RechercheEnCours, true; };

    p.jeu.ResoudreGrille();

    QVERIFY(enCours);
    QVERIFY(!p.jeu.RechercheEnCours);
    QCOMPARE(TexteDeGrille(p.jeu.GrilleCreation), grille);
    QVERIFY(p.monde.surface.appels.empty());
    QVERIFY(!p.jeu.FlagSol);
    QVERIFY(!p.jeu.SolutionTrouvee);
    QCOMPARE(p.monde.fenetre.messages.size(), std::size_t(1));
    const Message &m = p.monde.fenetre.messages.front();
    QCOMPARE(m.texte, std::string("Recherche interrompue."));
    QVERIFY(m.icone == Icone::Information);
    QVERIFY(m.boutons == Boutons::Ok);
    QCOMPARE(m.titre, TitreDefaut);
}

QTEST_APPLESS_MAIN(TestSolveurJeu)
#include "tst_solveur_jeu.moc"
