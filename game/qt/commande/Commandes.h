// What each command of the command line does, once its line is read (see LigneCommande.h).
#pragma once

namespace lumio {

struct AppelLigne;

// The window of the game, on a saved game when one is named.
int LancerJeu(const AppelLigne &appel, int &argc, char **argv);
// The main window's picture, never shown.
int Capturer(const AppelLigne &appel, int &argc, char **argv);
// Grids of a text file solved, no window.
int Resoudre(const AppelLigne &appel, int &argc, char **argv);
// A batch of new grids, or the grid of a game, written to a PDF, no window.
int ImprimerGrilles(const AppelLigne &appel, int &argc, char **argv);
int ImprimerGrille(const AppelLigne &appel, int &argc, char **argv);
int AfficherVersion(const AppelLigne &appel, int &argc, char **argv);
int AfficherAide(const AppelLigne &appel, int &argc, char **argv);

// A command without a window draws on the offscreen platform, whatever QT_QPA_PLATFORM asks: it
// needs no display, and starts faster than any other. Called before the application is made.
void SansAffichage();

} // namespace lumio
