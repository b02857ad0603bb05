// The sentences a listening player hears after each action.
#include "Annonces.h"

#include "Conversions.h"
#include "Jeu.h"
#include "Reglages.h"

#include <vector>

namespace lumio {

namespace {

std::string Chiffre1(int d) {
    return std::string(1, char('0' + d));
}

// More than one mark of 1..9 in a mask of pencil bits: the words take the plural.
bool Plusieurs(unsigned masque) {
    masque &= 0x3FEu;
    return (masque & (masque - 1)) != 0;
}

std::string Place(int c, int r) {
    return "ligne " + std::to_string(r) + ", colonne " + std::to_string(c);
}

// "X placé" for a cell that now shows a digit it did not show before, with what it replaced.
std::string Placement(const CaseAffichee &avant, const CaseAffichee &apres) {
    std::string s;
    if (avant.chiffre != 0 && avant.chiffre != apres.chiffre) s = Chiffre1(avant.chiffre) + " effacé, ";
    s += Chiffre1(apres.chiffre) + " placé";
    if (apres.genre == GenreFaux) s += ", faux";
    return s + ".";
}

// What changed in the cell, whatever the gesture meant; "" when nothing did.
std::string Changement(const CaseAffichee &avant, const CaseAffichee &apres) {
    if (avant == apres) return "";
    if (apres.chiffre != 0) return Placement(avant, apres);
    if (avant.chiffre != 0) return Chiffre1(avant.chiffre) + " effacé.";
    const unsigned ajoutes = apres.crayons & ~unsigned(avant.crayons);
    const unsigned retires = avant.crayons & ~unsigned(apres.crayons);
    std::string s;
    if (ajoutes) s = (Plusieurs(ajoutes) ? "Crayons " : "Crayon ") + ListeCrayons(ajoutes) + " écrit.";
    if (retires)
        s += std::string(s.empty() ? "" : " ") + (Plusieurs(retires) ? "Crayons " : "Crayon ") +
             ListeCrayons(retires) + (Plusieurs(retires) ? " effacés." : " effacé.");
    return s;
}

} // namespace

std::string DureeEnMots(long long secondes) {
    if (secondes < 0) secondes = 0;
    const long long m = secondes / 60, s = secondes % 60;
    auto unite = [](long long n, const char *mot) {
        return std::to_string(n) + " " + mot + (n > 1 ? "s" : "");
    };
    if (m == 0) return unite(s, "seconde");
    return unite(m, "minute") + (s == 0 ? "" : " " + unite(s, "seconde"));
}

std::string RefusDonnee() {
    return "case donnée";
}

std::string RefusOccupee() {
    return "case occupée";
}

std::string RefusEpuise(int d) {
    return "le " + Chiffre1(d) + " est déjà placé 9 fois";
}

std::string RefusCrayonCreation() {
    return "pas de crayon en mode création";
}

std::string PhraseGeste(Geste g, int d, const std::string &refus, const CaseAffichee &avant,
                        const CaseAffichee &apres) {
    const std::string change = Changement(avant, apres);
    if (!refus.empty()) return "Refusé : " + refus + "." + (change.empty() ? "" : " " + change);
    switch (g) {
    case Geste::Chiffre:
        // The same digit typed again is placed again, though the cell looks the same.
        if (apres.chiffre == d) return Placement(avant, apres);
        break;
    case Geste::Effacer:
        if (change.empty()) return "Case déjà vide.";
        break;
    case Geste::Crayon:
        break;
    }
    return change.empty() ? "Rien ne change." : change;
}

std::string PhraseIndice(int c, int r, int d) {
    if (c < 1 || r < 1) return "Pas d'indice : aucune case vide.";
    return "Indice : " + Chiffre1(d) + " en " + Place(c, r) + ".";
}

std::string PhraseChiffresFaux(const Jeu &j) {
    std::vector<std::string> places;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (j.ChiffreFaux(c, r)) places.push_back(Place(c, r));
    if (places.empty()) return "";
    std::string s =
        std::to_string(places.size()) + (places.size() > 1 ? " chiffres faux : " : " chiffre faux : ");
    for (std::size_t k = 0; k < places.size(); ++k)
        s += (k ? " ; " : "") + places[k];
    return s + ".";
}

std::string PhraseRecommencee() {
    return "Partie recommencée.";
}

std::string PhraseSolution() {
    return "Solution affichée.";
}

std::string PhrasePause(bool enPause) {
    return enPause ? "Chrono en pause." : "Chrono relancé.";
}

std::string PhraseTemps(long long secondes) {
    return "Temps : " + DureeEnMots(secondes) + ".";
}

std::string PhraseNouvellePartie(int modeJeu, int niveau) {
    if (modeJeu == ModeCreation) return "Nouvelle grille vide, mode création.";
    return "Nouvelle partie, niveau " + Minuscules(NomNiveau(niveau)) + ".";
}

std::string PhraseChiffreChoisi(const Jeu &j) {
    const int d = j.ChiffreChoisi;
    if (d < 1 || d > 9) return "";
    std::string s = "Chiffre choisi : " + Chiffre1(d);
    if (j.LimiterChiffres && j.NbChiffre(d) >= 9) s += ", épuisé";
    return s;
}

std::string PhraseMeilleursTemps(const MeilleursTemps &records) {
    std::string s;
    for (int n = 1; n <= 4; ++n) {
        const auto &[temps, nom] = records[std::size_t(n - 1)];
        s += (s.empty() ? "" : " ") + NomNiveau(n) + " : ";
        // 99:59 is what an empty record holds.
        s += temps >= SecondesSansRecord ? "aucun temps." : DureeEnMots(temps) + ", " + nom + ".";
    }
    return s;
}

std::string PhraseAPropos(const std::string &version) {
    return "Sudoku-Lumio, version " + version + ".";
}

} // namespace lumio
