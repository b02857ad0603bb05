// The game left running when the program was stopped: its whole state as a small text file,
// read back and put on the board exactly as it was.
#pragma once

#include "Affichage.h"
#include "Grille.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumio {

class Jeu;

// Everything the player sees of a game and everything the next move depends on. The settings
// (level of new games, options, theme, name) are not part of it: they are in the store.
struct EtatReprise {
    int ModeJeu = ModeJouer;
    int NiveauPartie = 1;
    std::int32_t SecondesEcoulees = 0;
    Chiffre ChiffreChoisi = 1;
    float Xcur = 0, Ycur = 0;        // the cursor
    std::int16_t CURX = 0, CURY = 0; // the last press on the board
    bool ChronoEnMarche = false;     // the clock ran (a minimised window stopped it only for a while)
    bool Pause = false;              // "&Pause" is checked
    bool BOUTONSOLUTION = false;
    bool FlagSol = false;
    bool SolutionTrouvee = false;
    GrilleChiffres GrilleSolution;
    GrilleBooleens CasesDonnees;
    GrilleChiffres GrilleJeu;
    CompteChiffres NbChiffre;
    GrilleChiffres GrilleCreation;
    GrilleChiffres GrilleCreationInitiale;
    GrilleAffichee Affichage; // how each cell is drawn: digit and its look, pencil marks

    bool operator==(const EtatReprise &o) const;
    bool operator!=(const EtatReprise &o) const { return !(*this == o); }
};

// The state of the game on the board now.
EtatReprise EtatActuel(const Jeu &jeu);

// Whether a game is worth offering again: something the player put on it (a digit, a pencil
// mark, a typed grid), and not a won game.
bool RepriseUtile(const EtatReprise &etat);
// The same of the game on the board now.
bool RepriseUtile(const Jeu &jeu);

std::string EcrireReprise(const EtatReprise &etat);

// The state a recovery file holds, or nothing and, in `detail`, what is wrong with it (for the
// error stream). Any content is safe: nothing in a state it accepts can make the game misbehave.
std::optional<EtatReprise> LireReprise(const std::string &texte, std::string &detail);

// What the player chose at start-up.
enum class IssueReprise {
    Aucune,  // no game worth offering (or a damaged file): the usual first game follows
    Reprise, // the interrupted game is back on the board
    Refusee, // the player said no: the usual first game follows
};

// The question asked at start-up when the file `texte` holds a game worth going on with;
// `detail` says why a damaged file was not offered.
inline const std::string QuestionReprise = "Reprendre la partie interrompue ?";
IssueReprise ProposerReprise(Jeu &jeu, const std::string &texte, std::string &detail);

} // namespace lumio
