// What the game says to a player who listens instead of looking: the result of each action in a
// French sentence built from the game's state. The board itself only shows it.
#pragma once

#include "Affichage.h"

#include <array>
#include <string>
#include <utility>

namespace lumio {

class Jeu;

// What a key at the cursor tried to do.
enum class Geste { Chiffre, Crayon, Effacer };

// A duration as it is said: "45 secondes", "1 minute", "3 minutes 25 secondes".
std::string DureeEnMots(long long secondes);

// The result of gesture `g` carrying digit `d` (none for erasing) at the cursor cell, shown as
// `avant` before and `apres` after; `refus` says why the gesture was refused, "" when it was not.
// "5 placé.", "3 effacé, 5 placé, faux.", "Crayon 4 écrit.", "Refusé : case donnée." ...
std::string PhraseGeste(Geste g, int d, const std::string &refus, const CaseAffichee &avant,
                        const CaseAffichee &apres);

// The reasons for a refusal, as PhraseGeste takes them.
std::string RefusDonnee();
std::string RefusOccupee();
std::string RefusEpuise(int d);
std::string RefusCrayonCreation();

// "Indice : 7 en ligne 3, colonne 5."; (0, 0) when no cell was left to reveal.
std::string PhraseIndice(int c, int r, int d);

// The player digits that differ from the solution, by place in reading order; "" when there is
// none. "2 chiffres faux : ligne 3, colonne 5 ; ligne 7, colonne 1."
std::string PhraseChiffresFaux(const Jeu &j);

// The grid restarted, the solution shown, the clock paused or running again.
std::string PhraseRecommencee();
std::string PhraseSolution();
std::string PhrasePause(bool enPause);

// The time of a finished game: "Temps : 3 minutes 25 secondes."
std::string PhraseTemps(long long secondes);

// "Nouvelle partie, niveau facile." in play mode, the fresh grid in creation mode.
std::string PhraseNouvellePartie(int modeJeu, int niveau);

// The current digit as the status tells it: "Chiffre choisi : 4", ", épuisé" when it is spent.
std::string PhraseChiffreChoisi(const Jeu &j);

// One record per level, facile first: its time in seconds (5999 for none) and its holder.
using MeilleursTemps = std::array<std::pair<long long, std::string>, 4>;
// "Facile : 2 minutes 5 secondes, Pilou. Moyen : aucun temps. ..."
std::string PhraseMeilleursTemps(const MeilleursTemps &records);

// "Sudoku-Lumio, version 3.3."
std::string PhraseAPropos(const std::string &version);

} // namespace lumio
