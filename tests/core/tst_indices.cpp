// Hints and showing the solution, in play mode and in creation mode.
#include "PartieEssai.h"

#include <QtTest>

#include <sstream>

using namespace lumio;
using namespace lumio::test;

namespace {

bool PremiereLigne(int, int r) {
    return r == 1;
}

std::vector<std::pair<int, int>> Cases(const QString &texte) {
    std::vector<std::pair<int, int>> v;
    std::istringstream in(texte.toStdString());
    for (int c, r; in >> c >> r;)
        v.push_back({c, r});
    return v;
}

} // namespace

class TestIndices : public QObject {
    Q_OBJECT

  private slots:
    void ordreDuParcours_data();
    void ordreDuParcours();
    void aucuneCaseLibre();
    void dernierIndiceGagne();
    void solution();
    void solutionRefusee();
    void solutionEnCreation_data();
    void solutionEnCreation();
    void indiceEnCreation();
    void pendantUneRecherche();
};

void TestIndices::ordreDuParcours_data() {
    QTest::addColumn<double>("ua");
    QTest::addColumn<double>("ub");
    QTest::addColumn<QString>("vides");
    QTest::addColumn<QString>("fausses"); // cells holding a wrong player digit
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("r");
    QTest::addRow("start cell empty") << 0.5 << 0.5 << "2 2  5 5  5 6"
                                      << "" << 5 << 5;
    QTest::addRow("start cell given, next below") << 0.5 << 0.0 << "1 3  5 2"
                                                  << "" << 5 << 2;
    QTest::addRow("wrong digit skipped") << 0.5 << 0.5 << "9 9  5 6"
                                         << "5 5" << 5 << 6;
    QTest::addRow("rest of the column, then next columns") << 0.3 << 0.7 << "3 6  3 2  8 1  7 4"
                                                           << "" << 7 << 4;
    QTest::addRow("wrap to (1, 1)") << 0.999 << 0.999 << "9 8  2 4"
                                    << "" << 2 << 4;
    QTest::addRow("wrap back into the start column") << 0.999 << 0.999 << "9 8"
                                                     << "3 3" << 9 << 8;
    QTest::addRow("lowest draws start at (1, 1)") << 0.0 << 0.0 << "9 9  1 2"
                                                  << "" << 1 << 2;
}

void TestIndices::ordreDuParcours() {
    QFETCH(double, ua);
    QFETCH(double, ub);
    QFETCH(QString, vides);
    QFETCH(QString, fausses);
    QFETCH(int, c);
    QFETCH(int, r);
    Partie p(PremiereLigne);
    for (auto [fc, fr] : Cases(fausses))
        p.Poser(fc, fr, Solution(fc, fr) % 9 + 1);
    p.RemplirSauf(Cases(vides));
    p.m.hasard.Ajouter({ua, ub});
    const int s = Solution(c, r);
    const int compte = p.jeu.NbChiffre(s);
    GrilleChiffres attendue = p.jeu.GrilleJeu;
    attendue(c, r) = Chiffre(s);

    p.jeu.CommandeIndice();

    QVERIFY(p.jeu.GrilleJeu == attendue);
    QCOMPARE(int(p.jeu.NbChiffre(s)), compte + 1);
    QCOMPARE(p.m.hasard.nombre, 2);
    QCOMPARE(p.m.sons.joues, (std::vector<std::string>{"Sons/PlacerLettre.wav", "Sons/Indice.wav"}));
    QCOMPARE(p.m.fenetre.focusCoupN, 1);
}

void TestIndices::aucuneCaseLibre() {
    Partie p(PremiereLigne);
    p.Poser(4, 4, Solution(4, 4) % 9 + 1);
    p.RemplirSauf({});
    const GrilleChiffres avant = p.jeu.GrilleJeu;
    p.jeu.DonnerIndice();
    QVERIFY(p.jeu.GrilleJeu == avant);
    QVERIFY(p.m.sons.joues.empty());
    QVERIFY(p.m.surface.appels.empty());
}

void TestIndices::dernierIndiceGagne() {
    Partie p(PremiereLigne);
    p.RemplirSauf({{6, 3}});
    p.jeu.SecondesEcoulees = 42;
    QCOMPARE(Solution(6, 3), 3);
    QCOMPARE(p.m.fenetre.palette[3], 3);
    p.jeu.DonnerIndice();
    QCOMPARE(p.m.sons.joues,
             (std::vector<std::string>{"Sons/PlacerLettre.wav", "Sons/Bravo.wav", "Sons/Indice.wav"}));
    QCOMPARE(p.m.fenetre.saisies.size(), std::size_t(1));
    QCOMPARE(p.m.reglages.valeurs["1Tp"], std::string("42"));
    QCOMPARE(p.m.fenetre.palette[3], 0);
}

