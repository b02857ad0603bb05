// The two new-game operations, their dispatch and the mode switch.
#include "Jeu.h"

#include "Annonces.h"
#include "modCreation.h"

namespace lumio {

void Jeu::MontrerPaletteInitiale() {
    ChiffreChoisi = 1;
    fenetre.MontrerImagePalette(1, 1 + 9);
    for (int i = 2; i <= 9; ++i)
        fenetre.MontrerImagePalette(i, i);
}

void Jeu::RedessinerCadreCurseur() {
    // Before any game (a file opened at start-up) the cursor stands nowhere: it takes the centre.
    int c = 0, r = 0;
    CaseCurseur(c, r);
    if (c < 1 || c > 9 || r < 1 || r > 9)
        PlacerCurseurCentre();
    else
        DessinerCadre(c, r);
}

void Jeu::PlacerCurseurCentre() {
    Xcur = float(OrigineCalculeeX() + 180);
    Ycur = float(OrigineCalculeeY() + 180);
    DessinerCadre(5, 5);
}

void Jeu::NouvellePartieJeu() {
    JouerSon("Accueil");
    fenetre.MontrerLibelle(3, true);
    fenetre.MontrerLibelle(2, true);
    fenetre.ActiverChrono(false);
    fenetre.DefinirLibelle(3, "0:00");
    if (Niveau >= 1 && Niveau <= 4) fenetre.DefinirLibelle(2, NomNiveau(Niveau));

    BOUTONSOLUTION = false;
    SecondesEcoulees = 0;
    NiveauPartie = Niveau;
    ModeJeu = ModeJouer;
    NbChiffre.Effacer();
    GrilleJeu.Effacer();
    MontrerPaletteInitiale();

    GenererGrille(hasard, GrilleSolution, CasesDonnees, 0, Niveau);
    DessinerGrille();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (CasesDonnees(c, r)) PlacerChiffre(GrilleSolution(c, r), GenreDonnee, c, r);
    PlacerCurseurCentre();
    fenetre.ActiverChrono(true);
    Annoncer(PhraseNouvellePartie(ModeJouer, Niveau));
}

void Jeu::NouvellePartieCreation() {
    NbChiffre.Effacer();
    GrilleCreation.Effacer();
    // No solution is shown on a fresh grid; a flag left from an older solve would make a later
    // save or print use that older grid.
    FlagSol = false;
    fenetre.ActiverChrono(false);
    fenetre.MontrerLibelle(3, false);
    fenetre.MontrerLibelle(2, false);
    MontrerPaletteInitiale();
    DessinerGrille();
    PlacerCurseurCentre();
    Annoncer(PhraseNouvellePartie(ModeCreation, 0));
}

void Jeu::mnuJeuNouveau_Click() {
    if (RechercheEnCours) return;
    if (ModeJeu == ModeCreation)
        NouvellePartieCreation();
    else
        NouvellePartieJeu();
}

void Jeu::mnuModeChoix(int index) {
    if (RechercheEnCours || (index != ModeJouer && index != ModeCreation)) return;
    reglages.Ecrire(ReglageMode, std::to_string(index));
    reglages.Confirmer();
    ModeJeu = index;
    if (fenetre.ModeCoche(ModeJouer) && index == ModeCreation) NouvellePartieCreation();
    if (fenetre.ModeCoche(ModeCreation) && index == ModeJouer) NouvellePartieJeu();
    MontrerMode(index == ModeCreation);
}

void Jeu::MontrerMode(bool creation) {
    fenetre.DefinirLibelle(1, creation ? "Mode création" : "Mode Jeu");
    fenetre.CocherMode(ModeJouer, !creation);
    fenetre.CocherMode(ModeCreation, creation);
}

void Jeu::MontrerLibellesPartie(bool jeu) {
    fenetre.MontrerLibelle(2, jeu);
    fenetre.MontrerLibelle(3, jeu);
    fenetre.DefinirLibelle(3, FormaterTemps(SecondesEcoulees));
    if (jeu && NiveauPartie >= 1 && NiveauPartie <= 4) fenetre.DefinirLibelle(2, NomNiveau(NiveauPartie));
}

} // namespace lumio
