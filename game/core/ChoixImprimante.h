// Printing: the printer choice, the page of the current grid and the batches of new grids.
#pragma once

#include "Grille.h"
#include "interfaces/SourceAleatoire.h"
#include "interfaces/Surface.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lumio {

class Jeu;

// A batch holds at most this many grids.
constexpr int LotMaximum = 99;

// The batch tables: the grid being generated, then every grid of the batch, kept for its
// solution page. The game in progress is never used for a batch.
struct LotGrilles {
    GrilleChiffres SolutionTravail;
    GrilleBooleens DonneesTravail;
    std::array<GrilleChiffres, LotMaximum> Solutions;
    std::array<GrilleBooleens, LotMaximum> Donnees;
};

// What one printed cell shows: a digit (0 leaves the cell blank) and its weight.
struct CaseImprimee {
    Chiffre chiffre = 0;
    bool gras = false;
    bool operator==(const CaseImprimee &o) const { return chiffre == o.chiffre && gras == o.gras; }
};
using GrilleImprimee = Grille9<CaseImprimee>;

// The printed font: the device's own face, 16 points.
constexpr double TaillePoliceImpression = 16;

// The level name of the batch titles, lower case; "" for any other level.
std::string NomNiveauTitre(int niveau);

// The batch level a stored level setting selects: 1..4 for exactly "1" .. "4", 0 (none) otherwise.
int NiveauDuReglage(const std::string &cp);

// How many grids a count prints: its whole part, 0 below 1, and -1 above 99, which the batch
// tables cannot hold and which is refused before anything is generated.
int NombreDeGrilles(double nombre);

// The installed printer for a device name from the print dialog: the first whose name contains
// that name cut to the 31 characters of the old device field; nothing when none does.
std::optional<std::string> ImprimanteChoisie(const std::string &nom,
                                             const std::vector<std::string> &installees);

// What each cell of the current grid shows on paper, by mode and print option.
GrilleImprimee GrilleCourante(const Jeu &jeu);

// The page of one grid. False when the job failed; it is then abandoned.
bool ComposerGrille(Surface &page, const GrilleImprimee &grille);

// A batch of `nombre` (0..99) new grids of a level (0: `niveauCourant`), two to a page, then
// their solutions when asked. False when the job failed or the count is out of range.
bool ComposerLot(Surface &page, SourceAleatoire &hasard, LotGrilles &lot, int nombre, int niveau,
                 int niveauCourant, bool avecSolutions);

} // namespace lumio