void TestIndices::solution() {
    Partie p([](int c, int) { return c == 1; });
    p.jeu.ChoisirChiffre(3);
    p.jeu.PlacerChiffre(2, GenreCrayon, 5, 5);
    for (int c = 2; c <= 9; ++c)
        p.jeu.PlacerChiffre(Solution(c, c) % 9 + 1, GenreJoueur, c, c);
    p.jeu.PlacerChiffre(Solution(2, 9), GenreJoueur, 2, 9);
    p.jeu.SecondesEcoulees = 10;
    p.Oublier();

    p.jeu.CommandeSolution();

    const Message &m = p.m.fenetre.messages.at(0);
    QCOMPARE(m.texte, std::string("Etes-vous sûr de vouloir afficher la solution ?"));
    QVERIFY(m.boutons == Boutons::OuiNon && m.icone == Icone::Question);
    QCOMPARE(m.titre, std::string("Afficher la solution"));
    QCOMPARE(p.m.fenetre.messages.size(), std::size_t(1));
    QVERIFY(p.jeu.GrilleJeu == p.jeu.GrilleSolution);
    for (int d = 1; d <= 9; ++d) {
        QCOMPARE(int(p.jeu.NbChiffre(d)), 9);
        QCOMPARE(p.m.fenetre.palette[d], 0);
    }
    QVERIFY(p.jeu.BOUTONSOLUTION);
    QVERIFY(!p.m.fenetre.chrono);
    QVERIFY(p.m.fenetre.saisies.empty());
    QVERIFY(p.m.reglages.ecritures.empty());
    QCOMPARE(p.m.sons.joues.back(), std::string("Sons/AffichSol.wav"));
    QCOMPARE(p.m.fenetre.focusCoupN, 1);

    // Restarting gives back the counts of the givens alone.
    p.jeu.mnuRecommencer_Click();
    for (int d = 1; d <= 9; ++d) {
        QCOMPARE(int(p.jeu.NbChiffre(d)), 1);
        QCOMPARE(p.m.fenetre.palette[d], d == 3 ? 12 : d);
    }
}

void TestIndices::solutionRefusee() {
    Partie p;
    p.jeu.PlacerChiffre(4, GenreJoueur, 2, 2);
    p.m.fenetre.reponses.push_back(Reponse::Non);
    p.Oublier();
    p.jeu.CommandeSolution();
    QCOMPARE(int(p.jeu.GrilleJeu(2, 2)), 4);
    QCOMPARE(int(p.jeu.GrilleJeu(1, 1)), 0);
    QVERIFY(!p.jeu.BOUTONSOLUTION);
    QVERIFY(p.m.fenetre.chrono);
    QCOMPARE(p.m.fenetre.focusCoupN, 0);
}

void TestIndices::solutionEnCreation_data() {
    QTest::addColumn<bool>("vide");
    QTest::addRow("empty grid") << true;
    QTest::addRow("typed grid") << false;
}

void TestIndices::solutionEnCreation() {
    QFETCH(bool, vide);
    Partie p;
    p.jeu.ModeJeu = 2;
    p.jeu.GrilleCreationInitiale.Remplir(7);
    if (!vide) p.jeu.GrilleCreation(3, 8) = 5;
    const GrilleChiffres tapee = p.jeu.GrilleCreation;
    p.jeu.CommandeSolution();
    // The copy is the grid as typed, before the solver filled it.
    QVERIFY(p.jeu.GrilleCreationInitiale == tapee);
    QCOMPARE(p.jeu.FlagSol, !vide);
    QCOMPARE(p.m.fenetre.messages.size(), std::size_t(2));
    QCOMPARE(p.m.fenetre.messages[1].texte,
             std::string(vide ? "La grille est vide !" : "Sudoku résolu avec succés !"));
    if (!vide) QVERIFY(GrilleValide(p.jeu.GrilleCreation) && p.jeu.GrilleCreation(3, 8) == 5);
    QVERIFY(!p.jeu.BOUTONSOLUTION);
    QCOMPARE(p.m.fenetre.focusCoupN, 1);
}

void TestIndices::indiceEnCreation() {
    Partie p;
    p.jeu.ModeJeu = 2;
    p.jeu.CommandeIndice();
    QCOMPARE(p.Messages(), std::vector<std::string>{"Pas d'indice possible en Mode création"});
    QCOMPARE(p.m.hasard.nombre, 0);
    QCOMPARE(p.m.fenetre.focusCoupN, 1);
}

void TestIndices::pendantUneRecherche() {
    Partie p;
    p.jeu.RechercheEnCours = true;
    p.jeu.CommandeIndice();
    p.jeu.CommandeSolution();
    QVERIFY(p.jeu.GrilleJeu == GrilleChiffres());
    QVERIFY(p.m.fenetre.messages.empty());
    QCOMPARE(p.m.fenetre.focusCoupN, 0);
}

QTEST_APPLESS_MAIN(TestIndices)
#include "tst_indices.moc"
