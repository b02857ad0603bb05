// Mouse, keyboard and drop input on the board, and the cursor they move.
#include "PartieEssai.h"

#include <QtTest>

using namespace lumio;
using namespace lumio::test;

namespace {

std::pair<int, int> Curseur(const Jeu &jeu) {
    int c = 0, r = 0;
    jeu.CaseCurseur(c, r);
    return {c, r};
}

// The only given is (2, 2); the cursor starts on (5, 5).
bool UneDonnee(int c, int r) {
    return c == 2 && r == 2;
}

} // namespace

class TestClavierSouris : public QObject {
    Q_OBJECT

  private slots:
    void caseAuPoint_data();
    void caseAuPoint();
    void premierePressionSelectionneSecondePlace();
    void pressionDroite_data();
    void pressionDroite();
    void doubleClic_data();
    void doubleClic();
    void deposer();
    void flechesAuBord_data();
    void flechesAuBord();
    void flecheDeplaceLeCadre();
    void pave_data();
    void pave();
    void toucheEffacement_data();
    void toucheEffacement();
    void reprendLaPause_data();
    void reprendLaPause();
    void pendantUneRecherche();
};

void TestClavierSouris::caseAuPoint_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("c"); // 0: off the board
    QTest::addColumn<int>("r");
    QTest::addRow("top-left pixel") << 50.0 << 26.0 << 1 << 1;
    QTest::addRow("last pixel of cell 1") << 94.0 << 70.0 << 1 << 1;
    QTest::addRow("first pixel of cell 2") << 95.0 << 71.0 << 2 << 2;
    QTest::addRow("bottom-right pixel") << 454.0 << 430.0 << 9 << 9;
    QTest::addRow("just left of the board") << 49.0 << 100.0 << 0 << 0;
    QTest::addRow("just above the board") << 100.0 << 25.0 << 0 << 0;
    QTest::addRow("right of the board") << 455.0 << 100.0 << 0 << 0;
    QTest::addRow("below the board") << 100.0 << 431.0 << 0 << 0;
}

void TestClavierSouris::caseAuPoint() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, c);
    QFETCH(int, r);
    Partie p;
    int cc = 0, rr = 0;
    QCOMPARE(p.jeu.CaseAuPoint(x, y, cc, rr), c != 0);
    if (c != 0) QCOMPARE(std::make_pair(cc, rr), std::make_pair(c, r));

    // A press and click there places nothing, and moves the cursor only onto the board.
    p.jeu.Form_MouseDown(BoutonGauche, x, y);
    p.jeu.Form_Click();
    QVERIFY(p.jeu.GrilleJeu == GrilleChiffres());
    QCOMPARE(Curseur(p.jeu), c != 0 ? std::make_pair(c, r) : std::make_pair(5, 5));
}

void TestClavierSouris::premierePressionSelectionneSecondePlace() {
    Partie p;
    p.jeu.ChoisirChiffre(7);
    p.jeu.Form_MouseDown(BoutonGauche, CentreX(3), CentreY(8));
    QCOMPARE(int(p.jeu.GrilleJeu(3, 8)), 0);
    p.jeu.Form_Click();
    QCOMPARE(Curseur(p.jeu), std::make_pair(3, 8));
    p.jeu.Form_MouseDown(BoutonMilieu, CentreX(3), CentreY(8));
    QCOMPARE(int(p.jeu.GrilleJeu(3, 8)), 7);
}

void TestClavierSouris::pressionDroite_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("jeu");
    QTest::addColumn<int>("creation");
    QTest::addRow("play mode pencils") << 1 << 0 << 0;
    QTest::addRow("creation mode types") << 2 << 0 << 6;
}

void TestClavierSouris::pressionDroite() {
    QFETCH(int, mode);
    QFETCH(int, jeu);
    QFETCH(int, creation);
    Partie p;
    p.jeu.ModeJeu = mode;
    p.jeu.ChoisirChiffre(6);
    p.jeu.Form_MouseDown(BoutonDroit, CentreX(5), CentreY(5));
    QCOMPARE(int(p.jeu.GrilleJeu(5, 5)), jeu);
    QCOMPARE(int(p.jeu.GrilleCreation(5, 5)), creation);
    QCOMPARE(p.m.surface.Ecritures().size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(p.m.surface.Ecritures()[0]).contains(" 11 "), mode == 1);
}

