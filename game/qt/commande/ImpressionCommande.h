// Printing without a window: a batch of new grids, or the current grid, straight to a PDF file.
#pragma once

namespace lumio {

// What `--help` says about the two print commands.
extern const char *const AideImpression;

// Runs `--imprimer-grilles` or `--imprimer` when the command line names one, and sets `traite`;
// returns the exit code (0, or 1 after a French message on the error stream).
int ImprimerSansFenetre(int argc, char *argv[], bool &traite);

} // namespace lumio
