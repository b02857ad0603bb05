// Sudoku Lumio: the command line decides what runs, the game's window or a command without one.
#include "commande/LigneCommande.h"

#include <csignal>

int main(int argc, char *argv[]) {
    // Past the file-size limit a write fails with EFBIG and the game says so; the signal would
    // end the program and lose the game in progress.
    std::signal(SIGXFSZ, SIG_IGN);
    return lumio::ExecuterLigneCommande(argc, argv);
}