void TestClavierSouris::doubleClic_data() {
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("sons");
    QTest::addRow("on the cursor cell: placed then erased") << 5 << 5 << 1;
    QTest::addRow("elsewhere: cursor moves, cell erased") << 7 << 2 << 0;
}

void TestClavierSouris::doubleClic() {
    QFETCH(int, c);
    QFETCH(int, r);
    QFETCH(int, sons);
    Partie p;
    p.jeu.PlacerChiffre(3, GenreJoueur, 7, 2);
    p.Oublier();
    p.jeu.Form_MouseDown(BoutonGauche, CentreX(c), CentreY(r));
    p.jeu.Form_Click();
    p.jeu.Form_DblClick();
    QCOMPARE(int(p.jeu.GrilleJeu(c, r)), 0);
    QCOMPARE(int(p.jeu.NbChiffre(1)), 0);
    QCOMPARE(int(p.m.sons.joues.size()), sons);
    QCOMPARE(Curseur(p.jeu), std::make_pair(c, r));
}

void TestClavierSouris::deposer() {
    Partie p;
    p.jeu.ChoisirChiffre(4);
    p.jeu.Form_DragDrop(CentreX(8), CentreY(1));
    QCOMPARE(int(p.jeu.GrilleJeu(8, 1)), 4);
    QCOMPARE(Curseur(p.jeu), std::make_pair(5, 5));
    p.Oublier();
    p.jeu.Form_DragDrop(20, 20);
    QVERIFY(p.m.surface.appels.empty());
}

void TestClavierSouris::flechesAuBord_data() {
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("touche");
    QTest::addRow("left on column 1") << 1 << 4 << int(ToucheGauche);
    QTest::addRow("up on row 1") << 4 << 1 << int(ToucheHaut);
    QTest::addRow("right on column 9") << 9 << 4 << int(ToucheDroite);
    QTest::addRow("down on row 9") << 4 << 9 << int(ToucheBas);
}

void TestClavierSouris::flechesAuBord() {
    QFETCH(int, c);
    QFETCH(int, r);
    QFETCH(int, touche);
    Partie p;
    p.jeu.Xcur = float(CentreX(c));
    p.jeu.Ycur = float(CentreY(r));
    p.jeu.Form_KeyDown(touche);
    QCOMPARE(Curseur(p.jeu), std::make_pair(c, r));
    QVERIFY(p.m.surface.appels.empty());
}

void TestClavierSouris::flecheDeplaceLeCadre() {
    Partie p;
    p.jeu.Form_KeyDown(ToucheHaut);
    QCOMPARE(Curseur(p.jeu), std::make_pair(5, 4));
    QCOMPARE(double(p.jeu.Xcur), 50 + 45 * 5 - 1.0);
    QCOMPARE(double(p.jeu.Ycur), 26 + 45 * 4 - 1.0);
    QCOMPARE(p.m.surface.appels.back(), std::string("Encadrer 230,161-275,206 w2 rgb(192,0,0)"));
}

void TestClavierSouris::pave_data() {
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("avant"); // digit already in the cell, 0 for none
    QTest::addColumn<bool>("epuise");
    QTest::addColumn<int>("apres");
    QTest::addColumn<int>("choisi");
    QTest::addRow("given stays") << 2 << 2 << 0 << false << Solution(2, 2) << 5;
    QTest::addRow("digit replaced") << 6 << 6 << 3 << false << 5 << 5;
    QTest::addRow("exhausted 5: previous digit placed") << 6 << 6 << 3 << true << 1 << 1;
}

