// The game clock: its tick, its format and the pause.
#include "Jeu.h"

#include "Annonces.h"

#include <cstdint>

namespace lumio {

std::string FormaterTemps(long long secondes) {
    const long long m = secondes / 60, s = secondes % 60;
    return std::to_string(m) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

void Jeu::tmrSecondes_Timer() {
    // Some 68 years of play: the counter stops rather than wrap round.
    if (SecondesEcoulees < INT32_MAX) SecondesEcoulees += 1;
    fenetre.DefinirLibelle(3, FormaterTemps(SecondesEcoulees));
}

void Jeu::SPause() {
    // Resuming always starts the clock, even one a victory had stopped.
    const bool enPause = fenetre.PauseCochee();
    fenetre.ActiverChrono(enPause);
    fenetre.CocherPause(!enPause);
    Annoncer(PhrasePause(!enPause));
}

void Jeu::Form_Resize(bool minimise) {
    if (ModeJeu != ModeJouer) return;
    // Restoring starts again only a clock that minimising stopped: a won or paused game keeps
    // its clock still.
    if (minimise) {
        ChronoAvantReduction = fenetre.ChronoActif();
        fenetre.ActiverChrono(false);
    } else if (ChronoAvantReduction) {
        fenetre.ActiverChrono(true);
        ChronoAvantReduction = false;
    }
}

} // namespace lumio
