// The solver's node: candidates kept per digit as sets of cells, so that every unit rule is a
// handful of word operations on the three bands at once, and a child starts from its parent's
// candidates.
#include "CNoeud.h"
#include "Gabarits.h"

#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumio {

namespace {

using Masque = std::int32_t __attribute__((vector_size(16)));

constexpr std::uint32_t Bande = (1u << 27) - 1;
constexpr std::uint32_t Ligne9 = 0x1FF;
constexpr std::uint32_t TroisLignes = 1u | (1u << 9) | (1u << 18);

constexpr Cases Partout(std::uint32_t m) {
    return Cases{m, m, m, 0};
}
constexpr std::uint32_t MasqueRangee(int i) {
    return Ligne9 << (9 * i);
}
constexpr std::uint32_t MasquePile(int s) {
    return (7u << (3 * s)) * TroisLignes;
}
constexpr std::uint32_t MasqueColonne(int c) {
    return (1u << c) * TroisLignes;
}

inline int Rang(std::uint32_t x) {
    return __builtin_ctz(x);
}

inline bool Vide(Cases v) {
#if defined(__SSE2__)
    return _mm_movemask_epi8(_mm_cmpeq_epi32(__m128i(v), _mm_setzero_si128())) == 0xFFFF;
#else
    return (v[0] | v[1] | v[2] | v[3]) == 0;
#endif
}

// True when a comparison holds in one of the three bands.
inline bool DansUneBande(Masque m) {
#if defined(__SSE2__)
    return (_mm_movemask_epi8(__m128i(m)) & 0xFFF) != 0;
#else
    return (m[0] | m[1] | m[2]) != 0;
#endif
}

// In each band, what the two other bands hold.
inline Cases DesAutresBandes(Cases v) {
#if defined(__clang__)
    return __builtin_shufflevector(v, v, 1, 2, 0, 3) | __builtin_shufflevector(v, v, 2, 0, 1, 3);
#else
    return __builtin_shuffle(v, Masque{1, 2, 0, 3}) | __builtin_shuffle(v, Masque{2, 0, 1, 3});
#endif
}

// The columns (9 bits) a band's cells touch, and back to every cell of those columns.
inline Cases Colonnes(Cases w) {
    return (w | (w >> 9) | (w >> 18)) & Ligne9;
}
inline Cases SurTroisLignes(Cases colonnes) {
    return colonnes | (colonnes << 9) | (colonnes << 18);
}
// The columns a band's cells touch once or more, and twice or more.
inline void ParColonne(Cases w, Cases &une, Cases &deux) {
    const Cases r0 = w & Ligne9, r1 = (w >> 9) & Ligne9, r2 = w >> 18;
    une = r0 | r1 | r2;
    deux = (r0 & r1) | ((r0 | r1) & r2);
}

// Which (row, stack) segments of each band are not empty, bit 3 * row + stack.
inline Cases Segments(Cases w) {
    Cases t = (w | (w >> 1) | (w >> 2)) & 0x1249249; // bit 3j: segment j not empty
    t = (t | (t >> 2)) & 0x10C30C3;
    t = (t | (t >> 4)) & 0x100F00F;
    return (t | (t >> 8) | (t >> 16)) & 0x1FF;
}

struct Tables {
    // Cells are numbered 27 * band + bit. The peers of each cell, the cell itself left out, and
    // the cell alone.
    Cases pairs[81];
    Cases cellule[81];
    // Where each cell sits in a grid's column-major array.
    std::uint8_t indice[81];
    // For the non-empty segments of a band: the cells of the band the digit leaves because a
    // block holds it on one row only, or a row holds it in one block only.
    std::uint32_t rangees[512];
    // For the columns of a band that still hold a digit: the columns on which one of the band's
    // blocks holds it alone.
    std::uint32_t colonnesSeules[512];
    // For columns that no other band offers: the other cells of the blocks holding them.
    std::uint32_t horsColonnes[512];
    // For the non-empty segments of a band: whether each of its rows and blocks keeps one.
    bool pleine[512];
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
                    t.pairs[27 * (rn / 3) + 9 * (rn % 3) + cn][rm / 3] |= 1u << (9 * (rm % 3) + cm);
                }
            }
        }
    for (int i = 0; i < 81; ++i) {
        t.cellule[i][i / 27] = 1u << (i % 27);
        t.indice[i] = std::uint8_t(GrilleChiffres::Indice(i % 9 + 1, 3 * (i / 27) + i % 27 / 9 + 1));
    }
    auto seul = [](std::uint32_t x) { return x != 0 && (x & (x - 1)) == 0; };
    for (std::uint32_t occ = 0; occ < 512; ++occ) {
        std::uint32_t ote = 0;
        for (int s = 0; s < 3; ++s) {
            std::uint32_t lignes = ((occ >> s) & 1) | ((occ >> (2 + s)) & 2) | ((occ >> (4 + s)) & 4);
            if (seul(lignes)) ote |= MasqueRangee(Rang(lignes)) & ~MasquePile(s);
        }
        for (int i = 0; i < 3; ++i) {
            std::uint32_t piles = (occ >> (3 * i)) & 7;
            if (seul(piles)) ote |= MasquePile(Rang(piles)) & ~MasqueRangee(i);
        }
        t.rangees[occ] = ote;
        std::uint32_t seules = 0, piles = 0;
        for (int s = 0; s < 3; ++s) {
            std::uint32_t cols = (occ >> (3 * s)) & 7;
            if (seul(cols)) seules |= cols << (3 * s);
            if (cols) piles |= MasquePile(s);
        }
        t.colonnesSeules[occ] = seules;
        t.horsColonnes[occ] = piles & ~(occ * TroisLignes);
        t.pleine[occ] =
            (occ & 7) && (occ & 070) && (occ & 0700) && (occ & 0111) && (occ & 0222) && (occ & 0444);
    }
    return t;
}

