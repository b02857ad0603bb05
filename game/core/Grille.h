// The 9x9 grid value type, indexed (column, row) from 1, column first, the digit kinds and the
// two modes of a game.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace lumio {

using Chiffre = std::uint8_t; // 1..9, 0 for an empty cell

// How a digit is drawn and whether it counts.
enum GenreChiffre : int {
    GenreCrayon = 1, // pencil mark, small gray, not counted
    GenreJoueur = 2, // player digit (also hints, revealed solution, solver digits)
    GenreDonnee = 3, // given (also a digit typed in creation mode)
    GenreFaux = 4,   // player digit known to be wrong, red
};

// The two modes, as the settings, the saved games and the mode menu number them.
enum ModePartie : int { ModeJouer = 1, ModeCreation = 2 };

template <typename T> class Grille9 {
  public:
    Grille9() { Effacer(); }

    T &operator()(int c, int r) {
        assert(c >= 1 && c <= 9 && r >= 1 && r <= 9);
        return cases_[Indice(c, r)];
    }
    const T &operator()(int c, int r) const {
        assert(c >= 1 && c <= 9 && r >= 1 && r <= 9);
        return cases_[Indice(c, r)];
    }
    void Effacer() { cases_.fill(T{}); }
    void Remplir(T v) { cases_.fill(v); }

    // Cells in column-major order: k = 9 (c - 1) + (r - 1).
    const std::array<T, 81> &Cases() const { return cases_; }
    std::array<T, 81> &Cases() { return cases_; }

    bool operator==(const Grille9 &o) const { return cases_ == o.cases_; }
    bool operator!=(const Grille9 &o) const { return !(*this == o); }

    static constexpr int Indice(int c, int r) { return 9 * (c - 1) + (r - 1); }

  private:
    std::array<T, 81> cases_;
};

using GrilleChiffres = Grille9<Chiffre>;
using GrilleBooleens = Grille9<bool>;

// Counts of each digit on the board, indexed 1..9 (digit 0 has no slot).
class CompteChiffres {
  public:
    CompteChiffres() { Effacer(); }
    std::int16_t &operator()(int d) {
        assert(d >= 1 && d <= 9);
        return n_[d - 1];
    }
    std::int16_t operator()(int d) const {
        assert(d >= 1 && d <= 9);
        return n_[d - 1];
    }
    void Effacer() { n_.fill(0); }

    bool operator==(const CompteChiffres &o) const { return n_ == o.n_; }
    bool operator!=(const CompteChiffres &o) const { return !(*this == o); }

  private:
    std::array<std::int16_t, 9> n_;
};

// True when every row, column and box of a complete grid holds 1..9 once.
bool GrilleValide(const GrilleChiffres &g);

} // namespace lumio
