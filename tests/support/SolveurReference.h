// The search written the plain, slow way, step by step: 9x9x9 Booleans, children rebuilt from
// placed digits, propagation restarted after every change. The fast solver must reach the very
// same answer on every grid.
#pragma once

#include "Grille.h"

#include <cstdint>
#include <memory>

namespace lumio::test {

class NoeudReference {
  public:
    explicit NoeudReference(bool &trouvee, GrilleChiffres &resultat)
        : trouvee_(trouvee), resultat_(resultat) {
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                Valeur[c][r] = 0;
                NbPossibles[c][r] = 9;
                for (int k = 1; k <= 9; ++k)
                    Possible[c][r][k] = true;
            }
    }

    void Resout(std::int16_t Profondeur) {
        ++noeuds;
        if (trouvee_) return;
        Impossible = false;
        if (Propage()) {
            trouvee_ = true;
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    if (resultat_(c, r) == 0) resultat_(c, r) = Valeur[c][r];
            return;
        }
        if (Impossible) return;
        int best = 10, bc = 0, br = 0;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (NbPossibles[c][r] > 1 && NbPossibles[c][r] < best) {
                    best = NbPossibles[c][r];
                    bc = c;
                    br = r;
                }
        for (int k = 1; k <= 9; ++k) {
            if (!Possible[bc][br][k]) continue;
            auto enfant = std::make_unique<NoeudReference>(trouvee_, resultat_);
            GrilleChiffres g;
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    g(c, r) = Valeur[c][r];
            enfant->DefinitGrille(g);
            enfant->PlaceChiffre(bc, br, Chiffre(k));
            enfant->Resout(std::int16_t(Profondeur + 1));
            noeuds += enfant->noeuds;
        }
    }

    bool DefinitGrille(const GrilleChiffres &Grille) {
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (Grille(c, r) != 0) PlaceChiffre(c, r, Grille(c, r));
        return !Impossible;
    }

    void PlaceChiffre(int c, int r, Chiffre k) {
        for (int m = 1; m <= 9; ++m) {
            EliminePossible(m, r, k);
            EliminePossible(c, m, k);
        }
        int c0 = 3 * ((c - 1) / 3) + 1, r0 = 3 * ((r - 1) / 3) + 1;
        for (int i = c0; i < c0 + 3; ++i)
            for (int j = r0; j < r0 + 3; ++j)
                EliminePossible(i, j, k);
        Valeur[c][r] = k;
        NbPossibles[c][r] = 0;
        for (int m = 1; m <= 9; ++m)
            Possible[c][r][m] = false;
    }

    bool Impossible = false;
    long long noeuds = 0;

  private:
    bool Propage() {
        for (;;) {
            bool change;
            int remplies;
            do {
                change = false;
                remplies = 0;
                for (int c = 1; c <= 9; ++c)
                    for (int r = 1; r <= 9; ++r) {
                        if (NbPossibles[c][r] == 0) {
                            if (Valeur[c][r] == 0) {
                                Impossible = true;
                                return false;
                            }
                            ++remplies;
                        }
                        if (NbPossibles[c][r] == 1) {
                            int k = 1;
                            while (!Possible[c][r][k])
                                ++k;
                            PlaceChiffre(c, r, Chiffre(k));
                            change = true;
                        }
                    }
            } while (change);
            if (remplies == 81) return true;
            if (!PasseUnites()) return false;
        }
    }

    // One unit pass; true as soon as something changed (the caller restarts from the singles).
    bool PasseUnites() {
        std::int16_t liste[9][2];
        for (int genre = 1; genre <= 3; ++genre)
            for (int u = 1; u <= 9; ++u) {
                CasesUnite(genre, u, liste);
                int q = (u - 1) / 3, m = (u - 1) % 3;
                for (int k = 1; k <= 9; ++k) {
                    bool A[4] = {}, B[4] = {};
                    for (int n = 1; n <= 9; ++n)
                        if (Possible[liste[n - 1][0]][liste[n - 1][1]][k]) {
                            A[(n - 1) % 3 + 1] = true;
                            B[(n - 1) / 3 + 1] = true;
                        }
                    int a = 0, b = 0, alpha = 0, beta = 0;
                    for (int i = 1; i <= 3; ++i) {
                        if (A[i]) ++a, alpha = i;
                        if (B[i]) ++b, beta = i;
                    }
                    if (a == 1 && b == 1) {
                        int n = 3 * (beta - 1) + alpha;
                        PlaceChiffre(liste[n - 1][0], liste[n - 1][1], Chiffre(k));
                        return true;
                    }
                    bool ote = false;
                    auto oter = [&](int c, int r) {
                        if (Possible[c][r][k]) {
                            EliminePossible(c, r, Chiffre(k));
                            ote = true;
                        }
                    };
                    if (genre == 1 && a == 1 && b != 1) {
                        int col = 3 * m + alpha;
                        for (int r = 1; r <= 9; ++r)
                            if (r < 3 * q + 1 || r > 3 * q + 3) oter(col, r);
                    }
                    if (b == 1 && a != 1) {
                        if (genre == 1) {
                            int row = 3 * q + beta;
                            for (int c = 1; c <= 9; ++c)
                                if (c < 3 * m + 1 || c > 3 * m + 3) oter(c, row);
                        } else {
                            std::int16_t bloc[9][2];
                            int cible = genre == 2 ? 3 * q + beta : 3 * (beta - 1) + q + 1;
                            CasesUnite(1, cible, bloc);
                            for (int n = 1; n <= 9; ++n) {
                                bool garde = genre == 2 ? (n == 3 * m + 1 || n == 3 * m + 2 || n == 3 * m + 3)
                                                        : (n == m + 1 || n == m + 4 || n == m + 7);
                                if (!garde) oter(bloc[n - 1][0], bloc[n - 1][1]);
                            }
                        }
                    }
                    if (ote) return true;
                }
            }
        return false;
    }

    static void CasesUnite(int genre, int u, std::int16_t liste[9][2]) {
        for (int n = 1; n <= 9; ++n) {
            if (genre == 1) {
                liste[n - 1][0] = std::int16_t(3 * ((u - 1) % 3) + 1 + (n - 1) % 3);
                liste[n - 1][1] = std::int16_t(3 * ((u - 1) / 3) + 1 + (n - 1) / 3);
            } else if (genre == 2) {
                liste[n - 1][0] = std::int16_t(n);
                liste[n - 1][1] = std::int16_t(u);
            } else {
                liste[n - 1][0] = std::int16_t(u);
                liste[n - 1][1] = std::int16_t(n);
            }
        }
    }

    void EliminePossible(int c, int r, Chiffre k) {
        if (Valeur[c][r] == k) {
            Impossible = true;
        } else if (Possible[c][r][k]) {
            Possible[c][r][k] = false;
            --NbPossibles[c][r];
        }
    }

    std::uint8_t Valeur[10][10];
    std::uint8_t NbPossibles[10][10];
    bool Possible[10][10][10];
    bool &trouvee_;
    GrilleChiffres &resultat_;
};

// The reference verdict: true and the completed grid, or false when there is none.
inline bool ResoudreReference(const GrilleChiffres &grille, GrilleChiffres &resultat,
                              long long *noeuds = nullptr) {
    bool trouvee = false;
    resultat = grille;
    auto racine = std::make_unique<NoeudReference>(trouvee, resultat);
    if (racine->DefinitGrille(grille)) racine->Resout(0);
    if (noeuds) *noeuds = racine->noeuds;
    return trouvee;
}

} // namespace lumio::test
