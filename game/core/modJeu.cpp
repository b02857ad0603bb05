// Play-mode operations: cell entry, restart, verification and victory, hints and solution,
// best times.
#include "Jeu.h"

namespace lumio {

void Jeu::PlacerChiffre(int d, int kind, int c, int r) {
    if (LimiterChiffres && NbChiffre(d) >= 9) return;
    if (GrilleJeu(c, r) != 0) return;
    int k = kind;
    if (k == GenreJoueur && VerifImmediate && GrilleSolution(c, r) != d) k = GenreFaux;
    if (k != GenreCrayon) {
        NbChiffre(d) += 1;
        if (NbChiffre(d) == 9 && LimiterChiffres) fenetre.MontrerImagePalette(d, 0);
        GrilleJeu(c, r) = Chiffre(d);
    }
    DessinerChiffre(d, k, c, r);
}

void Jeu::PlacerChiffreCreation(int d, int kind, int c, int r) {
    if (GrilleCreation(c, r) != 0) return;
    GrilleCreation(c, r) = Chiffre(d);
    DessinerChiffre(d, kind, c, r);
}

void Jeu::EffacerChiffreCreation(int c, int r) {
    GrilleCreation(c, r) = 0;
    EffacerCase(0, GenreJoueur, c, r);
}

// TODO(play): the rest of this file.
void Jeu::EffacerChiffre(int, int) {}
void Jeu::ChoisirChiffre(int) {}
void Jeu::mnuRecommencer_Click() {}
void Jeu::VerifierFin() {}
void Jeu::VerifierGrille() {}
void Jeu::VerifierCreation() {}
bool Jeu::ControleLigneOK(std::int16_t &) { return true; }
bool Jeu::ControleColonneOK(std::int16_t &) { return true; }
bool Jeu::ControleRegOK(std::int16_t &, std::int16_t &) { return true; }
void Jeu::CommandeVerifier() {}
void Jeu::DonnerIndice() {}
void Jeu::AfficherSolution() {}
void Jeu::CommandeIndice() {}
void Jeu::CommandeSolution() {}
std::int16_t Jeu::LireMeilleurTemps(int) { return 5999; }
void Jeu::EnregistrerMeilleurTemps(int, long long, const std::string &) {}
void Jeu::AfficherMeilleursTemps() {}

} // namespace lumio
