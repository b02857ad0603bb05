// What the saved-game tests share: the known game of the files in tests/data, and byte helpers.
#pragma once

#include "FichierPartie.h"
#include "Grille.h"
#include "Jeu.h"

#include <QByteArray>
#include <QStringList>
#include <QString>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lumio::test {

using Octets = std::vector<std::uint8_t>;

// The known game, rows top to bottom (the same as the script that made the files).
inline const char *const LignesSolution[9] = {"123456789", "456789123", "789123456", "234567891", "567891234",
                                              "891234567", "345678912", "678912345", "912345678"};
inline const char *const LignesDonnees[9] = {"x..x..x..", ".x..x..x.", "..x..x..x", "x...x...x", ".x.x.x.x.",
                                             "x...x...x", "x..x..x..", ".x..x..x.", "..x..x..x"};
// Player digits, (column, row); those of (1, 2) and (5, 7) are wrong (their solutions are 4 and 7).
inline const std::map<std::pair<int, int>, int> ChiffresJoueur = {
    {{2, 1}, 2}, {{1, 2}, 9}, {{1, 5}, 5}, {{5, 7}, 1}};

inline GrilleChiffres SolutionConnue() {
    GrilleChiffres g;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            g(c, r) = Chiffre(LignesSolution[r - 1][c - 1] - '0');
    return g;
}

inline GrilleBooleens DonneesConnues() {
    GrilleBooleens g;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            g(c, r) = LignesDonnees[r - 1][c - 1] == 'x';
    return g;
}

// The creation grid of the files: the givens of the known game, typed.
inline GrilleChiffres TapeConnu() {
    GrilleChiffres g;
    const GrilleChiffres s = SolutionConnue();
    const GrilleBooleens d = DonneesConnues();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            g(c, r) = d(c, r) ? s(c, r) : 0;
    return g;
}

// The board as saved: givens and player digits.
inline GrilleChiffres MontreConnu() {
    GrilleChiffres g = TapeConnu();
    for (const auto &[cr, v] : ChiffresJoueur)
        g(cr.first, cr.second) = Chiffre(v);
    return g;
}

// The known play game, as the game holds it after 754 seconds at level 3.
inline void MettreJeuConnu(Jeu &j) {
    j.ModeJeu = ModeJouer;
    j.SecondesEcoulees = 754;
    j.NiveauPartie = 3;
    j.GrilleSolution = SolutionConnue();
    j.CasesDonnees = DonneesConnues();
    j.GrilleJeu = MontreConnu();
}

// The known creation grid after the solver filled it; the solution shows.
inline void MettreCreationResolue(Jeu &j) {
    j.ModeJeu = ModeCreation;
    j.SecondesEcoulees = 61;
    j.NiveauPartie = 2;
    j.GrilleCreationInitiale = TapeConnu();
    j.GrilleCreation = SolutionConnue();
    j.FlagSol = true;
}

inline Octets LireDonnees(const std::string &nom) {
    std::ifstream f(std::string(LUMIO_TEST_DATA) + "/" + nom, std::ios::binary);
    return Octets(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline Octets VersOctets(const QByteArray &a) {
    return Octets(a.begin(), a.end());
}
inline QByteArray VersTableau(const Octets &o) {
    return QByteArray(reinterpret_cast<const char *>(o.data()), qsizetype(o.size()));
}

// "08 00 02 00 20 31" -> those bytes.
inline Octets Hexa(const QString &texte) {
    Octets o;
    for (const QString &h : texte.split(' ', Qt::SkipEmptyParts))
        o.push_back(std::uint8_t(h.toUInt(nullptr, 16)));
    return o;
}

// Record n (from 1) of a buffer, 15 bytes, zeros past its end.
inline Octets Enregistrement(const Octets &o, int n) {
    Octets e(TailleEnregistrement, 0);
    const std::size_t d = std::size_t(n - 1) * TailleEnregistrement;
    for (std::size_t k = 0; k < TailleEnregistrement && d + k < o.size(); ++k)
        e[k] = o[d + k];
    return e;
}

// Replaces record n by the given bytes, the rest of the record zero.
inline Octets Remplacer(Octets o, int n, const QString &hexa) {
    Octets e = Hexa(hexa);
    e.resize(TailleEnregistrement, 0);
    const std::size_t d = std::size_t(n - 1) * TailleEnregistrement;
    if (o.size() < d + TailleEnregistrement) o.resize(d + TailleEnregistrement, 0);
    std::copy(e.begin(), e.end(), o.begin() + std::ptrdiff_t(d));
    return o;
}

inline Octets Couper(Octets o, std::size_t taille) {
    if (o.size() > taille) o.resize(taille);
    return o;
}

inline std::size_t DebutEnregistrement(int n) {
    return std::size_t(n - 1) * TailleEnregistrement;
}
// The first record of cell n (1..81), and record k (0, 1, 2) of cell (c, r), counted from 1.
inline int EnregistrementDeCase(int n) {
    return 11 + 3 * (n - 1);
}
inline int EnregistrementDeCase(int c, int r, int k) {
    return EnregistrementDeCase(9 * (c - 1) + r) + k;
}

} // namespace lumio::test
