// The outside world of a command that shows nothing: a window, a board and a player of sounds
// that keep what they are told and show or play none of it.
#pragma once

#include "interfaces/Fenetre.h"
#include "interfaces/LecteurSons.h"
#include "interfaces/Surface.h"

#include <array>

namespace lumio {

// A board nobody sees: every drawing is dropped, and no text takes any room.
class SurfaceNulle : public Surface {
  public:
    void Remplir(double, double, double, double, Couleur) override {}
    void Encadrer(double, double, double, double, double, Couleur) override {}
    void Ligne(double, double, double, double, double, Couleur) override {}
    double LargeurTexte(const std::string &, const Police &) override { return 0; }
    double HauteurTexte(const std::string &, const Police &) override { return 0; }
    void Ecrire(double, double, const std::string &, const Police &, Couleur) override {}
    void Decouper(double, double, double, double) override {}
    void SansDecoupe() override {}
};

// A main window that is never shown: it keeps its labels, check marks and clock state, so the
// game behaves as with a real one, and answers every question as a player who declines would.
class FenetreNulle : public Fenetre {
  public:
    void Montrer() override {}
    TailleClient Taille() const override { return {}; }
    void MontrerImagePalette(int, int) override {}
    void DefinirLibelle(int n, const std::string &texte) override { libelles_.at(Libelle(n)) = texte; }
    std::string TexteLibelle(int n) const override { return libelles_.at(Libelle(n)); }
    void MontrerLibelle(int, bool) override {}
    void ActiverChrono(bool actif) override { chrono_ = actif; }
    bool ChronoActif() const override { return chrono_; }
    void CocherMode(int index, bool coche) override {
        if (index == 1 || index == 2) modes_[std::size_t(index - 1)] = coche;
    }
    bool ModeCoche(int index) const override {
        return (index == 1 || index == 2) && modes_[std::size_t(index - 1)];
    }
    void CocherPause(bool coche) override { pause_ = coche; }
    bool PauseCochee() const override { return pause_; }
    void DonnerFocusCoupN() override {}
    Reponse BoiteMessage(const Message &m) override {
        switch (m.boutons) {
        case Boutons::OkAnnuler:
            return Reponse::Annuler;
        case Boutons::OuiNon:
            return Reponse::Non;
        default:
            return Reponse::Ok;
        }
    }
    std::string BoiteSaisie(const std::string &, const std::string &, const std::string &, int, int,
                            const std::string &) override {
        return {};
    }
    void AfficherMeilleursTemps() override {}
    void AfficherOptions() override {}
    void AppliquerTheme(const Theme &) override {}
    Couleur CouleurFondSysteme() const override { return RGB(255, 255, 255); }

  private:
    static std::size_t Libelle(int n) { return n >= 1 && n <= 3 ? std::size_t(n - 1) : 0; }

    std::array<std::string, 3> libelles_;
    std::array<bool, 2> modes_{};
    bool chrono_ = false, pause_ = false;
};

// Nobody hears a command that only writes a file.
class SansSon : public LecteurSons {
  public:
    void Jouer(const std::string &) override {}
};

} // namespace lumio