const Tables tables = Construire();

constexpr std::uint32_t RevoirUnites = 0x1FF, RevoirSeuls = 1u << 18;

// The dearer rule, full placements, waits for a few dead ends: most searches meet none, or hardly
// any, and would only be slowed by it. (Naked pairs beside it proved too few nodes empty to pay
// for their branches.)
constexpr long long ImpassesAvantRenforts = 8;
// It runs at every other depth: what it finds is handed down, so a run at each depth finds
// little more than it costs.
constexpr int EcartDesRenforts = 2;
// Two rounds of it catch nearly all that more would.
constexpr int ToursDeRenforts = 2;
// The unit and line rules of digit d + 1 have something new to look at.
constexpr std::uint32_t ARevoir(int d) {
    return (1u | (1u << 9)) << d;
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
    for (Cases &p : possibles_)
        p = Partout(Bande);
    libres_ = Partout(Bande);
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
    if (libres_[b] & bit) return 0;
    for (int d = 0; d < 9; ++d)
        if (possibles_[d][b] & bit) return Chiffre(d + 1);
    return 0;
}

std::uint16_t CNoeud::Possibles(int c, int r) const {
    int b = (r - 1) / 3;
    std::uint32_t bit = 1u << (9 * ((r - 1) % 3) + c - 1);
    if (!(libres_[b] & bit)) return 0;
    std::uint16_t m = 0;
    for (int d = 0; d < 9; ++d)
        if (possibles_[d][b] & bit) m |= std::uint16_t(1u << d);
    return m;
}

int CNoeud::NbPossibles(int c, int r) const {
    return __builtin_popcount(Possibles(c, r));
}

bool CNoeud::DefinitGrille(const GrilleChiffres &Grille) {
    // All givens at once: each digit keeps its own cells and loses the rest of the grid's givens
    // and every peer of its own. The given cells are listed first, without a branch: whether a
    // cell is given cannot be foreseen.
    std::uint8_t liste[81];
    int nombre = 0;
    for (int i = 0; i < 81; ++i) {
        liste[nombre] = std::uint8_t(i);
        nombre += Grille.Cases()[tables.indice[i]] != 0;
    }
    Cases donnees[9] = {}, vues[9] = {}, toutes{};
    for (int n = 0; n < nombre; ++n) {
        const int i = liste[n], k = Grille.Cases()[tables.indice[i]];
        donnees[k - 1] |= tables.cellule[i];
        vues[k - 1] |= tables.pairs[i];
        toutes |= tables.cellule[i];
    }
    for (int d = 0; d < 9; ++d) {
        // Two equal digits in one unit.
        if (!Vide(donnees[d] & vues[d])) Impossible = true;
        possibles_[d] = (possibles_[d] & ~toutes & ~vues[d]) | donnees[d];
    }
    libres_ &= ~toutes;
    return !Impossible;
}

