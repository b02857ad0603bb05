// The cells of a digit that lie on some full placement of it, against a plain walk through every
// placement, row after row.
#include "Gabarits.h"

#include <QtTest>

#include <array>
#include <random>

using namespace lumio;

namespace {

using Bandes = std::array<std::uint32_t, 3>;

bool Candidate(const Bandes &c, int rangee, int colonne) {
    return (c[std::size_t(rangee / 3)] >> (9 * (rangee % 3) + colonne)) & 1;
}

void Poser(Bandes &c, int rangee, int colonne) {
    c[std::size_t(rangee / 3)] |= 1u << (9 * (rangee % 3) + colonne);
}

// Every placement, one cell a row, in a column and a block not used above; the union of their
// cells.
void Parcourir(const Bandes &c, int rangee, int colonnes, int blocs, std::array<int, 9> &choix,
               Bandes &union_) {
    if (rangee == 9) {
        for (int r = 0; r < 9; ++r)
            Poser(union_, r, choix[std::size_t(r)]);
        return;
    }
    for (int col = 0; col < 9; ++col) {
        const int bloc = 3 * (rangee / 3) + col / 3;
        if (!Candidate(c, rangee, col) || ((colonnes >> col) & 1) || ((blocs >> bloc) & 1)) continue;
        choix[std::size_t(rangee)] = col;
        Parcourir(c, rangee + 1, colonnes | (1 << col), blocs | (1 << bloc), choix, union_);
    }
}

Bandes PasAPas(const Bandes &c) {
    Bandes u{};
    std::array<int, 9> choix{};
    Parcourir(c, 0, 0, 0, choix, u);
    return u;
}

Bandes Calcul(const Bandes &c) {
    Bandes u{};
    CasesDesGabarits(c.data(), u.data());
    return u;
}

// One column a row, written row after row.
Bandes Placement(const std::array<int, 9> &colonnes) {
    Bandes c{};
    for (int r = 0; r < 9; ++r)
        Poser(c, r, colonnes[std::size_t(r)]);
    return c;
}

const std::array<int, 9> Diagonale = {0, 3, 6, 1, 4, 7, 2, 5, 8};
const std::array<int, 9> Decalee = {1, 4, 7, 2, 5, 8, 0, 3, 6};

} // namespace

Q_DECLARE_METATYPE(Bandes)

class TestGabarits : public QObject {
    Q_OBJECT

  private slots:
    void casChoisis_data();
    void casChoisis();
    void auHasardJamaisUneCaseUtileDeMoins();
};

void TestGabarits::casChoisis_data() {
    QTest::addColumn<Bandes>("candidates");
    QTest::addColumn<Bandes>("attendu");

    const Bandes un = Placement(Diagonale);
    QTest::newRow("une seule façon") << un << un;

    Bandes deux = un;
    for (int r = 0; r < 9; ++r)
        Poser(deux, r, Decalee[std::size_t(r)]);
    QTest::newRow("deux façons, toutes leurs cases") << deux << deux;

    // Row 0 also offers column 1, in the block of its own cell; column 1 is row 3's only cell,
    // so no placement can use it. Band by band the cell looks fine: only the whole grid
    // tells.
    Bandes plus = un;
    Poser(plus, 0, 1);
    QTest::newRow("une case de trop, vue de toute la grille") << plus << un;

    // Two rows left with the same single column: nothing fits.
    Bandes bouchee = deux;
    bouchee[0] &= ~std::uint32_t(0x3FFFF);
    Poser(bouchee, 0, 0);
    Poser(bouchee, 1, 0);
    QTest::newRow("deux rangées sur une colonne") << bouchee << Bandes{};

    QTest::newRow("aucune candidate") << Bandes{} << Bandes{};

    const Bandes toutes = {(1u << 27) - 1, (1u << 27) - 1, (1u << 27) - 1};
    QTest::newRow("grille vide") << toutes << toutes;
}

void TestGabarits::casChoisis() {
    QFETCH(Bandes, candidates);
    QFETCH(Bandes, attendu);
    QCOMPARE(PasAPas(candidates), attendu);
    QCOMPARE(Calcul(candidates), attendu);
}

void TestGabarits::auHasardJamaisUneCaseUtileDeMoins() {
    // Random sets, sparse to dense. Each cell of a placement must stay, nothing outside the
    // candidates may appear, and "none at all" must be said exactly when there is none. (A band
    // may keep a cell that lies on no placement when the line and block rules would take it.)
    std::mt19937 hasard(2026);
    int vides = 0, pleines = 0, exactes = 0;
    for (int essai = 0; essai < 10000; ++essai) {
        const unsigned densite = 20 + hasard() % 70;
        Bandes c{};
        for (int r = 0; r < 9; ++r)
            for (int col = 0; col < 9; ++col)
                if (hasard() % 100 < densite) Poser(c, r, col);
        const Bandes attendu = PasAPas(c), calcul = Calcul(c);
        const bool aucune = attendu == Bandes{};
        QCOMPARE(calcul == Bandes{}, aucune);
        for (std::size_t b = 0; b < 3; ++b) {
            QCOMPARE(calcul[b] & attendu[b], attendu[b]);
            QCOMPARE(calcul[b] & ~c[b], 0u);
        }
        vides += aucune;
        pleines += !aucune;
        exactes += !aucune && calcul == attendu;
    }
    // The draw covers both outcomes, and most answers are exact.
    QVERIFY(vides > 1000 && pleines > 1000);
    QVERIFY(exactes > pleines / 2);
}

QTEST_APPLESS_MAIN(TestGabarits)
#include "tst_gabarits.moc"
