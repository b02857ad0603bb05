// Play-mode operations: cell entry, restart, verification and victory, hints and solution,
// best times.
#include "Jeu.h"

#include "Annonces.h"
#include "Conversions.h"

namespace lumio {

void Jeu::PlacerChiffre(int d, GenreChiffre genre, int c, int r) {
    if (LimiterChiffres && NbChiffre(d) >= 9) return;
    if (GrilleJeu(c, r) != 0) return;
    GenreChiffre k = genre;
    if (k == GenreJoueur && VerifImmediate && GrilleSolution(c, r) != d) k = GenreFaux;
    if (k != GenreCrayon) {
        AjouterAuCompte(d);
        GrilleJeu(c, r) = Chiffre(d);
    }
    DessinerChiffre(d, k, c, r);
}

void Jeu::PlacerChiffreCreation(int d, GenreChiffre genre, int c, int r) {
    if (GrilleCreation(c, r) != 0) return;
    GrilleCreation(c, r) = Chiffre(d);
    DessinerChiffre(d, genre, c, r);
}

void Jeu::EffacerChiffreCreation(int c, int r) {
    GrilleCreation(c, r) = 0;
    EffacerCase(0, GenreJoueur, c, r);
}

void Jeu::EffacerChiffre(int c, int r) {
    if (CasesDonnees(c, r)) return;
    const int e = GrilleJeu(c, r);
    if (e != 0) {
        GrilleJeu(c, r) = 0;
        RetirerDuCompte(e);
    }
    EffacerCase(0, GenreJoueur, c, r);
}

void Jeu::ActualiserImagePalette(int i) {
    // A hint, or the solution replacing a wrong copy, can push a count past nine; the picture
    // must still say the digit is spent while nine or more remain.
    fenetre.MontrerImagePalette(i, LimiterChiffres && NbChiffre(i) >= 9 ? 0 : i == ChiffreChoisi ? i + 9 : i);
}

void Jeu::RetirerDuCompte(int e) {
    NbChiffre(e) -= 1;
    ActualiserImagePalette(e);
}

void Jeu::AjouterAuCompte(int s) {
    NbChiffre(s) += 1;
    if (NbChiffre(s) == 9 && LimiterChiffres) fenetre.MontrerImagePalette(s, 0);
}

void Jeu::ChoisirChiffre(int i) {
    if (LimiterChiffres && NbChiffre(i) >= 9) return;
    const int o = ChiffreChoisi;
    // Before the first game no digit is current and there is no picture to give back.
    if (o >= 1 && o <= 9) fenetre.MontrerImagePalette(o, LimiterChiffres && NbChiffre(o) >= 9 ? 0 : o);
    ChiffreChoisi = Chiffre(i);
    fenetre.MontrerImagePalette(i, i + 9);
}

std::string Jeu::BasculerCrayon(int d, int c, int r) {
    if (ModeJeu == ModeCreation) return RefusCrayonCreation();
    if (GrilleJeu(c, r) != 0) return CasesDonnees(c, r) ? RefusDonnee() : RefusOccupee();
    const unsigned marques = Affichage(c, r).crayons;
    if (!(marques & (1u << d))) {
        if (LimiterChiffres && NbChiffre(d) >= 9) return RefusEpuise(d);
        PlacerChiffre(d, GenreCrayon, c, r);
        return "";
    }
    // A mark overflows its own slot: the whole cell is cleared and the others written again,
    // silently, as erasing is.
    EffacerCase(0, GenreJoueur, c, r);
    for (int k = 1; k <= 9; ++k)
        if (k != d && (marques & (1u << k))) EcrireCrayon(k, c, r);
    return "";
}

void Jeu::mnuRecommencer_Click() {
    if (RechercheEnCours) return;
    fenetre.ActiverChrono(false);
    fenetre.DefinirLibelle(3, "0:00");
    SecondesEcoulees = 0;
    JouerSon("Recommencer");
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (ModeJeu == ModeCreation)
                EffacerChiffreCreation(c, r);
            else
                EffacerChiffre(c, r);
    BOUTONSOLUTION = false;
    // The cleared grid no longer holds the solve, and saving or printing must not think so.
    if (ModeJeu == ModeCreation) FlagSol = false;
    fenetre.ActiverChrono(true);
    fenetre.DonnerFocusCoupN();
    Annoncer(PhraseRecommencee());
}

bool Jeu::GrilleJeuComplete() const {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (GrilleJeu(c, r) == 0 || GrilleJeu(c, r) != GrilleSolution(c, r)) return false;
    return true;
}

void Jeu::VerifierFin() {
    // A saved game that was already complete opens as it was left: no second victory, and no
    // best time for a clock read from a file.
    if (ModeJeu == ModeCreation || ChargementEnCours || !GrilleJeuComplete()) return;

    JouerSon("Bravo");
    fenetre.ActiverChrono(false);
    if (BOUTONSOLUTION) return;

    const int n = NiveauPartie;
    const long long t = SecondesEcoulees;
    // Another window of the game may have set a better time since this one last read the store.
    bool record = false;
    {
        const VerrouReglages verrou(reglages);
        record = t < LireMeilleurTemps(n);
    }
    if (!record) {
        fenetre.BoiteMessage(Message{"Bravo!! vous avez résolu ce Sudoku!", Boutons::Ok, Icone::Aucune,
                                     TitreDefaut, false, PhraseTemps(t)});
        return;
    }
    const std::string invite = "Vous avez fait le meilleurs temps de niveau " +
                               Minuscules(fenetre.TexteLibelle(2)) + "." + "\r\n\r\n" + "Entrez votre nom";
    const std::string nom = fenetre.BoiteSaisie(invite, "BRAVO !!!", NJOUEUR, 3000, 2000, PhraseTemps(t));
    if (nom.empty()) return;
    NJOUEUR = nom;
    // The name box may have stayed open a long while: the time is compared again as it is
    // written, and the better one stays.
    std::string raison;
    {
        const VerrouReglages verrou(reglages);
        record = t < LireMeilleurTemps(n);
        reglages.Ecrire(ReglageJoueur, nom);
        if (record) EnregistrerMeilleurTemps(n, t, nom);
        raison = reglages.Confirmer();
    }
    // Shown in the best-times window all the same, a record the store could not keep would be
    // gone at the next start without a word.
    if (record && !raison.empty())
        fenetre.BoiteMessage(Message{"Le meilleur temps n'a pas pu être enregistré : il sera perdu à la "
                                     "fermeture du jeu.\n\n" +
                                         raison,
                                     Boutons::Ok, Icone::Critique, TitreDefaut});
    if (!record)
        fenetre.BoiteMessage(
            Message{"Entre-temps, un meilleur temps a été enregistré pour ce niveau dans une "
                    "autre fenêtre du jeu : le vôtre n'est pas retenu.",
                    Boutons::Ok, Icone::Information, TitreDefaut});
    AfficherMeilleursTemps();
}

bool Jeu::ChiffreFaux(int c, int r) const {
    const int g = GrilleJeu(c, r);
    return !CasesDonnees(c, r) && g != 0 && g != GrilleSolution(c, r);
}

void Jeu::VerifierGrille() {
    bool erreur = false, complete = true;
    for (int c = 1; c <= 9 && !erreur; ++c)
        for (int r = 1; r <= 9; ++r) {
            const int g = GrilleJeu(c, r);
            if (g == 0 || g != GrilleSolution(c, r)) complete = false;
            if (ChiffreFaux(c, r)) {
                erreur = true;
                break;
            }
        }

    if (!erreur) {
        JouerSon("Ok");
        fenetre.BoiteMessage(Message{complete ? "Bravo !! Vous avez résolu ce Sudoku!"
                                              : "Votre solution ne contient aucune erreur pour l'instant!",
                                     Boutons::Ok, Icone::Aucune, TitreDefaut});
        return;
    }
    // The box shows no place; a player who cannot see the red digits hears them.
    const std::string faux = PhraseChiffresFaux(*this);
    if (VerifImmediate) {
        fenetre.BoiteMessage(Message{"Attention : votre solution contient une ou plusieurs erreurs!",
                                     Boutons::Ok, Icone::Aucune, TitreDefaut, false, faux});
        return;
    }
    JouerSon("Erreur");
    const Reponse rep =
        fenetre.BoiteMessage(Message{"Attention : votre solution contient une ou plusieurs erreurs!"
                                     "\r\n\r\n"
                                     "Voulez-vous faire apparaître en rouge les chiffres mals placés ?",
                                     Boutons::OuiNon, Icone::Question, TitreProgramme, false, faux});
    if (rep != Reponse::Oui) return;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (ChiffreFaux(c, r)) MarquerErreur(c, r, GrilleJeu(c, r));
}

void Jeu::VerifierCreation() {
    bool ok = true;
    for (std::int16_t l = 1; l <= 9; ++l)
        if (!ControleLigneOK(l)) ok = false;
    for (std::int16_t C = 1; C <= 9; ++C)
        if (!ControleColonneOK(C)) ok = false;
    for (std::int16_t l = 1; l <= 7; l += 3)
        for (std::int16_t C = 1; C <= 7; C += 3)
            if (!ControleRegOK(l, C)) ok = false;
    if (ok) {
        fenetre.BoiteMessage(
            Message{"La grille proposée est correcte", Boutons::Ok, Icone::Aucune, TitreDefaut});
    } else {
        JouerSon("Erreur");
        fenetre.BoiteMessage(Message{"Grille incorrecte !!", Boutons::Ok, Icone::Aucune, TitreDefaut});
    }
}

bool Jeu::ControleLigneOK(std::int16_t &l) {
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b)
            if (b != a && GrilleCreation(l, a) != 0 && GrilleCreation(l, a) == GrilleCreation(l, b))
                return false;
    return true;
}

