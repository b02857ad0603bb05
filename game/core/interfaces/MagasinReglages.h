// The per-user settings store: texts under application "Darvel", section "K-Ruon".
#pragma once

#include "Reglages.h"

#include <string>

namespace lumio {

class MagasinReglages {
  public:
    virtual ~MagasinReglages() = default;
    // The stored text, or `defaut` when the key does not exist.
    virtual std::string Lire(const std::string &cle, const std::string &defaut) = 0;
    virtual void Ecrire(const std::string &cle, const std::string &texte) = 0;
    // Makes sure that every text written so far is kept for the next run: "" when it is,
    // otherwise why not, one French sentence.
    virtual std::string Confirmer() { return {}; }

    // The same for one of the game's settings, its default being the declared one.
    std::string Lire(const Reglage &r) { return Lire(r.cle, r.defaut); }
    void Ecrire(const Reglage &r, const std::string &texte) { Ecrire(r.cle, texte); }
};

} // namespace lumio
