// What the board shows of each cell, kept as it is drawn, and the words a screen reader gets.
#include "PartieEssai.h"

#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

struct Ecouteur : ObservateurPlateau {
    std::vector<std::pair<int, int>> cases, curseurs;
    void CaseChangee(int c, int r) override { cases.push_back({c, r}); }
    void CurseurPlace(int c, int r) override { curseurs.push_back({c, r}); }
};

} // namespace

class TestAffichage : public QObject {
    Q_OBJECT
  private slots:
    void lesNomsDeLaPalette_data();
    void lesNomsDeLaPalette();
    void leReleveSuitLePlateauDessine();
};

void TestAffichage::lesNomsDeLaPalette_data() {
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("limite");
    QTest::addColumn<bool>("choisi");
    QTest::addColumn<QString>("nom");
    QTest::newRow("plain") << 3 << true << false << "Chiffre 4";
    QTest::newRow("current") << 3 << true << true << "Chiffre 4, choisi";
    QTest::newRow("spent") << 9 << true << false << "Chiffre 4, épuisé";
    QTest::newRow("current and spent") << 9 << true << true << "Chiffre 4, choisi, épuisé";
    QTest::newRow("no limit, never spent") << 10 << false << false << "Chiffre 4";
}

void TestAffichage::lesNomsDeLaPalette() {
    QFETCH(int, copies);
    QFETCH(bool, limite);
    QFETCH(bool, choisi);
    QFETCH(QString, nom);
    Partie p;
    p.jeu.LimiterChiffres = limite;
    p.jeu.NbChiffre(4) = std::int16_t(copies);
    p.jeu.ChiffreChoisi = choisi ? 4 : 1;
    QCOMPARE(QString::fromStdString(p.jeu.NomPalette(4)), nom);
}

void TestAffichage::leReleveSuitLePlateauDessine() {
    Partie p([](int c, int r) { return c == 1 && r == 1; });
    Ecouteur e;
    p.jeu.observateur = &e;
    Jeu &j = p.jeu;
    // The given that the drawing of the board put there (Poser() only set the state).
    j.DessinerChiffre(Solution(1, 1), GenreDonnee, 1, 1);
    QCOMPARE(j.Affichage(1, 1), (CaseAffichee{Chiffre(Solution(1, 1)), GenreDonnee, 0}));

    j.PlacerChiffre(2, GenreCrayon, 2, 2);
    j.PlacerChiffre(5, GenreCrayon, 2, 2);
    QCOMPARE(int(j.Affichage(2, 2).crayons), (1 << 2) | (1 << 5));
    j.PlacerChiffre(Solution(2, 2), GenreJoueur, 2, 2); // a large digit wipes the marks
    QCOMPARE(j.Affichage(2, 2), (CaseAffichee{Chiffre(Solution(2, 2)), GenreJoueur, 0}));
    j.MarquerErreur(2, 2, Solution(2, 2));
    QCOMPARE(j.Affichage(2, 2).genre, int(GenreFaux));
    j.EffacerChiffre(2, 2);
    QCOMPARE(j.Affichage(2, 2), CaseAffichee{});
    j.EffacerChiffre(1, 1); // a given stays
    QCOMPARE(j.Affichage(1, 1).chiffre, Chiffre(Solution(1, 1)));
    // Each change is told once; an erased empty cell changes nothing and tells nothing.
    const std::size_t dits = e.cases.size();
    j.EffacerChiffre(3, 3);
    QCOMPARE(e.cases.size(), dits);

    j.RedessinerCurseur(5, 5, 6, 5);
    QCOMPARE(e.curseurs, (std::vector<std::pair<int, int>>{{6, 5}}));
    j.DessinerGrille();
    for (const CaseAffichee &v : j.Affichage.Cases())
        QCOMPARE(v, CaseAffichee{});
    p.jeu.observateur = nullptr;
}

QTEST_APPLESS_MAIN(TestAffichage)
#include "tst_affichage.moc"
