// Solving grids given as lines of text, for the command line: one grid in, one completion out.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

namespace lumio {

// The longest line read whole; a longer one is malformed, and skipped without being kept.
constexpr std::size_t LongueurMaxLigne = 512;

// Solves every grid line of entree and writes one answer line per grid to sortie; malformed
// lines are reported on erreurs with their number and skipped. Returns 0 when every line was a
// grid, 1 otherwise.
int ResoudreFlux(std::istream &entree, std::ostream &sortie, std::ostream &erreurs);

// The same on a file, "-" being entree. Returns 2, with the reason on erreurs, when the file
// cannot be read to its end (a folder, a read error, no memory left) or the answers cannot be
// written.
int ResoudreFichier(const std::string &chemin, std::istream &entree, std::ostream &sortie,
                    std::ostream &erreurs);

} // namespace lumio
