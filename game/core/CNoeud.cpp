// The solver's node: candidates kept per digit as sets of cells, so that every unit rule is a
// handful of word operations, and a child starts from its parent's candidates.
#include "CNoeud.h"

#include <utility>

namespace lumio {

namespace {

constexpr std::uint32_t Bande = (1u << 27) - 1;
constexpr std::uint32_t Ligne9 = 0x1FF;
// Repeats a set of columns (9 bits) on the three rows of a band.
constexpr std::uint32_t SurTroisLignes = 1u | (1u << 9) | (1u << 18);

constexpr std::uint32_t MasqueRangee(int i) {
    return Ligne9 << (9 * i);
}
constexpr std::uint32_t MasquePile(int s) {
    return (7u << (3 * s)) * SurTroisLignes;
}
constexpr std::uint32_t MasqueColonne(int c) {
    return (1u << c) * SurTroisLignes;
}

inline bool Seul(std::uint32_t x) {
    return x != 0 && (x & (x - 1)) == 0;
}
inline int Rang(std::uint32_t x) {
    return __builtin_ctz(x);
}

struct Tables {
    // The peers of each cell, numbered 27 * band + bit.
    Cases pairs[81];
    // For the nine (row, stack) segments of a band that still hold a digit (bit 3 * row + stack):
    // the cells of the band the digit leaves because a block holds it on one row only, or a row
    // holds it in one block only.
    std::uint32_t rangees[512];
    // For the columns of a band that still hold a digit: the columns on which one of the band's
    // blocks holds it alone.
    std::uint32_t colonnesSeules[512];
    // The blocks of a band touched by a set of columns.
    std::uint32_t piles[512];
};

Tables Construire() {
    Tables t{};
    std::int16_t liste[9][2];
    for (int genre = 1; genre <= 3; ++genre)
        for (int u = 1; u <= 9; ++u) {
            CNoeud::CasesUnite(genre, u, liste);
            for (int n = 0; n < 9; ++n) {
                int cn = liste[n][0] - 1, rn = liste[n][1] - 1;
                for (int m = 0; m < 9; ++m) {
                    if (m == n) continue;
                    int cm = liste[m][0] - 1, rm = liste[m][1] - 1;
                    t.pairs[27 * (rn / 3) + 9 * (rn % 3) + cn].bande[rm / 3] |= 1u << (9 * (rm % 3) + cm);
                }
            }
        }
    for (int occ = 0; occ < 512; ++occ) {
        std::uint32_t ote = 0;
        for (int s = 0; s < 3; ++s) {
            int lignes = ((occ >> s) & 1) | ((occ >> (2 + s)) & 2) | ((occ >> (4 + s)) & 4);
            if (Seul(lignes)) ote |= MasqueRangee(Rang(lignes)) & ~MasquePile(s);
        }
        for (int i = 0; i < 3; ++i) {
            int piles = (occ >> (3 * i)) & 7;
            if (Seul(piles)) ote |= MasquePile(Rang(piles)) & ~MasqueRangee(i);
        }
        t.rangees[occ] = ote;
        std::uint32_t seules = 0, piles = 0;
        for (int s = 0; s < 3; ++s) {
            std::uint32_t cols = (occ >> (3 * s)) & 7;
            if (Seul(cols)) seules |= cols << (3 * s);
            if (cols) piles |= MasquePile(s);
        }
        t.colonnesSeules[occ] = seules;
        t.piles[occ] = piles;
    }
    return t;
}

const Tables tables = Construire();

// Which (row, stack) segments of a band are not empty, as the index of Tables::rangees.
inline std::uint32_t Segments(std::uint32_t w) {
    std::uint32_t t = (w | (w >> 1) | (w >> 2)) & 0x1249249; // bit 3j: segment j not empty
    t = (t | (t >> 2)) & 0x10C30C3;
    t = (t | (t >> 4)) & 0x100F00F;
    return (t | (t >> 8) | (t >> 16)) & 0x1FF;
}

} // namespace

bool Recherche::Arreter() {
    if (SolutionTrouvee || Interrompue) return true;
    long long n = Noeuds++;
    if (TraiterEvenements && n % NoeudsEntreControles == 0) {
        auto maintenant = std::chrono::steady_clock::now();
        if (n == 0 || maintenant - dernierTraitement_ >= Intervalle) {
            dernierTraitement_ = maintenant;
            if (TraiterEvenements()) Interrompue = true;
        }
    }
    return Interrompue;
}

CNoeud::CNoeud(Recherche &recherche) : recherche_(&recherche) {
    for (auto &p : possibles_)
        p.bande[0] = p.bande[1] = p.bande[2] = Bande;
    libres_.bande[0] = libres_.bande[1] = libres_.bande[2] = Bande;
}

void CNoeud::CasesUnite(int genre, int u, std::int16_t liste[9][2]) {
    for (int n = 1; n <= 9; ++n) {
        switch (genre) {
        case 1:
            liste[n - 1][0] = std::int16_t(3 * ((u - 1) % 3) + 1 + (n - 1) % 3);
            liste[n - 1][1] = std::int16_t(3 * ((u - 1) / 3) + 1 + (n - 1) / 3);
            break;
        case 2:
            liste[n - 1][0] = std::int16_t(n);
            liste[n - 1][1] = std::int16_t(u);
            break;
        default:
            liste[n - 1][0] = std::int16_t(u);
            liste[n - 1][1] = std::int16_t(n);
            break;
        }
    }
}

Chiffre CNoeud::Valeur(int c, int r) const {
    int b = (r - 1) / 3;
    std::uint32_t bit = 1u << (9 * ((r - 1) % 3) + c - 1);
    if (libres_.bande[b] & bit) return 0;
    for (int d = 0; d < 9; ++d)
        if (possibles_[d].bande[b] & bit) return Chiffre(d + 1);
    return 0;
}

std::uint16_t CNoeud::Possibles(int c, int r) const {
    int b = (r - 1) / 3;
    std::uint32_t bit = 1u << (9 * ((r - 1) % 3) + c - 1);
    if (!(libres_.bande[b] & bit)) return 0;
    std::uint16_t m = 0;
    for (int d = 0; d < 9; ++d)
        if (possibles_[d].bande[b] & bit) m |= std::uint16_t(1u << d);
    return m;
}

int CNoeud::NbPossibles(int c, int r) const {
    return __builtin_popcount(Possibles(c, r));
}

bool CNoeud::DefinitGrille(const GrilleChiffres &Grille) {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (Grille(c, r) != 0) PlaceChiffre(c, r, Grille(c, r));
    return !Impossible;
}

void CNoeud::PlaceChiffre(int c, int r, Chiffre k) {
    Placer(k - 1, (r - 1) / 3, 1u << (9 * ((r - 1) % 3) + c - 1));
}

void CNoeud::Placer(int d, int b, std::uint32_t bit) {
    if (!(libres_.bande[b] & bit)) {
        // Reached twice by the rules is harmless; another digit there is not.
        if (!(possibles_[d].bande[b] & bit)) Impossible = true;
        return;
    }
    if (!(possibles_[d].bande[b] & bit)) {
        Impossible = true;
        return;
    }
    std::uint32_t touches = 0;
    for (int e = 0; e < 9; ++e) {
        const std::uint32_t w = possibles_[e].bande[b];
        touches |= ((w & bit) != 0) << e;
        possibles_[e].bande[b] = w & ~bit;
    }
    possibles_[d].bande[b] |= bit;
    touches &= ~(1u << d);
    const Cases &pairs = tables.pairs[27 * b + Rang(bit)];
    // No peer can hold d yet, or this cell would have lost it: no contradiction check needed.
    std::uint32_t otes = 0;
    for (int i = 0; i < 3; ++i) {
        otes |= possibles_[d].bande[i] & pairs.bande[i];
        possibles_[d].bande[i] &= ~pairs.bande[i];
    }
    if (otes) touches |= 1u << d;
    aRevoirUnites_ |= std::uint16_t(touches);
    aRevoirLignes_ |= std::uint16_t(touches);
    libres_.bande[b] &= ~bit;
}

void CNoeud::EliminePossible(const Cases &cases, int k) {
    Cases &p = possibles_[k - 1];
    for (int b = 0; b < 3; ++b) {
        if (cases.bande[b] & p.bande[b] & ~libres_.bande[b]) Impossible = true;
        p.bande[b] &= ~cases.bande[b];
    }
    aRevoirUnites_ |= std::uint16_t(1u << (k - 1));
    aRevoirLignes_ |= std::uint16_t(1u << (k - 1));
}

bool CNoeud::Propage() {
    for (;;) {
        bool change = false;

        // Cells: none left is a dead end, one left is placed.
        for (int b = 0; b < 3; ++b) {
            std::uint32_t un = 0, deux = 0;
            for (int d = 0; d < 9; ++d) {
                std::uint32_t p = possibles_[d].bande[b];
                deux |= un & p;
                un |= p;
            }
            if (un != Bande) {
                Impossible = true;
                return false;
            }
            std::uint32_t seuls = un & ~deux & libres_.bande[b];
            while (seuls) {
                std::uint32_t bit = seuls & -seuls;
                seuls ^= bit;
                int d = 0;
                while (d < 9 && !(possibles_[d].bande[b] & bit))
                    ++d;
                if (d == 9) {
                    Impossible = true;
                    return false;
                }
                Placer(d, b, bit);
                change = true;
            }
        }
        if ((libres_.bande[0] | libres_.bande[1] | libres_.bande[2]) == 0) return true;
        if (change) continue;

        // Digits: a unit with one place left gets it; a unit with none is a dead end (a test the
        // rules alone would only meet further down, so it prunes without changing the answer).
        for (std::uint16_t chiffres = std::exchange(aRevoirUnites_, 0); chiffres; chiffres &= chiffres - 1) {
            const int d = Rang(chiffres);
            Cases &p = possibles_[d];
            std::uint32_t colUn = 0, colDeux = 0;
            for (int b = 0; b < 3; ++b) {
                const std::uint32_t w = p.bande[b], libres = libres_.bande[b];
                for (int i = 0; i < 3; ++i) {
                    std::uint32_t rangee = w & MasqueRangee(i);
                    if (!rangee) {
                        Impossible = true;
                        return false;
                    }
                    if (Seul(rangee) && (rangee & libres)) {
                        Placer(d, b, rangee);
                        change = true;
                    }
                    std::uint32_t bloc = w & MasquePile(i);
                    if (!bloc) {
                        Impossible = true;
                        return false;
                    }
                    if (Seul(bloc) && (bloc & libres)) {
                        Placer(d, b, bloc);
                        change = true;
                    }
                    std::uint32_t cols = (w >> (9 * i)) & Ligne9;
                    colDeux |= colUn & cols;
                    colUn |= cols;
                }
            }
            if (colUn != Ligne9) {
                Impossible = true;
                return false;
            }
            for (std::uint32_t seules = colUn & ~colDeux; seules; seules &= seules - 1) {
                std::uint32_t col = MasqueColonne(Rang(seules));
                for (int b = 0; b < 3; ++b)
                    if (std::uint32_t bit = p.bande[b] & col) {
                        if (bit & libres_.bande[b]) {
                            Placer(d, b, bit);
                            change = true;
                        }
                        break;
                    }
            }
            if (Impossible) return false;
        }
        if (change) continue;

        // Lines and blocks: a digit confined to one line of a block leaves the rest of the line,
        // and one confined to one block of a line leaves the rest of the block.
        for (std::uint16_t chiffres = std::exchange(aRevoirLignes_, 0); chiffres; chiffres &= chiffres - 1) {
            const int d = Rang(chiffres);
            const Cases &p = possibles_[d];
            Cases ote;
            std::uint32_t presentes[3];
            for (int b = 0; b < 3; ++b) {
                const std::uint32_t w = p.bande[b];
                ote.bande[b] = tables.rangees[Segments(w)] & w;
                presentes[b] = (w | (w >> 9) | (w >> 18)) & Ligne9;
            }
            for (int b = 0; b < 3; ++b) {
                const int b1 = (b + 1) % 3, b2 = (b + 2) % 3;
                // Columns that this band alone still offers: the band's block keeps them only.
                const std::uint32_t seules = presentes[b] & ~presentes[b1] & ~presentes[b2];
                if (seules) ote.bande[b] |= tables.piles[seules] & ~(seules * SurTroisLignes) & p.bande[b];
                // Columns on which one of this band's blocks holds the digit alone.
                const std::uint32_t cols = tables.colonnesSeules[presentes[b]] * SurTroisLignes;
                ote.bande[b1] |= cols & p.bande[b1];
                ote.bande[b2] |= cols & p.bande[b2];
            }
            if (ote.bande[0] | ote.bande[1] | ote.bande[2]) {
                EliminePossible(ote, d + 1);
                change = true;
            }
        }
        if (Impossible) return false;
        if (!change) return false;
    }
}

bool CNoeud::CaseDeBranchement(int &c, int &r) const {
    // Candidate counts of the empty cells, four bit planes per band.
    std::uint32_t plan[4][3];
    for (int b = 0; b < 3; ++b) {
        std::uint32_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
        for (int d = 0; d < 9; ++d) {
            std::uint32_t p = possibles_[d].bande[b] & libres_.bande[b];
            std::uint32_t c0 = s0 & p;
            s0 ^= p;
            std::uint32_t c1 = s1 & c0;
            s1 ^= c0;
            std::uint32_t c2 = s2 & c1;
            s2 ^= c1;
            s3 ^= c2;
        }
        plan[0][b] = s0;
        plan[1][b] = s1;
        plan[2][b] = s2;
        plan[3][b] = s3;
    }
    for (int n = 2; n <= 9; ++n) {
        std::uint32_t egal[3];
        std::uint32_t tous = 0;
        for (int b = 0; b < 3; ++b) {
            std::uint32_t e = libres_.bande[b];
            for (int j = 0; j < 4; ++j)
                e &= (n >> j) & 1 ? plan[j][b] : ~plan[j][b];
            egal[b] = e;
            tous |= e;
        }
        if (!tous) continue;
        for (int col = 0; col < 9; ++col)
            for (int b = 0; b < 3; ++b)
                if (std::uint32_t m = egal[b] & MasqueColonne(col)) {
                    c = col + 1;
                    r = 3 * b + Rang(m) / 9 + 1;
                    return true;
                }
    }
    return false;
}

void CNoeud::Resout(std::int16_t Profondeur) {
    Recherche &recherche = *recherche_;
    if (recherche.Arreter() || Impossible) return;
    if (Propage()) {
        recherche.SolutionTrouvee = true;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                recherche.Solution(c, r) = Valeur(c, r);
        return;
    }
    int c, r;
    if (Impossible || !CaseDeBranchement(c, r)) return;
    const std::uint16_t candidats = Possibles(c, r);
    for (int k = 1; k <= 9; ++k) {
        if (!(candidats & (1u << (k - 1)))) continue;
        CNoeud enfant(*this);
        enfant.PlaceChiffre(c, r, Chiffre(k));
        enfant.Resout(std::int16_t(Profondeur + 1));
        if (recherche.SolutionTrouvee || recherche.Interrompue) return;
    }
}

IssueRecherche Resoudre(const GrilleChiffres &grille, GrilleChiffres &solution, bool &SolutionTrouvee,
                        std::function<bool()> traiterEvenements) {
    SolutionTrouvee = false;
    Recherche recherche(SolutionTrouvee);
    recherche.TraiterEvenements = std::move(traiterEvenements);
    CNoeud racine(recherche);
    if (racine.DefinitGrille(grille)) racine.Resout(0);
    if (SolutionTrouvee) {
        solution = recherche.Solution;
        return IssueRecherche::Resolue;
    }
    return recherche.Interrompue ? IssueRecherche::Interrompue : IssueRecherche::SansSolution;
}

} // namespace lumio