void TestClavierSouris::pave() {
    QFETCH(int, c);
    QFETCH(int, r);
    QFETCH(int, avant);
    QFETCH(bool, epuise);
    QFETCH(int, apres);
    QFETCH(int, choisi);
    Partie p(UneDonnee);
    if (avant) p.jeu.PlacerChiffre(avant, GenreJoueur, c, r);
    if (epuise) p.jeu.NbChiffre(5) = 9;
    p.jeu.Xcur = float(CentreX(c));
    p.jeu.Ycur = float(CentreY(r));
    p.jeu.Form_KeyDown(TouchePave1 + 4);
    QCOMPARE(int(p.jeu.GrilleJeu(c, r)), apres);
    QCOMPARE(int(p.jeu.ChiffreChoisi), choisi);
    if (avant) QCOMPARE(int(p.jeu.NbChiffre(avant)), 0);
}

void TestClavierSouris::toucheEffacement_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("remplissages");
    QTest::addRow("space on a given") << int(ToucheEspace) << 2 << 2 << 0;
    QTest::addRow("delete on a given") << int(ToucheSuppr) << 2 << 2 << 0;
    QTest::addRow("delete on an empty cell") << int(ToucheSuppr) << 4 << 4 << 1;
    QTest::addRow("main keyboard 5") << 53 << 4 << 4 << 0;
}

void TestClavierSouris::toucheEffacement() {
    QFETCH(int, touche);
    QFETCH(int, c);
    QFETCH(int, r);
    QFETCH(int, remplissages);
    Partie p(UneDonnee);
    p.jeu.Xcur = float(CentreX(c));
    p.jeu.Ycur = float(CentreY(r));
    p.jeu.Form_KeyDown(touche);
    const double x = 50 + 45 * (c - 1) + 4, y = 26 + 45 * (r - 1) + 4;
    const std::string carre = "Remplir " + SurfaceEnregistreuse::N(x) + "," + SurfaceEnregistreuse::N(y) +
                              "-" + SurfaceEnregistreuse::N(x + 37) + "," + SurfaceEnregistreuse::N(y + 37);
    int n = 0;
    for (auto &a : p.m.surface.appels)
        n += a.rfind(carre, 0) == 0;
    QCOMPARE(n, remplissages);
    QCOMPARE(int(p.jeu.GrilleJeu(2, 2)), Solution(2, 2));
    QVERIFY(p.m.sons.joues.empty());
}

void TestClavierSouris::reprendLaPause_data() {
    QTest::addColumn<int>("geste");
    QTest::addRow("press off the board") << 0;
    QTest::addRow("drop off the board") << 1;
    QTest::addRow("a letter key") << 2;
}

void TestClavierSouris::reprendLaPause() {
    QFETCH(int, geste);
    Partie p;
    p.jeu.SPause();
    QVERIFY(!p.m.fenetre.chrono);
    if (geste == 0) p.jeu.Form_MouseDown(BoutonGauche, 5, 5);
    if (geste == 1) p.jeu.Form_DragDrop(5, 5);
    if (geste == 2) p.jeu.Form_KeyDown('A');
    QVERIFY(p.m.fenetre.chrono);
    QVERIFY(!p.m.fenetre.pause);
}

void TestClavierSouris::pendantUneRecherche() {
    Partie p;
    p.jeu.ModeJeu = 2;
    p.jeu.PlacerChiffreCreation(8, GenreDonnee, 5, 5);
    p.jeu.RechercheEnCours = true;
    p.jeu.Form_KeyDown(ToucheSuppr);
    p.jeu.Form_KeyDown(TouchePave1 + 2);
    p.jeu.Form_DragDrop(CentreX(1), CentreY(1));
    p.jeu.Form_MouseDown(BoutonGauche, CentreX(5), CentreY(5));
    p.jeu.Form_Click();
    p.jeu.Form_DblClick();
    QCOMPARE(int(p.jeu.GrilleCreation(5, 5)), 8);
    QCOMPARE(int(p.jeu.GrilleCreation(1, 1)), 0);
    QCOMPARE(int(p.jeu.ChiffreChoisi), 1);
    p.jeu.Form_KeyDown(ToucheDroite);
    QCOMPARE(Curseur(p.jeu), std::make_pair(6, 5));
}

QTEST_APPLESS_MAIN(TestClavierSouris)
#include "tst_clavier_souris.moc"
