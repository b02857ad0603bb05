// Grids written as one line of 81 characters, row after row, for the solver's tests.
#pragma once

#include "Grille.h"

#include <fstream>
#include <string>
#include <vector>

namespace lumio::test {

// Digits 1-9 fill a cell; any other character leaves it empty.
inline GrilleChiffres GrilleDeTexte(const std::string &ligne) {
    GrilleChiffres g;
    for (int i = 0; i < 81 && i < int(ligne.size()); ++i) {
        char x = ligne[std::size_t(i)];
        g(i % 9 + 1, i / 9 + 1) = x >= '1' && x <= '9' ? Chiffre(x - '0') : 0;
    }
    return g;
}

inline std::string TexteDeGrille(const GrilleChiffres &g) {
    std::string s(81, '.');
    for (int i = 0; i < 81; ++i)
        if (Chiffre d = g(i % 9 + 1, i / 9 + 1)) s[std::size_t(i)] = char('0' + d);
    return s;
}

inline std::vector<GrilleChiffres> LireGrilles(const std::string &chemin) {
    std::vector<GrilleChiffres> v;
    std::ifstream f(chemin);
    std::string ligne;
    while (std::getline(f, ligne))
        if (ligne.size() >= 81) v.push_back(GrilleDeTexte(ligne));
    return v;
}

// True when the completion keeps every digit of the grid and is itself a valid full grid.
inline bool Complete(const GrilleChiffres &grille, const GrilleChiffres &completion) {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (grille(c, r) != 0 && grille(c, r) != completion(c, r)) return false;
    return GrilleValide(completion);
}

} // namespace lumio::test
