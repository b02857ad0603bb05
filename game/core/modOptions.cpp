// The options: whether a game would be lost, what the dialog loads, and what "OK" applies.
#include "Jeu.h"

#include "Conversions.h"
#include "Themes.h"

#include <algorithm>

namespace lumio {

namespace {

// A level or mode as start-up reads it: the number in the text, rounded, kept within an int.
long long EntierLu(const std::string &valeur) {
    return std::clamp(ArrondiPair(ValeurNumerique(valeur)), -2147483647LL, 2147483647LL);
}

// A state that is neither a number nor a Boolean word shows as its default, as at start-up.
bool LireActif(MagasinReglages &reglages, const Reglage &r) {
    return Booleen(reglages.Lire(r)).value_or(ActifParDefaut(r));
}

std::string Etat(bool coche) {
    return coche ? "1" : "0";
}

} // namespace

int OptionNiveau(const std::string &valeur) {
    const long long n = EntierLu(valeur);
    return n >= 1 && n <= 4 ? int(n) : 0;
}

int OptionMode(const std::string &valeur) {
    const long long n = EntierLu(valeur);
    return n == ModeJouer || n == ModeCreation ? int(n) : 0;
}

int OptionCouleur(const std::string &valeur) {
    return valeur.size() == 1 && valeur[0] >= '0' && valeur[0] < '0' + NombreThemes ? valeur[0] - '0' : -1;
}

bool Jeu::PartieEnCours() const {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            if (ModeJeu == ModeCreation ? GrilleCreation(c, r) != 0
                                        : GrilleJeu(c, r) != 0 && !CasesDonnees(c, r))
                return true;
        }
    return false;
}

void Jeu::OuvrirOptions() {
    // A search holds the board; the options wait for it like every other command.
    if (RechercheEnCours) return;
    if (PartieEnCours()) {
        const Message m{"Attention le changement d'options terminera la partie en cours ", Boutons::OkAnnuler,
                        Icone::Aucune, TitreProgramme};
        if (fenetre.BoiteMessage(m) != Reponse::Ok) return;
    }
    fenetre.AfficherOptions();
}

ChoixOptions Jeu::LireOptions() {
    ChoixOptions o;
    o.ChoixDifficulte = reglages.Lire(ReglageNiveau);
    o.TypeJeu = reglages.Lire(ReglageMode);
    o.Sons = LireActif(reglages, ReglageSons);
    o.Veri = LireActif(reglages, ReglageVerification);
    o.Limiter = LireActif(reglages, ReglageLimite);
    o.ChoixCouleur = reglages.Lire(ReglageTheme);
    o.NomJoueur = reglages.Lire(ReglageJoueur);
    return o;
}

bool Jeu::ValiderOptions(const ChoixOptions &o) {
    if (RechercheEnCours) return false;

    reglages.Ecrire(ReglageNiveauCopie, o.ChoixDifficulte);
    reglages.Ecrire(ReglageNiveau, o.ChoixDifficulte);
    // A level the dialog could not show is kept in the store as it was, but the generator only
    // knows four: the game falls back to the first, as start-up does.
    Niveau = std::max(OptionNiveau(o.ChoixDifficulte), 1);
    fenetre.DefinirLibelle(2, NomNiveau(Niveau));

    reglages.Ecrire(ReglageMode, o.TypeJeu);
    ModeJeu = int(EntierLu(o.TypeJeu));
    // Any mode but creation plays, so the caption and the menu say so.
    const bool creation = ModeJeu == ModeCreation;
    MontrerMode(creation);

    NJOUEUR = o.NomJoueur;
    reglages.Ecrire(ReglageJoueur, NJOUEUR);
    FLAGJOUERLESSONS = o.Sons;
    reglages.Ecrire(ReglageSons, Etat(o.Sons));
    VerifImmediate = o.Veri;
    reglages.Ecrire(ReglageVerification, Etat(o.Veri));
    LimiterChiffres = o.Limiter;
    reglages.Ecrire(ReglageLimite, Etat(o.Limiter));

    reglages.Ecrire(ReglageTheme, o.ChoixCouleur);
    // The eight keys go to the file in one write, however large the file.
    reglages.Confirmer();
    AppliquerTheme(OptionCouleur(o.ChoixCouleur)); // a theme outside the table applies nothing

    if (creation)
        NouvellePartieCreation();
    else
        NouvellePartieJeu();
    return true;
}

} // namespace lumio
