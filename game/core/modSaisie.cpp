// Mouse, keyboard, palette and drag-and-drop input, and the cursor.
#include "Jeu.h"

#include "Annonces.h"
#include "Conversions.h"

#include <cmath>

namespace lumio {

bool Jeu::CaseAuPoint(double x, double y, int &c, int &r) const {
    const double cx = std::floor((x - OrigineCalculeeX()) / TailleCase) + 1;
    const double cy = std::floor((y - OrigineCalculeeY()) / TailleCase) + 1;
    if (cx < 1 || cx > 9 || cy < 1 || cy > 9) return false;
    c = int(cx);
    r = int(cy);
    return true;
}

void Jeu::CaseCurseur(int &c, int &r) const {
    c = int(std::floor((Xcur - OrigineCalculeeX()) / TailleCase)) + 1;
    r = int(std::floor((Ycur - OrigineCalculeeY()) / TailleCase)) + 1;
}

void Jeu::PlacerAuPoint(int bouton, double x, double y) {
    int c = 0, r = 0;
    if (RechercheEnCours || !CaseAuPoint(x, y, c, r)) return;
    if (ModeJeu == ModeCreation)
        PlacerChiffreCreation(ChiffreChoisi, GenreDonnee, c, r);
    else
        PlacerChiffre(ChiffreChoisi, bouton == BoutonDroit ? GenreCrayon : GenreJoueur, c, r);
}

void Jeu::EffacerAuPoint(double x, double y) {
    int c = 0, r = 0;
    if (RechercheEnCours || !CaseAuPoint(x, y, c, r)) return;
    if (ModeJeu == ModeCreation)
        EffacerChiffreCreation(c, r);
    else
        EffacerChiffre(c, r);
}

void Jeu::Form_MouseDown(int bouton, double x, double y) {
    if (fenetre.PauseCochee()) SPause();
    int c = 0, r = 0, cc = 0, rc = 0;
    CaseCurseur(cc, rc);
    if (CaseAuPoint(x, y, c, r) && c == cc && r == rc) PlacerAuPoint(bouton, x, y);
    CURX = std::int16_t(ArrondiPair(x));
    CURY = std::int16_t(ArrondiPair(y));
}

void Jeu::Form_Click() {
    int c = 0, r = 0;
    if (!CaseAuPoint(CURX, CURY, c, r)) return;
    int c0 = 0, r0 = 0;
    CaseCurseur(c0, r0);
    Xcur = CURX;
    Ycur = CURY;
    RedessinerCurseur(c0, r0, c, r);
}

void Jeu::Form_DblClick() {
    EffacerAuPoint(CURX, CURY);
}

void Jeu::Form_DragDrop(double x, double y) {
    if (fenetre.PauseCochee()) SPause();
    PlacerAuPoint(0, x, y);
}

void Jeu::Form_KeyDown(int keyCode) {
    if (fenetre.PauseCochee()) SPause();
    int c0 = 0, r0 = 0;
    CaseCurseur(c0, r0);
    // No cursor before the first game.
    if (c0 < 1 || c0 > 9 || r0 < 1 || r0 > 9) return;
    const CaseAffichee avant = Affichage(c0, r0);
    const bool donnee = ModeJeu != ModeCreation && CasesDonnees(c0, r0);
    int c = c0, r = r0;
    switch (keyCode) {
    case ToucheGauche:
        if (c == 1) return;
        --c;
        break;
    case ToucheHaut:
        if (r == 1) return;
        --r;
        break;
    case ToucheDroite:
        if (c == 9) return;
        ++c;
        break;
    case ToucheBas:
        if (r == 9) return;
        ++r;
        break;
    case ToucheEspace:
    case ToucheSuppr:
        EffacerAuPoint(Xcur, Ycur);
        if (!RechercheEnCours)
            Annoncer(PhraseGeste(Geste::Effacer, 0, donnee ? RefusDonnee() : "", avant, Affichage(c, r)));
        break;
    default:
        break;
    }
    // The bottom-right pixel inside the cell.
    Xcur = float(OrigineCalculeeX() + TailleCase * c - 1);
    Ycur = float(OrigineCalculeeY() + TailleCase * r - 1);
    RedessinerCurseur(c0, r0, c, r);

    if (keyCode >= TouchePave1 && keyCode <= TouchePave9 && !RechercheEnCours) {
        const int d = keyCode - (TouchePave1 - 1);
        EffacerAuPoint(Xcur, Ycur);
        imgChiffre_Click(d);
        PlacerAuPoint(BoutonGauche, Xcur, Ycur);
        const std::string refus = donnee ? RefusDonnee() : ChiffreChoisi != d ? RefusEpuise(d) : "";
        Annoncer(PhraseGeste(Geste::Chiffre, d, refus, avant, Affichage(c, r)));
    }
    if (keyCode >= ToucheCrayon1 && keyCode <= ToucheCrayon9 && !RechercheEnCours) {
        const int d = keyCode - (ToucheCrayon1 - 1);
        const std::string refus = BasculerCrayon(d, c, r);
        Annoncer(PhraseGeste(Geste::Crayon, d, refus, avant, Affichage(c, r)));
    }
}

} // namespace lumio
