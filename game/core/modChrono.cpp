// The game clock: its tick, its format and the pause.
#include "Jeu.h"

namespace lumio {

std::string FormaterTemps(long long secondes) {
    const long long m = secondes / 60, s = secondes % 60;
    return std::to_string(m) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

// TODO(play): tick, pause and minimising.
void Jeu::tmrSecondes_Timer() {
    SecondesEcoulees += 1;
    fenetre.DefinirLibelle(3, FormaterTemps(SecondesEcoulees));
}
void Jeu::SPause() {}
void Jeu::Form_Resize(bool) {}

} // namespace lumio