inline void CNoeud::OterDesPairs(int d, int i) {
    // Without a branch: whether a peer still had the digit is anybody's guess.
    const Cases otes = possibles_[d] & tables.pairs[i];
    possibles_[d] ^= otes;
    aRevoir_ |= (ARevoir(d) | RevoirSeuls) & -std::uint32_t(!Vide(otes));
}

inline void CNoeud::Seuls() {
    // Per cell: one candidate or more, two or more, and the digit of a single one written in
    // binary, bit j in plan[j].
    Cases un{}, deux{};
    Cases plan[4] = {};
    for (int d = 0; d < 9; ++d) {
        const Cases p = possibles_[d];
        deux |= un & p;
        un |= p;
        for (int j = 0; j < 4; ++j)
            if ((d >> j) & 1) plan[j] |= p;
    }
    // A placed cell keeps its own digit: a cell outside every set is empty and has no candidate.
    if (DansUneBande(un != Partout(Bande))) {
        Impossible = true;
        return;
    }
    const Cases seuls = un & ~deux & libres_;
    if (Vide(seuls)) return;
    for (int b = 0; b < 3; ++b)
        for (std::uint32_t s = seuls[b]; s; s &= s - 1) {
            const int n = Rang(s);
            const int d = int((plan[0][b] >> n) & 1) | int(((plan[1][b] >> n) & 1) << 1) |
                          int(((plan[2][b] >> n) & 1) << 2) | int(((plan[3][b] >> n) & 1) << 3);
            // A peer placed in this pass took the cell's last candidate.
            if (!((possibles_[d][b] >> n) & 1)) {
                Impossible = true;
                return;
            }
            OterDesPairs(d, 27 * b + n);
        }
    // These cells had no other candidate: no other digit's set changes.
    libres_ &= ~seuls;
}

inline void CNoeud::Uniques(int d) {
    const Cases w = possibles_[d];
    // Rows and blocks of the three bands at once: the cell of those with one. A unit with none
    // is left to the line rules, which run before the node is taken as settled.
    Cases places{};
    for (int i = 0; i < 3; ++i) {
        const Cases rangee = w & Partout(MasqueRangee(i)), bloc = w & Partout(MasquePile(i));
        places |= rangee & Cases((rangee & (rangee - 1)) == 0);
        places |= bloc & Cases((bloc & (bloc - 1)) == 0);
    }
    // Columns: which hold the digit in this band, twice or more in this band, in another band.
    Cases un, deux;
    ParColonne(w, un, deux);
    places |= w & SurTroisLignes(un & ~deux & ~DesAutresBandes(un));
    places &= libres_;
    if (Vide(places)) return;
    // All the cells at once, without a loop whose length cannot be foreseen: the units they lie
    // in lose the digit elsewhere, and two of them in one unit are a dead end.
    Cases unites{};
    Masque deuxFois{};
    for (int i = 0; i < 3; ++i) {
        const Cases rangee = places & Partout(MasqueRangee(i)), bloc = places & Partout(MasquePile(i));
        unites |= Partout(MasqueRangee(i)) & Cases(rangee != 0);
        unites |= Partout(MasquePile(i)) & Cases(bloc != 0);
        deuxFois |= ((rangee & (rangee - 1)) != 0) | ((bloc & (bloc - 1)) != 0);
    }
    Cases colonnes, doubles;
    ParColonne(places, colonnes, doubles);
    const Cases ailleurs = DesAutresBandes(colonnes);
    deuxFois |= Masque((doubles | (colonnes & ailleurs)) != 0);
    unites |= SurTroisLignes(colonnes | ailleurs);
    if (DansUneBande(deuxFois)) {
        Impossible = true;
        return;
    }
    const Cases otes = possibles_[d] & unites & ~places;
    possibles_[d] ^= otes;
    aRevoir_ |= (ARevoir(d) | RevoirSeuls) & -std::uint32_t(!Vide(otes));
    // The cells leave the sets of their other candidates, without a branch per digit.
    const Cases garde = possibles_[d];
    std::uint32_t perdants = 0;
    for (int e = 0; e < 9; ++e) {
        const Cases o = possibles_[e] & places;
        possibles_[e] ^= o;
        perdants |= std::uint32_t(!Vide(o)) << e;
    }
    possibles_[d] = garde;
    aRevoir_ |= (perdants & ~(1u << d)) * ARevoir(0);
    libres_ &= ~places;
}

