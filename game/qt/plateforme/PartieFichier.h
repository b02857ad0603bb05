// A saved game opened from its file: the bytes of a regular file, put on the board when sound.
#pragma once

#include "FichierPartie.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace lumio {

// Opens the game the file `chemin` (its name as the system spells it) holds. Returns nothing
// when the game is on the board, otherwise why not, the game untouched.
std::optional<RefusPartie> OuvrirPartieFichier(Jeu &jeu, const QByteArray &chemin);

// "Impossible d'ouvrir la partie « jeu.sdk » : le fichier est vide." for the player.
std::string TexteEchecOuverture(const QByteArray &chemin, const RefusPartie &refus);

// The same, with the exact cause on the error stream first, for a command with no window.
void SignalerEchecOuverture(const QByteArray &chemin, const RefusPartie &refus);

} // namespace lumio
