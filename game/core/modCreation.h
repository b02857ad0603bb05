// The 32 template puzzles and the generator that disguises them with random symmetries.
#pragma once

#include "Grille.h"
#include "interfaces/SourceAleatoire.h"

#include <array>
#include <vector>

namespace lumio {

struct Modele {
    int niveau;           // 1..4
    const char *masque;   // 81 characters '1' given / '0' to find, column by column
    const char *solution; // 81 digits, column by column
};

// Templates 1..32 (index 0 is template 1); level L uses templates 8(L - 1) + 1 .. 8L.
const std::array<Modele, 32> &Modeles();

enum class Sens { Horizontal, Vertical }; // rows / bands, or columns / stacks

void ChoisirModele(SourceAleatoire &hasard, GrilleChiffres &solution, GrilleBooleens &donnees, int niveau);
void TransformerGrille(SourceAleatoire &hasard, GrilleChiffres &solution, GrilleBooleens &donnees);
void MelangerListe(SourceAleatoire &hasard, std::vector<int> &liste);
void EchangerLignes(GrilleChiffres &solution, GrilleBooleens &donnees, Sens sens, int a, int b);
void EchangerBandes(GrilleChiffres &solution, GrilleBooleens &donnees, Sens sens, int p, int q);
void RenumeroterChiffres(const std::vector<int> &permutation, GrilleChiffres &solution);

// A new puzzle of a level (1..4); level 0 stands for `niveauCourant`. A level outside 1..4
// falls back to level 1, so a damaged setting can never reach the template table.
void GenererGrille(SourceAleatoire &hasard, GrilleChiffres &solution, GrilleBooleens &donnees, int niveau,
                   int niveauCourant);

} // namespace lumio