inline bool CNoeud::Lignes(int d) {
    const Cases w = possibles_[d];
    const Cases presentes = Colonnes(w), segments = Segments(w);
    // A row, block or column left without a place for the digit: a dead end.
    if ((presentes[0] | presentes[1] | presentes[2]) != Ligne9 || !tables.pleine[segments[0]] ||
        !tables.pleine[segments[1]] || !tables.pleine[segments[2]]) {
        Impossible = true;
        return false;
    }
    // Columns no other band offers any more: their block keeps them only.
    const Cases seules = presentes & ~DesAutresBandes(presentes);
    // Columns to which one of the band's blocks is confined: the other bands lose them.
    const Cases confinees{tables.colonnesSeules[presentes[0]], tables.colonnesSeules[presentes[1]],
                          tables.colonnesSeules[presentes[2]], 0};
    const Cases ote = w & (Cases{tables.rangees[segments[0]] | tables.horsColonnes[seules[0]],
                                 tables.rangees[segments[1]] | tables.horsColonnes[seules[1]],
                                 tables.rangees[segments[2]] | tables.horsColonnes[seules[2]], 0} |
                           SurTroisLignes(DesAutresBandes(confinees)));
    if (Vide(ote)) return false;
    possibles_[d] = w & ~ote;
    aRevoir_ |= ARevoir(d) | RevoirSeuls;
    return true;
}

inline bool CNoeud::Propage() {
    // Whatever order the rules fire in, they reach the same fixpoint; the cheapest go first.
    for (;;) {
        while (aRevoir_ & RevoirSeuls) {
            aRevoir_ &= ~RevoirSeuls;
            Seuls();
            if (Impossible) return false;
        }
        if (Vide(libres_)) return true;
        if (aRevoir_ & RevoirUnites) {
            std::uint32_t chiffres = aRevoir_ & RevoirUnites;
            aRevoir_ &= ~RevoirUnites;
            for (; chiffres; chiffres &= chiffres - 1) {
                Uniques(Rang(chiffres));
                if (Impossible) return false;
            }
            continue;
        }
        bool change = false;
        std::uint32_t chiffres = (aRevoir_ >> 9) & 0x1FF;
        aRevoir_ = 0;
        for (; chiffres; chiffres &= chiffres - 1) {
            change |= Lignes(Rang(chiffres));
            if (Impossible) return false;
        }
        if (!change) return false;
    }
}

bool CNoeud::Gabarits() {
    bool change = false;
    for (int d = 0; d < 9; ++d) {
        if (Vide(possibles_[d] & libres_)) continue; // placed nine times
        Cases &vu = recherche_->GabaritVu[d], &u = recherche_->GabaritUtile[d];
        if (!Vide(vu ^ possibles_[d])) {
            const std::uint32_t bandes[3] = {possibles_[d][0], possibles_[d][1], possibles_[d][2]};
            std::uint32_t utiles[3];
            CasesDesGabarits(bandes, utiles);
            vu = possibles_[d];
            u = Cases{utiles[0], utiles[1], utiles[2], 0};
        }
        if (Vide(u)) {
            Impossible = true;
            return true;
        }
        if (Vide(u ^ possibles_[d])) continue;
        possibles_[d] = u;
        aRevoir_ |= ARevoir(d) | RevoirSeuls;
        change = true;
    }
    return change;
}

bool Recherche::Regle::AEssayer() {
    // Given a chance at first, kept while it ends one node in eight it runs on, and tried again
    // every sixteenth time it is asked for once it falls below that.
    ++Appels;
    if (Essais >= 2 && 8 * Succes < Essais && Appels % 16 != 0) return false;
    ++Essais;
    return true;
}

