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
    int ModeJeu = 0; // ModeJouer or ModeCreation
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

// Why a file was refused, said twice: `raison` in a few plain French words for the player (one
// of the texts below, which finish the sentence "Impossible d'ouvrir la partie « … » : "), and
// `detail`, exactly what is wrong and where, for the error stream.
struct RefusPartie {
    std::string raison;
    std::string detail;
};

inline const std::string RaisonVide = "le fichier est vide";
inline const std::string RaisonTronque = "le fichier est tronqué";
inline const std::string RaisonEtranger = "ce n'est pas une partie enregistrée par Sudoku Lumio";
inline const std::string RaisonValeur = "une case contient une valeur impossible";
inline const std::string RaisonIncoherente = "la grille enregistrée se contredit";
inline const std::string RaisonTemps = "le temps de jeu enregistré est impossible";
inline const std::string RaisonNiveau = "le niveau enregistré n'existe pas";

// What reading a buffer gives: the game, or why it was refused.
struct LecturePartie {
    std::optional<PartieLue> partie;
    std::string raison; // for the player, "" when the game was read
    std::string detail; // for the error stream

    explicit operator bool() const { return partie.has_value(); }
};

// The file of the game in progress, all 254 records (3810 bytes).
std::vector<std::uint8_t> EcrirePartie(const Jeu &jeu);

// Reads and checks a whole file. Never reads outside the buffer; any byte content is safe.
LecturePartie LirePartie(const std::vector<std::uint8_t> &octets);

// Opens the game a file holds: reads it in full and puts it on the board only when it is sound.
// Returns nothing when the game was opened, otherwise why it was refused, the game untouched.
std::optional<RefusPartie> OuvrirPartie(Jeu &jeu, const std::vector<std::uint8_t> &octets);

} // namespace lumio
