// The creation grid's solver entry: runs the search on the typed grid and shows its outcome.
#include "CNoeud.h"
#include "Jeu.h"

namespace lumio {

void Jeu::ResoudreGrille() {
    const DrapeauLeve recherche(RechercheEnCours);
    GrilleChiffres solution;
    const IssueRecherche issue =
        Resoudre(GrilleCreation, solution, SolutionTrouvee, [this] { return fenetre.TraiterEvenements(); });
    switch (issue) {
    case IssueRecherche::Resolue:
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                PlacerChiffreCreation(solution(c, r), GenreJoueur, c, r);
        fenetre.BoiteMessage({"Sudoku résolu avec succés !", Boutons::Ok, Icone::Aucune});
        break;
    case IssueRecherche::SansSolution:
        fenetre.BoiteMessage({"Aucune solution possible!", Boutons::Ok, Icone::Critique});
        FlagSol = false;
        break;
    case IssueRecherche::Interrompue:
        // Nothing was written: the typed grid stays as it was.
        FlagSol = false;
        fenetre.BoiteMessage({"Recherche interrompue.", Boutons::Ok, Icone::Information});
        break;
    }
}

} // namespace lumio
