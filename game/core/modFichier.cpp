// Opening a saved game: puts a game already read and checked on the board, in either mode.
#include "FichierPartie.h"
#include "Jeu.h"

namespace lumio {

std::optional<RefusPartie> OuvrirPartie(Jeu &jeu, const std::vector<std::uint8_t> &octets) {
    const LecturePartie lue = LirePartie(octets);
    if (!lue) return RefusPartie{lue.raison, lue.detail};
    jeu.AppliquerPartie(*lue.partie);
    return std::nullopt;
}

void Jeu::AppliquerPartie(const PartieLue &partie) {
    const DrapeauLeve chargement(ChargementEnCours);
    NbChiffre.Effacer();
    GrilleJeu.Effacer();
    GrilleCreation.Effacer();
    // A stale flag from an earlier solve would make the next save write that older grid.
    FlagSol = false;
    SecondesEcoulees = partie.SecondesEcoulees;

    // Only LirePartie makes a PartieLue from a file, and it lets no digit past 9; a hand-built
    // one must still not index the counts out of range.
    const auto place = [](int d) { return d >= 1 && d <= 9; };
    const bool jeu = partie.ModeJeu == ModeJouer;
    ModeJeu = jeu ? ModeJouer : ModeCreation;
    reglages.Ecrire(ReglageMode, std::to_string(ModeJeu));
    reglages.Confirmer();
    DessinerGrille();
    MontrerMode(!jeu);

    // The counts start again from zero, so the palette must too: an exhausted picture left by
    // the previous game would otherwise stay on a digit that is no longer used up.
    for (int i = 1; i <= 9; ++i)
        ActualiserImagePalette(i);

    if (jeu) {
        GrilleSolution = partie.GrilleSolution;
        CasesDonnees = partie.CasesDonnees;
        // Givens go first: with the digit limit on, a surplus of player copies saved while the
        // limit was off must not keep a given off the board.
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (CasesDonnees(c, r) && place(GrilleSolution(c, r)))
                    PlacerChiffre(GrilleSolution(c, r), GenreDonnee, c, r);
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                const int d = partie.GrilleJeu(c, r);
                if (CasesDonnees(c, r) || !place(d)) continue;
                const bool faux = d != GrilleSolution(c, r) && VerifImmediate;
                PlacerChiffre(d, faux ? GenreFaux : GenreJoueur, c, r);
            }
        NiveauPartie = partie.NiveauPartie;
        MontrerLibellesPartie(true);
    } else {
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (place(partie.GrilleCreation(c, r)))
                    PlacerChiffreCreation(partie.GrilleCreation(c, r), GenreDonnee, c, r);
        MontrerLibellesPartie(false);
        fenetre.ActiverChrono(false);
        NiveauPartie = 0;
    }
    BOUTONSOLUTION = false;
    if (jeu) {
        // A game saved complete stays finished: its clock does not run again.
        fenetre.ActiverChrono(!GrilleJeuComplete());
    }

    // Redrawing the board wiped the selection frame; the cursor itself has not moved.
    RedessinerCadreCurseur();
}

} // namespace lumio
