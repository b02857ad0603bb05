// What the options dialog holds while it is open, and which option a stored value selects.
#pragma once

#include "Reglages.h"

#include <string>

namespace lumio {

struct ChoixOptions {
    // Each is the text read from the store until the player clicks an option, then the index
    // of that option; "OK" writes whichever it holds.
    std::string ChoixDifficulte = ReglageNiveau.defaut;
    std::string TypeJeu = ReglageMode.defaut;
    std::string ChoixCouleur = ReglageTheme.defaut;
    bool Sons = ActifParDefaut(ReglageSons);         // Check1, "Actifs"
    bool Veri = ActifParDefaut(ReglageVerification); // red marking of wrong digits
    bool Limiter = ActifParDefaut(ReglageLimite);    // Check2, nine copies of a digit at most
    std::string NomJoueur = ReglageJoueur.defaut;
};

// The option a held value selects: level 1..4, mode 1..2, theme 0..5; 0 (-1 for a theme) when
// it selects none. Levels and modes are numbers read as at start-up; a theme is one of the
// texts "0" .. "5".
int OptionNiveau(const std::string &valeur);
int OptionMode(const std::string &valeur);
int OptionCouleur(const std::string &valeur);

} // namespace lumio
