// The template table and the generator: exact output, draw count, validity, distribution.
#include "Factices.h"
#include "SourceHorloge.h"
#include "modCreation.h"

#include <QtTest>
#include <map>
#include <set>

using namespace lumio;
using namespace lumio::test;

namespace {

// Passes draws through from another source, replacing chosen positions (1-based).
class SourceForcee : public SourceAleatoire {
  public:
    SourceForcee(SourceAleatoire &base, std::map<int, double> forcees)
        : base_(base), forcees_(std::move(forcees)) {}
    double Tirer() override {
        ++n_;
        auto it = forcees_.find(n_);
        return it == forcees_.end() ? base_.Tirer() : it->second;
    }
    std::vector<double> tirages;

  private:
    SourceAleatoire &base_;
    std::map<int, double> forcees_;
    int n_ = 0;
};

class Enregistreuse : public SourceAleatoire {
  public:
    explicit Enregistreuse(SourceAleatoire &b) : base(b) {}
    double Tirer() override {
        tirages.push_back(base.Tirer());
        return tirages.back();
    }
    SourceAleatoire &base;
    std::vector<double> tirages;
};

int NombreDonnees(const GrilleBooleens &g) {
    int n = 0;
    for (bool b : g.Cases())
        n += b;
    return n;
}

int NombreDonnees(const Modele &m) {
    return int(std::count(m.masque, m.masque + 81, '1'));
}

} // namespace

class TestGenerateur : public QObject {
    Q_OBJECT
  private slots:
    void chaqueModeleEstValideEtDansSonNiveau();
    void uneSourceToujoursNulleDonneLeModeleRetourneEtRenumerote_data();
    void uneSourceToujoursNulleDonneLeModeleRetourneEtRenumerote();
    void leNiveauZeroPrendLeNiveauCourantEtUnNiveauHorsTableRetombeSurFacile_data();
    void leNiveauZeroPrendLeNiveauCourantEtUnNiveauHorsTableRetombeSurFacile();
    void chaqueGrilleEstValideAvecLesDonneesDeSonModele();
    void deuxPartiesDeSuiteNeSontPasLaMemeGrille();
    void lesArrangementsDesBandesEtDesLignesSuiventLaLoiAttendue();
    void melangerDonneUnePermutationUniforme();
    void renumeroterNeToucheQueLaSolution();
};

void TestGenerateur::chaqueModeleEstValideEtDansSonNiveau() {
    const int minimum[] = {30, 28, 26, 23}, maximum[] = {38, 32, 29, 28};
    for (int t = 1; t <= 32; ++t) {
        const Modele &m = Modeles()[std::size_t(t - 1)];
        QCOMPARE(m.niveau, (t - 1) / 8 + 1);
        GrilleChiffres s;
        for (int k = 0; k < 81; ++k)
            s.Cases()[std::size_t(k)] = Chiffre(m.solution[k] - '0');
        QVERIFY2(GrilleValide(s), qPrintable(QString("modèle %1").arg(t)));
        const int n = NombreDonnees(m);
        QVERIFY(n >= minimum[m.niveau - 1] && n <= maximum[m.niveau - 1]);
        // Half-turn symmetry of the mask, which only template 6 lacks.
        bool symetrique = true;
        for (int k = 0; k < 81; ++k)
            symetrique &= m.masque[k] == m.masque[80 - k];
        QCOMPARE(symetrique, t != 6);
    }
}

void TestGenerateur::uneSourceToujoursNulleDonneLeModeleRetourneEtRenumerote_data() {
    QTest::addColumn<int>("niveau");
    for (int L = 1; L <= 4; ++L)
        QTest::addRow("niveau %d", L) << L;
}

void TestGenerateur::uneSourceToujoursNulleDonneLeModeleRetourneEtRenumerote() {
    QFETCH(int, niveau);
    SourceScriptee zero({}, 0.0);
    GrilleChiffres s;
    GrilleBooleens g;
    GenererGrille(zero, s, g, niveau, 1);
    const Modele &m = Modeles()[std::size_t(8 * (niveau - 1))];
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            const int k = 9 * (10 - r - 1) + (10 - c - 1); // template cell at column 10 - r, row 10 - c
            QCOMPARE(int(s(c, r)), 10 - (m.solution[k] - '0'));
            QCOMPARE(g(c, r), m.masque[k] == '1');
        }
    QCOMPARE(zero.nombre, 35);
}

void TestGenerateur::leNiveauZeroPrendLeNiveauCourantEtUnNiveauHorsTableRetombeSurFacile_data() {
    QTest::addColumn<int>("niveau");
    QTest::addColumn<int>("courant");
    QTest::addColumn<int>("attendu");
    QTest::newRow("0 -> courant 3") << 0 << 3 << 3;
    QTest::newRow("explicite 4") << 4 << 1 << 4;
    QTest::newRow("courant 7") << 0 << 7 << 1;
    QTest::newRow("courant -2") << 0 << -2 << 1;
}

void TestGenerateur::leNiveauZeroPrendLeNiveauCourantEtUnNiveauHorsTableRetombeSurFacile() {
    QFETCH(int, niveau);
    QFETCH(int, courant);
    QFETCH(int, attendu);
    SourceScriptee zero({}, 0.0);
    GrilleChiffres s;
    GrilleBooleens g;
    GenererGrille(zero, s, g, niveau, courant);
    QCOMPARE(NombreDonnees(g), NombreDonnees(Modeles()[std::size_t(8 * (attendu - 1))]));
}

