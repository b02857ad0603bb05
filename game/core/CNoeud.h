// The solver of the creation grid: one search node with its candidates, their propagation and
// the depth-first search that branches on the cell with the fewest candidates.
#pragma once

#include "Grille.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace lumio {

// A set of cells: one 27-bit word per band of three rows, bit 9 * (row in band) + column, all
// from 0. Three words keep every row, block and band inside a single machine word.
struct Cases {
    std::uint32_t bande[3] = {0, 0, 0};
};

enum class IssueRecherche { Resolue, SansSolution, Interrompue };

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
    // Places every digit of the grid; false when two equal digits share a unit.
    bool DefinitGrille(const GrilleChiffres &Grille);
    // Puts k in (c, r) and takes it from the cell's peers; a k the cell can no longer take makes
    // the node impossible.
    void PlaceChiffre(int c, int r, Chiffre k);

    bool Impossible = false;

    // The digit of a cell, 0 when it has none yet, and its candidates (bit k - 1 for digit k,
    // 0 for a cell that holds a digit).
    Chiffre Valeur(int c, int r) const;
    std::uint16_t Possibles(int c, int r) const;
    int NbPossibles(int c, int r) const;

  private:
    // Naked and hidden singles, block-to-line and line-to-block eliminations, to their fixpoint.
    // True when every cell holds a digit; sets Impossible on a contradiction.
    bool Propage();
    // Takes k from every cell of the set; removing a cell's own digit is a contradiction.
    void EliminePossible(const Cases &cases, int k);
    void Placer(int k, int bande, std::uint32_t bit);
    bool CaseDeBranchement(int &c, int &r) const;

  public:
    // The nine cells (column, row) of unit u: kind 1 a block in reading order, 2 a row, 3 a
    // column.
    static void CasesUnite(int genre, int u, std::int16_t liste[9][2]);

  private:
    // possibles_[k - 1]: the cells where digit k may still go, a placed k included.
    Cases possibles_[9];
    Cases libres_; // cells without a digit
    // Digits whose cells changed since their unit rules, or their line rules, last ran: the
    // others would find nothing new.
    std::uint16_t aRevoirUnites_ = 0x1FF, aRevoirLignes_ = 0x1FF;
    Recherche *recherche_;
};

// Solves a grid with the search above. On success the completed grid is in solution.
IssueRecherche Resoudre(const GrilleChiffres &grille, GrilleChiffres &solution, bool &SolutionTrouvee,
                        std::function<bool()> traiterEvenements = {});

} // namespace lumio
