// The cells a digit's full placements use, computed the first way the game did it: per band the
// 27 points (j0, j1, j2), one column j in each stack, that its rows can take, the three bands
// matched through words of points, then back to cells. The faster computation must give the very
// same words for every input.
#pragma once

#include <cstdint>

namespace lumio::test {

namespace gabarits {

// A point is numbered j0 + 3 j1 + 9 j2.
constexpr int Point(int j0, int j1, int j2) {
    return j0 + 3 * j1 + 9 * j2;
}

// The six ways the three rows of a band share its three stacks: the row of each stack.
constexpr int RangeeDeLaPile[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};

struct Tables {
    // The points whose column in stack s is one of the three-bit set a.
    std::uint32_t points[3][8];
    // The points whose column differs from that of point m in every stack.
    std::uint32_t disjoints[27];
    // A nine-bit word read backwards.
    std::uint16_t envers[512];
};

constexpr Tables Construire() {
    Tables t{};
    for (int m = 0; m < 27; ++m) {
        const int j[3] = {m % 3, m / 3 % 3, m / 9};
        for (int s = 0; s < 3; ++s) {
            for (int a = 0; a < 8; ++a)
                if ((a >> j[s]) & 1) t.points[s][a] |= 1u << m;
        }
        for (int n = 0; n < 27; ++n)
            if (m % 3 != n % 3 && m / 3 % 3 != n / 3 % 3 && m / 9 != n / 9) t.disjoints[m] |= 1u << n;
    }
    for (int x = 0; x < 512; ++x)
        for (int k = 0; k < 9; ++k)
            if ((x >> k) & 1) t.envers[x] |= std::uint16_t(1u << (8 - k));
    return t;
}

inline constexpr Tables tables = Construire();

// The third point of two disjoint ones: in each stack the column the two others leave.
static_assert(Point(0, 1, 2) + Point(1, 2, 0) + Point(2, 0, 1) == 39);
constexpr int SommeDesTrois = 39;

// Bit 39 - m for each point m: with it, "39 - a - b is a point of the set" becomes a shift.
inline std::uint64_t Retourne(std::uint32_t points) {
    const std::uint64_t envers = std::uint64_t(tables.envers[points & 0x1FF]) << 18 |
                                 std::uint64_t(tables.envers[(points >> 9) & 0x1FF]) << 9 |
                                 tables.envers[points >> 18];
    return envers << (SommeDesTrois - 26);
}

// The columns (three bits each) that the points of p use in stacks 0, 1 and 2, at bits 0, 3
// and 6.
inline std::uint32_t ColonnesDe(std::uint32_t p) {
    const std::uint32_t u = p | (p >> 9) | (p >> 18); // by j0 + 3 j1
    const std::uint32_t pile0 = (u | (u >> 3) | (u >> 6)) & 7;
    const std::uint32_t v = (u | (u >> 1) | (u >> 2)) & 0x49; // bit 3 j1
    const std::uint32_t pile1 = (v | (v >> 2) | (v >> 4)) & 7;
    const std::uint32_t w = (p | (p >> 1) | (p >> 2)) & 0x1249249; // bit 3 (j1 + 3 j2)
    const std::uint32_t x = (w | (w >> 3) | (w >> 6)) & 0x40201;   // bit 9 j2
    const std::uint32_t pile2 = (x | (x >> 8) | (x >> 16)) & 7;
    return pile0 | (pile1 << 3) | (pile2 << 6);
}

} // namespace gabarits

inline void CasesDesGabaritsDeReference(const std::uint32_t candidates[3], std::uint32_t utiles[3]) {
    using namespace gabarits;
    // Per band and way of sharing the stacks, the points the band can take that way; and all of
    // them.
    std::uint32_t parPartage[3][6], points[3];
    for (int b = 0; b < 3; ++b) {
        std::uint32_t p[3][3];
        for (int i = 0; i < 3; ++i)
            for (int s = 0; s < 3; ++s)
                p[i][s] = tables.points[s][(candidates[b] >> (9 * i + 3 * s)) & 7];
        points[b] = 0;
        for (int k = 0; k < 6; ++k) {
            const int *rangee = RangeeDeLaPile[k];
            parPartage[b][k] = p[rangee[0]][0] & p[rangee[1]][1] & p[rangee[2]][2];
            points[b] |= parPartage[b][k];
        }
        utiles[b] = 0;
    }
    if (!points[0] || !points[1] || !points[2]) return;

    // The points of each band that two points of the other bands complete.
    const std::uint64_t retour1 = Retourne(points[1]), retour2 = Retourne(points[2]);
    std::uint32_t gardes[3] = {0, 0, 0};
    for (std::uint32_t p = points[0]; p; p &= p - 1) {
        const int m = __builtin_ctz(p);
        const std::uint32_t avec1 = points[1] & tables.disjoints[m] & std::uint32_t(retour2 >> m);
        if (!avec1) continue;
        gardes[0] |= 1u << m;
        gardes[1] |= avec1;
        gardes[2] |= points[2] & tables.disjoints[m] & std::uint32_t(retour1 >> m);
    }
    if (!gardes[0]) return;

    // Back to cells: the columns each kept point gives, on the row that sharing puts in the stack.
    // A band that keeps all its points keeps all its cells: a few of them may lie on no way of
    // sharing, but the line and block rules have taken those already.
    for (int b = 0; b < 3; ++b) {
        if (gardes[b] == points[b]) {
            utiles[b] = candidates[b];
            continue;
        }
        for (int k = 0; k < 6; ++k) {
            const std::uint32_t p = gardes[b] & parPartage[b][k];
            if (!p) continue;
            const std::uint32_t colonnes = ColonnesDe(p);
            for (int s = 0; s < 3; ++s)
                utiles[b] |= (colonnes & (7u << (3 * s))) << (9 * RangeeDeLaPile[k][s]);
        }
    }
}

} // namespace lumio::test
