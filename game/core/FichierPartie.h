// The saved-game file (.sdk) over a byte buffer: 254 records of 15 bytes, written and read back.
#pragma once

#include "Grille.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumio {

class Jeu;

constexpr std::size_t TailleEnregistrement = 15;
constexpr int NombreEnregistrements = 254;
constexpr int EnregistrementFin = 254;
constexpr int PremierEnregistrementCase = 11;

// A saved game read in full and checked, waiting to be put on the board. Nothing in it can make
// the game misbehave: the mode is 1 or 2, every digit is in range, and in play mode the
// solution grid is valid and the givens agree with it.
struct PartieLue {
    int ModeJeu = 0; // 1 play mode, 2 creation mode
    std::int32_t SecondesEcoulees = 0;
    int NiveauPartie = 0; // 1..4 in play mode, 0 in creation mode

    // Play mode.
    GrilleChiffres GrilleSolution;
    GrilleBooleens CasesDonnees;
    GrilleChiffres GrilleJeu; // the digits shown on the board, 0 for an empty cell

    // Creation mode: the typed grid; cells past the end of a short file stay 0.
    GrilleChiffres GrilleCreation;

    int NombreCases = 0; // cells the file held before its end
};

// What reading a buffer gives: the game, or the reason (in French, one sentence) it was refused.
struct LecturePartie {
    std::optional<PartieLue> partie;
    std::string raison;

    explicit operator bool() const { return partie.has_value(); }
};

// What the player is told when a file cannot be opened; the reason of the refusal follows it.
inline const std::string MessageFichierInvalide = "Ce fichier n'est pas une partie de Sudoku valide.";

// The file of the game in progress, all 254 records (3810 bytes).
std::vector<std::uint8_t> EcrirePartie(const Jeu &jeu);

// Reads and checks a whole file. Never reads outside the buffer; any byte content is safe.
LecturePartie LirePartie(const std::vector<std::uint8_t> &octets);

// Opens the game a file holds: reads it in full and puts it on the board only when it is sound.
// Returns "" when the game was opened, otherwise the reason of the refusal, the game untouched.
std::string OuvrirPartie(Jeu &jeu, const std::vector<std::uint8_t> &octets);

} // namespace lumio
