// The cells of a digit that lie on some full placement of it, against a plain walk through every
// placement, row after row, and word for word against the first way of computing them.
#include "Gabarits.h"
#include "GabaritsReference.h"

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

// The kinds of input drawn to compare with the first computation.
enum class Tirage {
    AuHasard,            // each band its own density, a sixteenth to all, now and then empty
    RangeesEtPilesOtees, // dense bands less whole rows, blocks or columns of a block
    DeuxCasesParRangee,  // at most two cells a row: few points, often none that fit
    AutourDUnPlacement,  // a placement, a few more cells, now and then one cell less
    BitsAuDelaDesBandes, // at random, with the five bits above each band's 27 set at random
};

// Bit k set with probability seizieme / 16, from four random words.
std::uint32_t Densite(std::mt19937_64 &hasard, unsigned seizieme) {
    std::uint64_t mot = 0;
    for (int chiffre = 0; chiffre < 4; ++chiffre)
        mot = (seizieme >> chiffre) & 1 ? mot | hasard() : mot & hasard();
    return std::uint32_t(seizieme >= 16 ? ~0ull : mot) & 0x7FFFFFF;
}

// A random placement: the stack each row of a band takes, the column each band takes in a stack.
Bandes PlacementAuHasard(std::mt19937_64 &hasard) {
    static const int ordres[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    const int *colonneDeLaBande[3] = {ordres[hasard() % 6], ordres[hasard() % 6], ordres[hasard() % 6]};
    Bandes c{};
    for (int bande = 0; bande < 3; ++bande) {
        const int *pileDeLaRangee = ordres[hasard() % 6];
        for (int i = 0; i < 3; ++i) {
            const int pile = pileDeLaRangee[i];
            Poser(c, 3 * bande + i, 3 * pile + colonneDeLaBande[pile][bande]);
        }
    }
    return c;
}

Bandes Tirer(Tirage tirage, std::mt19937_64 &hasard) {
    Bandes c{};
    switch (tirage) {
    case Tirage::AuHasard:
    case Tirage::BitsAuDelaDesBandes:
        for (auto &bande : c) {
            bande = Densite(hasard, unsigned(hasard() % 17));
            if (tirage == Tirage::BitsAuDelaDesBandes) bande |= std::uint32_t(hasard()) << 27;
        }
        break;
    case Tirage::RangeesEtPilesOtees:
        for (auto &bande : c) {
            bande = Densite(hasard, 10 + unsigned(hasard() % 7));
            for (int fois = int(hasard() % 3); fois > 0; --fois) {
                const unsigned quoi = unsigned(hasard() % 3), ou = unsigned(hasard() % 9);
                if (quoi == 0)
                    bande &= ~(0x1FFu << 9 * (ou % 3)); // a row
                else if (quoi == 1)
                    bande &= ~(0x1C0E07u << 3 * (ou % 3)); // a block
                else
                    bande &= ~(0x40201u << ou); // a column
            }
        }
        break;
    case Tirage::DeuxCasesParRangee:
        // A placement's cell and, every other row, one more; now and then a row drawn afresh.
        c = PlacementAuHasard(hasard);
        for (int r = 0; r < 9; ++r) {
            if (hasard() % 8 == 0) {
                c[std::size_t(r / 3)] &= ~(0x1FFu << 9 * (r % 3));
                Poser(c, r, int(hasard() % 9));
            }
            if (hasard() % 2) Poser(c, r, int(hasard() % 9));
        }
        break;
    case Tirage::AutourDUnPlacement:
        c = PlacementAuHasard(hasard);
        for (int fois = 1 + int(hasard() % 8); fois > 0; --fois)
            Poser(c, int(hasard() % 9), int(hasard() % 9));
        if (hasard() % 4 == 0) c[hasard() % 3] &= ~(1u << hasard() % 27);
        break;
    }
    return c;
}

const std::array<int, 9> Diagonale = {0, 3, 6, 1, 4, 7, 2, 5, 8};
const std::array<int, 9> Decalee = {1, 4, 7, 2, 5, 8, 0, 3, 6};

} // namespace

Q_DECLARE_METATYPE(Bandes)
Q_DECLARE_METATYPE(Tirage)

class TestGabarits : public QObject {
    Q_OBJECT

  private slots:
    void casChoisis_data();
    void casChoisis();
    void auHasardJamaisUneCaseUtileDeMoins();
    void lesMemesMotsQueLePremierCalcul_data();
    void lesMemesMotsQueLePremierCalcul();
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

void TestGabarits::lesMemesMotsQueLePremierCalcul_data() {
    QTest::addColumn<Tirage>("tirage");
    QTest::newRow("au hasard") << Tirage::AuHasard;
    QTest::newRow("rangées et piles ôtées") << Tirage::RangeesEtPilesOtees;
    QTest::newRow("deux cases par rangée") << Tirage::DeuxCasesParRangee;
    QTest::newRow("autour d'un placement") << Tirage::AutourDUnPlacement;
    QTest::newRow("bits au-delà des bandes") << Tirage::BitsAuDelaDesBandes;
}

void TestGabarits::lesMemesMotsQueLePremierCalcul() {
    // Every word the same, even where the answer keeps cells no placement uses, or bits that are
    // no cells, and when the answer is written over the candidates. Each draw must also reach the
    // three endings: no placement, every point of every band kept, and a band that loses some of
    // its points.
    QFETCH(Tirage, tirage);
    std::mt19937_64 hasard(2026 + std::uint64_t(tirage));
    int aucune = 0, toutes = 0, certaines = 0;
    for (int essai = 0; essai < 300000; ++essai) {
        const Bandes c = Tirer(tirage, hasard);
        Bandes attendu{}, calcul{};
        test::CasesDesGabaritsDeReference(c.data(), attendu.data());
        CasesDesGabarits(c.data(), calcul.data());
        if (calcul != attendu) QCOMPARE(calcul, attendu); // formatted only when it fails
        if (essai % 16 == 0) {
            Bandes surPlace = c;
            CasesDesGabarits(surPlace.data(), surPlace.data());
            if (surPlace != attendu) QCOMPARE(surPlace, attendu);
        }
        aucune += attendu == Bandes{};
        toutes += attendu == c;
        certaines += attendu != Bandes{} && attendu != c;
    }
    QVERIFY(aucune > 1000);
    QVERIFY(toutes > 1000);
    QVERIFY(certaines > 1000);
}

QTEST_APPLESS_MAIN(TestGabarits)
#include "tst_gabarits.moc"
