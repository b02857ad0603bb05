// Cell entry: placing, pencil marks, erasing, the digit palette and restarting the grid.
#include "PartieEssai.h"

#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

// Column 1 and every cell whose solution is 1 are given: digit 1 starts exhausted.
bool DonneesHabituelles(int c, int r) {
    return c == 1 || Solution(c, r) == 1;
}

const std::string Rouge = "rgb(255,0,0)", Bleu = "rgb(0,0,192)";

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

  private slots:
    void refusSilencieux_data();
    void refusSilencieux();
    void couleurDuChiffre_data();
    void couleurDuChiffre();
    void crayonSansEtat();
    void neuviemeCopieEpuiseLaPalette_data();
    void neuviemeCopieEpuiseLaPalette();
    void sansLimiteDixiemeCopie();
    void choisirChiffre();
    void effacerDonneeNeFaitRien();
    void recommencerJeu();
    void recommencerCreation();
    void pendantUneRechercheRienNeChange();
};

void TestPlacement::refusSilencieux_data() {
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("r");
    QTest::addRow("exhausted digit") << 1 << 2 << 5 << 5;
    QTest::addRow("exhausted digit, pencil") << 1 << 1 << 5 << 5;
    QTest::addRow("given cell") << 2 << 2 << 1 << 4;
    QTest::addRow("given cell, pencil") << 2 << 1 << 1 << 4;
    QTest::addRow("player digit") << 2 << 2 << 6 << 6;
    QTest::addRow("player digit, pencil") << 2 << 1 << 6 << 6;
}

void TestPlacement::refusSilencieux() {
    QFETCH(int, d);
    QFETCH(int, kind);
    QFETCH(int, c);
    QFETCH(int, r);
    Partie p(DonneesHabituelles);
    p.Poser(6, 6, 7);
    const GrilleChiffres avant = p.jeu.GrilleJeu;
    const int compte = p.jeu.NbChiffre(d);
    p.jeu.PlacerChiffre(d, GenreChiffre(kind), c, r);
    QVERIFY(p.jeu.GrilleJeu == avant);
    QCOMPARE(int(p.jeu.NbChiffre(d)), compte);
    QVERIFY(p.m.surface.appels.empty());
    QVERIFY(p.m.sons.joues.empty());
}

void TestPlacement::couleurDuChiffre_data() {
    QTest::addColumn<bool>("immediate");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("couleur");
    // Cell (5, 5) holds 9 in the solution.
    QTest::addRow("right, checking on") << true << 9 << 2 << QString::fromStdString(Bleu);
    QTest::addRow("wrong, checking on") << true << 3 << 2 << QString::fromStdString(Rouge);
    QTest::addRow("wrong, checking off") << false << 3 << 2 << QString::fromStdString(Bleu);
    QTest::addRow("already known wrong") << false << 3 << 4 << QString::fromStdString(Rouge);
}

void TestPlacement::couleurDuChiffre() {
    QFETCH(bool, immediate);
    QFETCH(int, d);
    QFETCH(int, kind);
    QFETCH(QString, couleur);
    Partie p;
    QCOMPARE(Solution(5, 5), 9);
    p.jeu.VerifImmediate = immediate;
    p.jeu.PlacerChiffre(d, GenreChiffre(kind), 5, 5);
    QCOMPARE(int(p.jeu.GrilleJeu(5, 5)), d);
    QCOMPARE(int(p.jeu.NbChiffre(d)), 1);
    const auto ecrits = p.m.surface.Ecritures();
    QCOMPARE(ecrits.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(ecrits[0]).endsWith(couleur));
    QCOMPARE(p.m.sons.joues, std::vector<std::string>{"Sons/PlacerLettre.wav"});
}

void TestPlacement::crayonSansEtat() {
    Partie p;
    p.jeu.PlacerChiffre(2, GenreCrayon, 5, 5);
    p.jeu.PlacerChiffre(7, GenreCrayon, 5, 5);
    QCOMPARE(int(p.jeu.GrilleJeu(5, 5)), 0);
    QCOMPARE(int(p.jeu.NbChiffre(2)) + int(p.jeu.NbChiffre(7)), 0);
    QCOMPARE(p.m.surface.Ecritures().size(), std::size_t(2));
    // Erasing the cell clears the whole inner square, marks included.
    p.Oublier();
    p.jeu.EffacerChiffre(5, 5);
    QCOMPARE(p.m.surface.appels, std::vector<std::string>{"Remplir 234,210-271,247 rgb(0,0,0)"});
    QVERIFY(p.m.sons.joues.empty());
}

void TestPlacement::neuviemeCopieEpuiseLaPalette_data() {
    QTest::addColumn<int>("courant");
    QTest::addColumn<int>("imageApresEffacement");
    QTest::addRow("current digit comes back highlighted") << 2 << 11;
    QTest::addRow("other digit comes back normal") << 5 << 2;
}

