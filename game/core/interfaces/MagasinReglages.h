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
    // Makes sure that every text written so far is kept for the next run, in one write: "" when
    // it is, otherwise why not, one French sentence. Each action that writes calls it once.
    virtual std::string Confirmer() { return {}; }

    // Other programs may share the store. While it is held (false: it could not be had in time,
    // and the caller goes on all the same), none of them writes; Relire takes in what they wrote.
    virtual bool Verrouiller() { return true; }
    virtual void Deverrouiller() {}
    virtual void Relire() {}

    // The same for one of the game's settings, its default being the declared one.
    std::string Lire(const Reglage &r) { return Lire(r.cle, r.defaut); }
    void Ecrire(const Reglage &r, const std::string &texte) { Ecrire(r.cle, texte); }
};

// Holds the store for a read-compare-write, with what other programs wrote taken in first.
class VerrouReglages {
  public:
    explicit VerrouReglages(MagasinReglages &m) : m_(m), tenu_(m.Verrouiller()) { m_.Relire(); }
    ~VerrouReglages() {
        if (tenu_) m_.Deverrouiller();
    }
    VerrouReglages(const VerrouReglages &) = delete;
    VerrouReglages &operator=(const VerrouReglages &) = delete;

  private:
    MagasinReglages &m_;
    bool tenu_;
};

} // namespace lumio