bool CNoeud::Renforce() {
    Recherche &recherche = *recherche_;
    if (Propage()) return true;
    if (Impossible) return false;
    for (int tour = 0; tour < ToursDeRenforts; ++tour) {
        if (!recherche.Placements.AEssayer() || !Gabarits()) break;
        if (!Impossible && Propage()) return true;
        if (Impossible) {
            ++recherche.Placements.Succes;
            return false;
        }
    }
    return true;
}

inline bool CNoeud::CaseDeBranchement(int &c, int &r) const {
    // Candidate counts of the empty cells, in four bit planes.
    Cases plan[4] = {};
    for (const Cases &q : possibles_) {
        const Cases p = q & libres_;
        const Cases c0 = plan[0] & p;
        plan[0] ^= p;
        const Cases c1 = plan[1] & c0;
        plan[1] ^= c0;
        const Cases c2 = plan[2] & c1;
        plan[2] ^= c1;
        plan[3] ^= c2;
    }
    for (int n = 2; n <= 9; ++n) {
        Cases egal = libres_;
        for (int j = 0; j < 4; ++j)
            egal &= (n >> j) & 1 ? plan[j] : ~plan[j];
        if (Vide(egal)) continue;
        // The leftmost column, then the topmost row.
        const Cases cols = Colonnes(egal);
        const int col = Rang(cols[0] | cols[1] | cols[2]);
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
        // Every cell is placed: each digit's set holds exactly its cells.
        auto &cases = recherche.Solution.Cases();
        for (int d = 0; d < 9; ++d)
            for (int b = 0; b < 3; ++b)
                for (std::uint32_t m = possibles_[d][b]; m; m &= m - 1)
                    cases[tables.indice[27 * b + Rang(m)]] = Chiffre(d + 1);
        return;
    }
    int c, r;
    if (Impossible) {
        ++recherche.Impasses;
        return;
    }
    if (!CaseDeBranchement(c, r)) return;
    const int i = 27 * ((r - 1) / 3) + 9 * ((r - 1) % 3) + c - 1;
    const Cases cellule = tables.cellule[i];
    const std::uint16_t candidats = Possibles(c, r);
    const Cases *exclus = niveauExclus_ >= 0 ? recherche.Exclus[niveauExclus_] : nullptr;
    if (recherche.Impasses >= ImpassesAvantRenforts && Profondeur % EcartDesRenforts == 0) {
        CNoeud renforce(*this);
        if (exclus) {
            std::uint32_t moins = 0;
            for (int d = 0; d < 9; ++d) {
                renforce.possibles_[d] &= ~exclus[d];
                moins |= std::uint32_t(!Vide(exclus[d])) << d;
            }
            renforce.aRevoir_ |= moins * ARevoir(0) | (moins ? RevoirSeuls : 0);
        }
        if (!renforce.Renforce()) return;
        Cases nouveaux[9];
        bool nouveau = false;
        for (int d = 0; d < 9; ++d) {
            nouveaux[d] = possibles_[d] & ~renforce.possibles_[d];
            if (exclus) nouveaux[d] &= ~exclus[d];
            nouveau |= !Vide(nouveaux[d]);
        }
        if (nouveau) {
            Cases *niveau = recherche.Exclus[Profondeur];
            for (int d = 0; d < 9; ++d)
                niveau[d] = exclus ? (exclus[d] | nouveaux[d]) : nouveaux[d];
            niveauExclus_ = std::int8_t(Profondeur);
            exclus = niveau;
        }
    }
    // The digits of the cell no completion of this node can put there are not tried.
    std::uint16_t essais = candidats;
    if (exclus)
        for (int d = 0; d < 9; ++d)
            essais &= std::uint16_t(~(std::uint32_t(!Vide(exclus[d] & cellule)) << d));
    for (std::uint16_t k = essais; k; k &= k - 1) {
        const int d = Rang(k);
        CNoeud enfant(*this);
        // The cell leaves the sets of its other candidates and takes d from its peers.
        const std::uint16_t autres = candidats & ~(1u << d);
        for (std::uint16_t m = autres; m; m &= m - 1)
            enfant.possibles_[Rang(m)] &= ~cellule;
        enfant.aRevoir_ |= autres * ARevoir(0);
        enfant.libres_ &= ~cellule;
        enfant.OterDesPairs(d, i);
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
