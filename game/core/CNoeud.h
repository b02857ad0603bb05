// The solver of the creation grid: one search node with its candidates, their propagation and
// the depth-first search that branches on the cell with the fewest candidates.
#pragma once

#include "Grille.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace lumio {

enum class IssueRecherche { Resolue, SansSolution, Interrompue };

// A set of cells: one 27-bit word per band of three rows, bit 9 * (row in band) + column, all
// from 0, so that every row, block and band sits inside one word; the fourth word stays empty.
// Held in one vector register, the three bands go through every rule side by side.
using Cases = std::uint32_t __attribute__((vector_size(16)));

// What the nodes of one search share.
struct Recherche {
    explicit Recherche(bool &solutionTrouvee) : SolutionTrouvee(solutionTrouvee) {}

    // Set by the node that completes the grid; every later node returns at once.
    bool &SolutionTrouvee;
    GrilleChiffres Solution;

    // Lets the window live during a long search; returns true when the player wants it stopped.
    // Asked at the first node, then at most once per Intervalle, the clock being read only every
    // NoeudsEntreControles nodes so that a search of small nodes is not slowed by it.
    std::function<bool()> TraiterEvenements;
    std::chrono::steady_clock::duration Intervalle = std::chrono::milliseconds(20);
    long NoeudsEntreControles = 256;

    bool Interrompue = false;
    long long Noeuds = 0;
    // Nodes that ended in a contradiction: until a search has met a few, its subtrees are likely
    // to hold solutions and the dearer deductions would only slow it.
    long long Impasses = 0;
    // How often the dearer rule was asked for, was run, and proved a node empty: while it
    // seldom does, it is left out, but tried again now and then.
    struct Regle {
        long Appels = 0, Essais = 0, Succes = 0;
        // Whether to run it this time, counted as a run when it is.
        bool AEssayer();
    };
    Regle Placements;
    // Exclus[p][d]: the cells where the dearer rule, run at the node of depth p on the current
    // path or above it, proved that no completion below puts digit d + 1. They are kept apart
    // from the candidates so that the rules of every node, and the choice of the branching cell,
    // see the very candidates they always did. A node writes only its own depth, so the path
    // shares one table.
    Cases Exclus[82][9];
    // Per digit, the last candidate set whose full placements were worked out, and the cells
    // they use: sibling nodes often hand the same set again.
    Cases GabaritVu[9] = {};
    Cases GabaritUtile[9] = {};

    // True when the search must stop now.
    bool Arreter();

  private:
    std::chrono::steady_clock::time_point dernierTraitement_{};
};

class CNoeud {
  public:
    explicit CNoeud(Recherche &recherche);

    // Searches from this node; the first completion met in depth-first order ends the search.
    void Resout(std::int16_t Profondeur);
    // On a new node, places every digit of the grid; false when two equal digits share a unit.
    bool DefinitGrille(const GrilleChiffres &Grille);

    bool Impossible = false;

    // The digit of a cell, 0 when it has none yet, and its candidates (bit k - 1 for digit k,
    // 0 for a cell that holds a digit).
    Chiffre Valeur(int c, int r) const;
    std::uint16_t Possibles(int c, int r) const;
    int NbPossibles(int c, int r) const;

    // The nine cells (column, row) of unit u: kind 1 a block in reading order, 2 a row, 3 a
    // column.
    static void CasesUnite(int genre, int u, std::int16_t liste[9][2]);

  private:
    // The rules, used only by the node's own code: inline, they melt into the search loop.
    // Naked and hidden singles, block-to-line and line-to-block eliminations, to their fixpoint.
    // True when every cell holds a digit; sets Impossible on a contradiction.
    __attribute__((always_inline)) inline bool Propage();
    // Cells left with one candidate get it; a cell left with none is a dead end.
    inline void Seuls();
    // Units left with one place for digit d get it there; a unit left with none is a dead end.
    inline void Uniques(int d);
    // Digit d confined to one line of a block, or to one block of a line, leaves the rest of it.
    inline bool Lignes(int d);
    // Takes digit d from the peers of cell i (27 * band + bit).
    inline void OterDesPairs(int d, int i);
    // The first cell in column order among those with the fewest candidates, two or more.
    inline bool CaseDeBranchement(int &c, int &r) const;
    // On a copy of a node about to branch: removes the candidates no completion can use that the
    // rules above miss, then propagates; false when that proves the node has no completion.
    bool Renforce();
    // Each digit keeps only the cells that lie on some full placement of it. True when a
    // candidate went.
    bool Gabarits();

    // possibles_[d]: where digit d + 1 may still go, a placed d + 1 included.
    Cases possibles_[9];
    Cases libres_; // cells without a digit
    // The depth whose exclusions hold for this node, -1 when there are none yet.
    std::int8_t niveauExclus_ = -1;
    // What changed since the rules last looked: bit d when digit d + 1 lost a cell since its unit
    // rules ran, bit 9 + d the same for its line rules, bit 18 when a cell lost a candidate since
    // the singles were looked for. The rest would show nothing new.
    std::uint32_t aRevoir_ = (1u << 19) - 1;
    Recherche *recherche_;
};

// Solves a grid with the search above. On success the completed grid is in solution.
IssueRecherche Resoudre(const GrilleChiffres &grille, GrilleChiffres &solution, bool &SolutionTrouvee,
                        std::function<bool()> traiterEvenements = {});

} // namespace lumio
