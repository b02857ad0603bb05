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
};

} // namespace lumio