bool Jeu::ControleColonneOK(std::int16_t &C) {
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b)
            if (b != a && GrilleCreation(a, C) != 0 && GrilleCreation(a, C) == GrilleCreation(b, C))
                return false;
    return true;
}

bool Jeu::ControleRegOK(std::int16_t &l, std::int16_t &C) {
    // Pairs sharing a row or a column are the other two checks' business.
    for (int i = l; i <= l + 2; ++i)
        for (int j = C; j <= C + 2; ++j)
            for (int i2 = l; i2 <= l + 2; ++i2)
                for (int j2 = C; j2 <= C + 2; ++j2)
                    if (i2 != i && j2 != j && GrilleCreation(i, j) != 0 &&
                        GrilleCreation(i, j) == GrilleCreation(i2, j2))
                        return false;
    return true;
}

void Jeu::CommandeVerifier() {
    if (ModeJeu == ModeCreation)
        VerifierCreation();
    else
        VerifierGrille();
    fenetre.DonnerFocusCoupN();
}

void Jeu::DonnerIndice() {
    const int a = int(hasard.Tirer() * 9 + 1);
    const int b = int(hasard.Tirer() * 9 + 1);
    int hc = 0, hr = 0;
    auto libre = [this](int c, int r) { return !CasesDonnees(c, r) && GrilleJeu(c, r) == 0; };
    for (int c = a; c <= 9 && hc == 0; ++c)
        for (int r = (c == a ? b : 1); r <= 9; ++r)
            if (libre(c, r)) {
                hc = c, hr = r;
                break;
            }
    // Then round from the top-left corner back to the starting cell.
    for (int c = 1; c <= a && hc == 0; ++c)
        for (int r = 1; r <= (c == a ? b - 1 : 9); ++r)
            if (libre(c, r)) {
                hc = c, hr = r;
                break;
            }
    if (hc == 0) {
        Annoncer(PhraseIndice(0, 0, 0));
        return;
    }

    const int s = GrilleSolution(hc, hr);
    GrilleJeu(hc, hr) = Chiffre(s);
    DessinerChiffre(s, GenreJoueur, hc, hr);
    AjouterAuCompte(s);
    JouerSon("Indice");
    Annoncer(PhraseIndice(hc, hr, s));
}

