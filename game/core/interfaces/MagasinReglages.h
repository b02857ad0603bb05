// The per-user settings store: texts under application "Darvel", section "K-Ruon".
#pragma once

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
};

} // namespace lumio
