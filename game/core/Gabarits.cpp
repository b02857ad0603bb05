// The placements of one digit, counted band by band: in each band the digit takes one column of
// each stack, so that a band's choice is a point (j0, j1, j2) of 27, each j the column inside its
// stack; a full placement is three such points whose columns differ in every stack. Those sets of
// 27 points go through every rule as words, so the whole test is a few hundred word operations,
// where listing the placements themselves would walk up to 46 656 of them.
#include "Gabarits.h"

namespace lumio {

namespace {

// A point is numbered j0 + 3 j1 + 9 j2, and its bit in a set of points is 1 << that number: a set
// of pairs (j1, j2) kept at bits 3 (j1 + 3 j2), times a three-bit set of j0, is then the product of
// the two, as the three bits of j0 never reach the next pair.
constexpr int Point(int j0, int j1, int j2) {
    return j0 + 3 * j1 + 9 * j2;
}

// A row's stacks 1 and 2 as a six-bit word: its nine bits without the three of stack 0.
constexpr std::uint32_t Pile1(std::uint32_t haut) {
    return haut & 7;
}
constexpr std::uint32_t Pile2(std::uint32_t haut) {
    return haut >> 3 & 7;
}

struct Tables {
    // The pairs (j1, j2), at bits 3 (j1 + 3 j2), with j1 in stack 1 of row x (haut & 7) and j2 in
    // stack 2 of row y (haut >> 3), read at [haut of x & 7 | haut of y & 070].
    std::uint32_t produit[64];
    // The same when rows x and y may share stacks 1 and 2 either way: [haut of x | haut of y << 6].
    std::uint32_t paire[4096];
    // The points whose column differs from that of point m in every stack.
    std::uint32_t disjoints[27];
    // Point m to bit 26 - m, nine points at a time: [k][points 9 k to 9 k + 8].
    std::uint32_t envers[3][512];
    // The columns (three bits each) of stacks 0, 1 and 2 at bits 0, 3 and 6 that the points
    // 9 k to 9 k + 8 use: [k][those nine bits].
    std::uint16_t colonnes[3][512];
};

constexpr Tables Construire() {
    Tables t{};
    for (std::uint32_t i = 0; i < 64; ++i)
        for (int j1 = 0; j1 < 3; ++j1)
            for (int j2 = 0; j2 < 3; ++j2)
                if ((Pile1(i) >> j1 & 1) && (Pile2(i) >> j2 & 1)) t.produit[i] |= 1u << Point(0, j1, j2);
    for (std::uint32_t x = 0; x < 64; ++x)
        for (std::uint32_t y = 0; y < 64; ++y)
            t.paire[x | y << 6] = t.produit[(x & 7) | (y & 070)] | t.produit[(y & 7) | (x & 070)];
    for (int m = 0; m < 27; ++m)
        for (int n = 0; n < 27; ++n)
            if (m % 3 != n % 3 && m / 3 % 3 != n / 3 % 3 && m / 9 != n / 9) t.disjoints[m] |= 1u << n;
    for (int k = 0; k < 3; ++k)
        for (int x = 0; x < 512; ++x)
            for (int i = 0; i < 9; ++i)
                if ((x >> i) & 1) t.envers[k][x] |= 1u << (Point(2, 2, 2) - 9 * k - i);
    for (int k = 0; k < 3; ++k)
        for (int x = 0; x < 512; ++x)
            for (int m = 0; m < 9; ++m)
                if ((x >> m) & 1) t.colonnes[k][x] |= std::uint16_t(1u << m % 3 | 8u << m / 3 | 64u << k);
    return t;
}

constexpr Tables tables = Construire();

// The third point of two disjoint ones: in each stack the column the two others leave.
static_assert(Point(0, 1, 2) + Point(1, 2, 0) + Point(2, 0, 1) == 39);
constexpr int SommeDesTrois = 39;

// Bit 39 - m for each point m: with it, "39 - a - b is a point of the set" becomes a shift.
inline std::uint64_t Retourne(std::uint32_t points) {
    const std::uint32_t envers = tables.envers[0][points & 0x1FF] | tables.envers[1][(points >> 9) & 0x1FF] |
                                 tables.envers[2][points >> 18];
    return std::uint64_t(envers) << (SommeDesTrois - Point(2, 2, 2));
}

// A band's rows apart: stack 0 of each (three bits) and stacks 1 and 2 (six bits).
struct Rangees {
    std::uint32_t bas[3], haut[3];
    explicit Rangees(std::uint32_t bande) {
        for (int i = 0; i < 3; ++i) {
            bas[i] = (bande >> 9 * i) & 7;
            haut[i] = (bande >> (9 * i + 3)) & 077;
        }
    }
};

// The points a band can take: stack 0 on one row, stacks 1 and 2 on the other two either way.
inline std::uint32_t PointsDe(std::uint32_t bande) {
    const Rangees r(bande);
    return tables.paire[r.haut[1] | r.haut[2] << 6] * r.bas[0] |
           tables.paire[r.haut[0] | r.haut[2] << 6] * r.bas[1] |
           tables.paire[r.haut[0] | r.haut[1] << 6] * r.bas[2];
}

// The points of bands a, b and c that complete each other: ga of a, gb of b and gc of c. The
// walk goes through the points of a.
inline void Completes(std::uint32_t pa, std::uint32_t pb, std::uint32_t pc, std::uint32_t &ga,
                      std::uint32_t &gb, std::uint32_t &gc) {
    const std::uint64_t retourB = Retourne(pb), retourC = Retourne(pc);
    for (std::uint32_t p = pa; p; p &= p - 1) {
        const unsigned m = unsigned(__builtin_ctz(p));
        // Without a branch: whether a point finds partners cannot be foreseen.
        const std::uint32_t avecB = pb & tables.disjoints[m] & std::uint32_t(retourC >> m);
        const std::uint32_t garde = 0u - std::uint32_t(avecB != 0);
        ga |= (1u << m) & garde;
        gb |= avecB;
        gc |= pc & tables.disjoints[m] & std::uint32_t(retourB >> m) & garde;
    }
}

// Whether a set has two points at most.
inline bool Peu(std::uint32_t points) {
    const std::uint32_t sansUn = points & (points - 1);
    return !(sansUn & (sansUn - 1));
}

// Back to cells: the columns each kept point gives, on the row that sharing puts in the stack.
// Out of line: most bands keep all their points, and the caller's registers stay free.
__attribute__((noinline)) std::uint32_t CasesDesPoints(std::uint32_t bande, std::uint32_t gardes) {
    const Rangees r(bande);
    std::uint32_t rangee0 = 0, rangee1 = 0, rangee2 = 0; // the columns of each row
    // Stack 0 on row a, stack 1 on row b, stack 2 on row c.
    const auto partage = [&](int a, std::uint32_t &colonnesA, int b, std::uint32_t &colonnesB, int c,
                             std::uint32_t &colonnesC) {
        const std::uint32_t p = gardes & tables.produit[Pile1(r.haut[b]) | (r.haut[c] & 070)] * r.bas[a];
        const std::uint32_t colonnes = tables.colonnes[0][p & 0x1FF] | tables.colonnes[1][(p >> 9) & 0x1FF] |
                                       tables.colonnes[2][p >> 18];
        colonnesA |= colonnes & 7;
        colonnesB |= colonnes & 070;
        colonnesC |= colonnes & 0700;
    };
    partage(0, rangee0, 1, rangee1, 2, rangee2);
    partage(0, rangee0, 2, rangee2, 1, rangee1);
    partage(1, rangee1, 0, rangee0, 2, rangee2);
    partage(1, rangee1, 2, rangee2, 0, rangee0);
    partage(2, rangee2, 0, rangee0, 1, rangee1);
    partage(2, rangee2, 1, rangee1, 0, rangee0);
    return rangee0 | rangee1 << 9 | rangee2 << 18;
}

// A band that keeps all its points keeps all its cells: a few of them may lie on no way of
// sharing, but the line and block rules have taken those already.
inline std::uint32_t CasesGardees(std::uint32_t bande, std::uint32_t points, std::uint32_t gardes) {
    return gardes == points ? bande : CasesDesPoints(bande, gardes);
}

} // namespace

void CasesDesGabarits(const std::uint32_t candidates[3], std::uint32_t utiles[3]) {
    // Nothing is written before the end, so that the answer may replace the candidates.
    const auto aucune = [utiles] { utiles[0] = utiles[1] = utiles[2] = 0; };
    const std::uint32_t points0 = PointsDe(candidates[0]);
    if (!points0) return aucune();
    const std::uint32_t points1 = PointsDe(candidates[1]);
    if (!points1) return aucune();
    const std::uint32_t points2 = PointsDe(candidates[2]);
    if (!points2) return aucune();

    // The points of each band that two points of the other bands complete. The three bands play the
    // same part in a placement, so the walk may go through any of them: one of two points or fewer
    // where there is one.
    std::uint32_t gardes0 = 0, gardes1 = 0, gardes2 = 0;
    if (Peu(points0) || !(Peu(points1) || Peu(points2)))
        Completes(points0, points1, points2, gardes0, gardes1, gardes2);
    else if (Peu(points1))
        Completes(points1, points2, points0, gardes1, gardes2, gardes0);
    else
        Completes(points2, points0, points1, gardes2, gardes0, gardes1);
    if (!gardes0) return aucune();
    utiles[0] = CasesGardees(candidates[0], points0, gardes0);
    utiles[1] = CasesGardees(candidates[1], points1, gardes1);
    utiles[2] = CasesGardees(candidates[2], points2, gardes2);
}

} // namespace lumio