void Jeu::AfficherSolution() {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            if (CasesDonnees(c, r)) continue;
            const int e = GrilleJeu(c, r), s = GrilleSolution(c, r);
            if (e != 0) RetirerDuCompte(e);
            GrilleJeu(c, r) = Chiffre(s);
            DessinerChiffre(s, GenreJoueur, c, r);
            AjouterAuCompte(s);
        }
    JouerSon("AffichSolu");
}

void Jeu::CommandeIndice() {
    if (RechercheEnCours) return;
    if (ModeJeu == ModeCreation)
        fenetre.BoiteMessage(
            Message{"Pas d'indice possible en Mode création", Boutons::Ok, Icone::Aucune, TitreDefaut});
    else
        DonnerIndice();
    fenetre.DonnerFocusCoupN();
}

void Jeu::CommandeSolution() {
    if (RechercheEnCours) return;
    const Reponse rep =
        fenetre.BoiteMessage(Message{"Etes-vous sûr de vouloir afficher la solution ?", Boutons::OuiNon,
                                     Icone::Question, "Afficher la solution"});
    if (rep != Reponse::Oui) return;
    if (ModeJeu == ModeCreation) {
        bool chiffres = false;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                GrilleCreationInitiale(c, r) = GrilleCreation(c, r);
                if (GrilleCreation(c, r) != 0) chiffres = true;
            }
        if (chiffres) {
            FlagSol = true;
            ResoudreGrille();
        } else {
            fenetre.BoiteMessage(Message{"La grille est vide !", Boutons::Ok, Icone::Aucune, TitreDefaut});
        }
    } else {
        BOUTONSOLUTION = true;
        AfficherSolution();
        Annoncer(PhraseSolution());
    }
    fenetre.DonnerFocusCoupN();
}

std::int16_t Jeu::LireMeilleurTemps(int n) {
    // Only whole 16-bit numbers are ever written; anything else was edited by hand and holds
    // no record.
    const auto t = Entier16(reglages.Lire(ReglageTempsRecord(n)));
    return t && *t >= 0 ? *t : std::int16_t(SecondesSansRecord);
}

void Jeu::EnregistrerMeilleurTemps(int n, long long secondes, const std::string &nom) {
    reglages.Ecrire(ReglageTempsRecord(n), std::to_string(secondes));
    reglages.Ecrire(ReglageNomRecord(n), nom);
}

void Jeu::AfficherMeilleursTemps() {
    fenetre.AfficherMeilleursTemps();
}

} // namespace lumio
