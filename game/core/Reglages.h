// The settings the game keeps in its store: each key with the text it holds until first written.
#pragma once

#include <string>

namespace lumio {

struct Reglage {
    std::string cle;
    std::string defaut;
};

// Mode at start-up, "1" play, "2" creation.
inline const Reglage ReglageMode{"TMD", "1"};
// Level of new games, "1" .. "4".
inline const Reglage ReglageNiveau{"CP", "1"};
// Written with the level's value, never read.
inline const Reglage ReglageNiveauCopie{"JMD", "1"};
// Colour theme, "0" .. "5".
inline const Reglage ReglageTheme{"CC", "3"};
// Wrong digits shown in red at once.
inline const Reglage ReglageVerification{"VF", "0"};
// Nine copies of a digit at most.
inline const Reglage ReglageLimite{"CDE", "1"};
// Sound effects.
inline const Reglage ReglageSons{"JLS", "1"};
// The player's name.
inline const Reglage ReglageJoueur{"NJ", "Pilou"};

// Whether a key kept as "1" or "0" (sounds, check, digit limit) is on until first written.
inline bool ActifParDefaut(const Reglage &r) {
    return r.defaut == "1";
}

// The best time of level n (1..4) in whole seconds, "5999" for none, and who holds it.
constexpr int SecondesSansRecord = 5999;
inline const std::string TempsSansRecord = std::to_string(SecondesSansRecord);
inline Reglage ReglageTempsRecord(int n) {
    return {std::to_string(n) + "Tp", TempsSansRecord};
}
inline Reglage ReglageNomRecord(int n) {
    return {std::to_string(n) + "NJT", "Ordinateur"};
}

} // namespace lumio