void TestGenerateur::chaqueGrilleEstValideAvecLesDonneesDeSonModele() {
    SourceHorloge base(20261208);
    for (int L = 1; L <= 4; ++L)
        for (int i = 0; i < 400; ++i) {
            Enregistreuse h(base);
            GrilleChiffres s;
            GrilleBooleens g;
            GenererGrille(h, s, g, L, 1);
            QCOMPARE(int(h.tirages.size()), 35);
            QVERIFY(GrilleValide(s));
            const int t = int(8 * h.tirages[0]) + 8 * (L - 1) + 1;
            QCOMPARE(NombreDonnees(g), NombreDonnees(Modeles()[std::size_t(t - 1)]));
            // The mask travelled with its cells: the givens per line, as a multiset, are
            // the template's per row and per column (swapped when transposed).
            std::multiset<int> lignes, colonnes, lignesModele, colonnesModele;
            const Modele &m = Modeles()[std::size_t(t - 1)];
            for (int a = 1; a <= 9; ++a) {
                int nl = 0, nc = 0, ml = 0, mc = 0;
                for (int b = 1; b <= 9; ++b) {
                    nl += g(b, a), nc += g(a, b);
                    ml += m.masque[9 * (b - 1) + (a - 1)] == '1',
                        mc += m.masque[9 * (a - 1) + (b - 1)] == '1';
                }
                lignes.insert(nl), colonnes.insert(nc), lignesModele.insert(ml), colonnesModele.insert(mc);
            }
            QVERIFY((lignes == lignesModele && colonnes == colonnesModele) ||
                    (lignes == colonnesModele && colonnes == lignesModele));
        }
}

void TestGenerateur::deuxPartiesDeSuiteNeSontPasLaMemeGrille() {
    SourceHorloge base(7);
    GrilleChiffres a, b;
    GrilleBooleens ga, gb;
    GenererGrille(base, a, ga, 2, 1);
    GenererGrille(base, b, gb, 2, 1);
    QVERIFY(a != b || ga != gb);
}

// Exchanging line i with p(i) only when i < p(i) gives (3, 2, 1) twice as often as the
// other arrangements and (3, 1, 2) never.
void TestGenerateur::lesArrangementsDesBandesEtDesLignesSuiventLaLoiAttendue() {
    SourceHorloge base(99);
    std::map<std::array<int, 3>, int> bandes, lignes;
    const int essais = 30000;
    for (int i = 0; i < essais; ++i) {
        // Draw 1 keeps the grid upright, draws 26..34 keep the digits: the digit of a cell
        // is then the row it came from.
        std::map<int, double> forcees{{1, 0.9}};
        for (int k = 26; k <= 34; ++k)
            forcees[k] = 0.999999;
        SourceForcee h(base, forcees);
        GrilleChiffres s;
        GrilleBooleens g;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                s(c, r) = Chiffre(r);
        TransformerGrille(h, s, g);
        std::array<int, 3> b{}, l{};
        for (int k = 0; k < 3; ++k) {
            b[std::size_t(k)] = (s(1, 3 * k + 1) - 1) / 3 + 1;
            l[std::size_t(k)] = (s(1, k + 1) - 1) % 3 + 1;
        }
        ++bandes[b];
        ++lignes[l];
    }
    for (auto *compte : {&bandes, &lignes}) {
        QCOMPARE(compte->count({3, 1, 2}), std::size_t(0));
        for (const auto &[arrangement, n] : *compte) {
            const double attendu = arrangement == std::array<int, 3>{3, 2, 1} ? 1.0 / 3 : 1.0 / 6;
            QVERIFY2(std::abs(double(n) / essais - attendu) < 0.015, qPrintable(QString("(%1,%2,%3): %4")
                                                                                    .arg(arrangement[0])
                                                                                    .arg(arrangement[1])
                                                                                    .arg(arrangement[2])
                                                                                    .arg(n)));
        }
        QCOMPARE(compte->size(), std::size_t(5));
    }
}

void TestGenerateur::melangerDonneUnePermutationUniforme() {
    SourceHorloge base(3);
    std::map<std::vector<int>, int> vues;
    for (int i = 0; i < 12000; ++i) {
        std::vector<int> l{1, 2, 3};
        MelangerListe(base, l);
        ++vues[l];
    }
    QCOMPARE(vues.size(), std::size_t(6));
    for (const auto &[p, n] : vues)
        QVERIFY(std::abs(n - 2000) < 200);
}

void TestGenerateur::renumeroterNeToucheQueLaSolution() {
    GrilleChiffres s;
    GrilleBooleens g;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            s(c, r) = Chiffre((c + r) % 9 + 1), g(c, r) = (c * r) % 2;
    const GrilleBooleens avant = g;
    RenumeroterChiffres({9, 8, 7, 6, 5, 4, 3, 2, 1}, s);
    QCOMPARE(int(s(1, 1)), 10 - (2 % 9 + 1));
    QVERIFY(g == avant);
}

QTEST_APPLESS_MAIN(TestGenerateur)
#include "tst_generateur.moc"
