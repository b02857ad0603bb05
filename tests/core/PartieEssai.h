// A game laid out by hand for the rule tests: a known solution, chosen givens, nothing random.
#pragma once

#include "Factices.h"
#include "Jeu.h"

#include <functional>
#include <string>
#include <vector>

namespace lumio::test {

// A solved grid: each row is the one above shifted by three, each band shifted by one more.
inline int Solution(int c, int r) {
    return ((r - 1) * 3 + (r - 1) / 3 + (c - 1)) % 9 + 1;
}

// The pixel at the middle of a cell of the board drawn at the design size.
inline double CentreX(int c) {
    return 50 + 45 * (c - 1) + 22;
}
inline double CentreY(int r) {
    return 26 + 45 * (r - 1) + 22;
}

struct Partie {
    Monde m;
    Jeu jeu{m.surface, m.fenetre, m.reglages, m.sons, m.hasard};

    explicit Partie(const std::function<bool(int, int)> &donnee = [](int, int) { return false; }) {
        jeu.ModeJeu = 1;
        jeu.Niveau = jeu.NiveauPartie = 1;
        jeu.LimiterChiffres = true;
        jeu.FLAGJOUERLESSONS = true;
        jeu.NJOUEUR = "Pilou";
        jeu.OrigineX = 50;
        jeu.OrigineY = 26;
        m.fenetre.DefinirLibelle(2, "Facile");
        jeu.ChoisirChiffre(1);
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                jeu.GrilleSolution(c, r) = Chiffre(Solution(c, r));
                jeu.CasesDonnees(c, r) = donnee(c, r);
                if (donnee(c, r)) Poser(c, r, Solution(c, r));
            }
        jeu.Xcur = float(50 + 180);
        jeu.Ycur = float(26 + 180);
        m.fenetre.ActiverChrono(true);
        Oublier();
    }

    // A digit put straight into the state, as a saved game would leave it, without drawing.
    void Poser(int c, int r, int d) {
        jeu.GrilleJeu(c, r) = Chiffre(d);
        if (++jeu.NbChiffre(d) == 9) m.fenetre.palette[d] = 0;
    }

    // Fills every empty cell with its solution digit except the listed ones.
    void RemplirSauf(const std::vector<std::pair<int, int>> &vides) {
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                bool laisser = jeu.GrilleJeu(c, r) != 0;
                for (auto [vc, vr] : vides)
                    laisser = laisser || (vc == c && vr == r);
                if (!laisser) Poser(c, r, Solution(c, r));
            }
    }

    void Oublier() {
        m.surface.appels.clear();
        m.sons.joues.clear();
        m.fenetre.messages.clear();
        m.fenetre.saisies.clear();
        m.reglages.ecritures.clear();
        m.fenetre.focusCoupN = 0;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> v;
        for (auto &msg : m.fenetre.messages)
            v.push_back(msg.texte);
        return v;
    }
};

} // namespace lumio::test
