// Interrupted games for the recovery tests: every field away from its default, valid as a whole.
#pragma once

#include "Reprise.h"

#include <string>

namespace lumio::test {

// A play-mode game at level 3 after 754 s: givens, right and wrong player digits (one marked by
// "Vérifier"), pencil marks, a moved cursor, and creation grids left from an earlier grid.
inline EtatReprise EtatJeu() {
    EtatReprise e;
    e.ModeJeu = 1;
    e.NiveauPartie = 3;
    e.SecondesEcoulees = 754;
    e.ChiffreChoisi = 7;
    e.Xcur = 123.5f;
    e.Ycur = 301.25f;
    e.CURX = 124;
    e.CURY = 302;
    e.ChronoEnMarche = true;
    e.Pause = true; // a game started while paused runs its clock under a checked "&Pause"
    e.BOUTONSOLUTION = true;
    e.FlagSol = true;
    e.SolutionTrouvee = true;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            const int s = ((r - 1) * 3 + (r - 1) / 3 + (c - 1)) % 9 + 1;
            e.GrilleSolution(c, r) = Chiffre(s);
            e.CasesDonnees(c, r) = (c + r) % 3 == 0;
            if (e.CasesDonnees(c, r)) {
                e.GrilleJeu(c, r) = Chiffre(s);
                e.Affichage(c, r) = {Chiffre(s), GenreDonnee, 0, false};
            }
            e.GrilleCreation(c, r) = Chiffre((c * r) % 10);
            e.GrilleCreationInitiale(c, r) = Chiffre((c + 2 * r) % 10);
        }
    const auto joueur = [&e](int c, int r, int d, int genre, bool marque) {
        e.GrilleJeu(c, r) = Chiffre(d);
        e.Affichage(c, r) = {Chiffre(d), genre, 0, marque};
    };
    joueur(1, 1, 1, GenreJoueur, false); // right
    joueur(3, 1, 5, GenreFaux, false);   // wrong, red at once
    joueur(4, 1, 9, GenreFaux, true);    // wrong, marked by "Vérifier"
    joueur(5, 2, 6, GenreJoueur, false); // wrong, not shown as such
    e.Affichage(3, 4).crayons = (1u << 2) | (1u << 5) | (1u << 9);
    e.Affichage(7, 7).crayons = 1u << 1;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (e.GrilleJeu(c, r) != 0) e.NbChiffre(e.GrilleJeu(c, r)) += 1;
    return e;
}

// A creation grid typed before any play-mode game (no solution yet), the clock stopped.
inline EtatReprise EtatCreation() {
    EtatReprise e;
    e.ModeJeu = 2;
    e.NiveauPartie = 0;
    e.SecondesEcoulees = 12;
    e.ChiffreChoisi = 4;
    e.Xcur = 230;
    e.Ycur = 206;
    e.GrilleCreation(1, 1) = 5;
    e.GrilleCreation(9, 9) = 3;
    e.Affichage(1, 1) = {5, GenreDonnee, 0, false};
    e.Affichage(9, 9) = {3, GenreDonnee, 0, false};
    return e;
}

} // namespace lumio::test