void TestPlacement::neuviemeCopieEpuiseLaPalette() {
    QFETCH(int, courant);
    QFETCH(int, imageApresEffacement);
    Partie p([](int c, int r) { return Solution(c, r) == 2 && !(c == 6 && r == 8); });
    p.jeu.ChoisirChiffre(courant);
    QCOMPARE(Solution(6, 8), 2);
    p.jeu.PlacerChiffre(2, GenreJoueur, 6, 8);
    QCOMPARE(p.m.fenetre.palette[2], 0);
    p.jeu.ChoisirChiffre(2);
    QCOMPARE(int(p.jeu.ChiffreChoisi), courant);
    p.jeu.EffacerChiffre(6, 8);
    QCOMPARE(int(p.jeu.NbChiffre(2)), 8);
    QCOMPARE(p.m.fenetre.palette[2], imageApresEffacement);
    QCOMPARE(int(p.jeu.GrilleJeu(6, 8)), 0);
}

void TestPlacement::sansLimiteDixiemeCopie() {
    Partie p(DonneesHabituelles);
    p.jeu.LimiterChiffres = false;
    p.jeu.PlacerChiffre(1, GenreJoueur, 5, 5);
    QCOMPARE(int(p.jeu.NbChiffre(1)), 10);
    p.jeu.ChoisirChiffre(2);
    p.jeu.ChoisirChiffre(1);
    QCOMPARE(p.m.fenetre.palette[1], 10);
    p.jeu.ChoisirChiffre(3);
    QCOMPARE(p.m.fenetre.palette[1], 1);
}

void TestPlacement::choisirChiffre() {
    Partie p(DonneesHabituelles);
    QCOMPARE(p.m.fenetre.palette[1], 0); // the current digit 1 was exhausted by the givens
    p.jeu.ChoisirChiffre(4);
    QCOMPARE(p.m.fenetre.palette[1], 0);
    QCOMPARE(p.m.fenetre.palette[4], 13);
    p.jeu.ChoisirChiffre(4);
    QCOMPARE(p.m.fenetre.palette[4], 13);
    p.jeu.ChoisirChiffre(6);
    QCOMPARE(p.m.fenetre.palette[4], 4);
    QCOMPARE(p.m.fenetre.palette[6], 15);
    QCOMPARE(int(p.jeu.ChiffreChoisi), 6);
}

void TestPlacement::effacerDonneeNeFaitRien() {
    Partie p(DonneesHabituelles);
    p.jeu.EffacerChiffre(1, 3);
    QCOMPARE(int(p.jeu.GrilleJeu(1, 3)), Solution(1, 3));
    QVERIFY(p.m.surface.appels.empty());
}

void TestPlacement::recommencerJeu() {
    Partie p(DonneesHabituelles);
    p.jeu.ChoisirChiffre(3);
    p.jeu.PlacerChiffre(8, GenreJoueur, 4, 4); // wrong: a tenth 8 once the grid is full
    p.RemplirSauf({});
    p.jeu.BOUTONSOLUTION = true;
    p.jeu.SecondesEcoulees = 75;
    p.m.fenetre.pause = true;
    p.m.fenetre.chrono = false;
    p.Oublier();
    p.jeu.mnuRecommencer_Click();

    Partie fraiche(DonneesHabituelles);
    QVERIFY(p.jeu.GrilleJeu == fraiche.jeu.GrilleJeu);
    for (int d = 1; d <= 9; ++d)
        QCOMPARE(p.jeu.NbChiffre(d), fraiche.jeu.NbChiffre(d));
    QCOMPARE(p.m.fenetre.palette[1], 0);
    QCOMPARE(p.m.fenetre.palette[3], 12);
    QCOMPARE(p.m.fenetre.palette[8], 8);
    QCOMPARE(int(p.jeu.ChiffreChoisi), 3);
    QCOMPARE(p.jeu.SecondesEcoulees, 0);
    QCOMPARE(p.m.fenetre.libelles[3], std::string("0:00"));
    QVERIFY(p.m.fenetre.chrono);
    QVERIFY(!p.jeu.BOUTONSOLUTION);
    QCOMPARE(p.m.sons.joues, std::vector<std::string>{"Sons/Recommencer.wav"});
    QCOMPARE(p.m.fenetre.focusCoupN, 1);
}

void TestPlacement::recommencerCreation() {
    Partie p;
    p.jeu.ModeJeu = 2;
    p.jeu.PlacerChiffreCreation(5, GenreDonnee, 1, 1);
    p.jeu.PlacerChiffreCreation(6, GenreJoueur, 9, 9);
    p.jeu.FlagSol = true;
    p.jeu.mnuRecommencer_Click();
    QVERIFY(p.jeu.GrilleCreation == GrilleChiffres());
    QVERIFY(!p.jeu.FlagSol);
    QVERIFY(p.m.fenetre.chrono);
}

void TestPlacement::pendantUneRechercheRienNeChange() {
    Partie p;
    p.jeu.ModeJeu = 2;
    p.jeu.PlacerChiffreCreation(5, GenreDonnee, 1, 1);
    p.jeu.RechercheEnCours = true;
    p.Oublier();
    p.jeu.mnuRecommencer_Click();
    QCOMPARE(int(p.jeu.GrilleCreation(1, 1)), 5);
    QVERIFY(p.m.sons.joues.empty());
    QCOMPARE(p.m.fenetre.focusCoupN, 0);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
