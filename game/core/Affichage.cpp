// The cells and the palette in words, and the record of what the board shows.
#include "Affichage.h"
#include "Jeu.h"

namespace lumio {

std::string ListeCrayons(unsigned masque) {
    std::string s;
    for (int d = 1; d <= 9; ++d)
        if (masque & (1u << d)) s += (s.empty() ? "" : " ") + std::string(1, char('0' + d));
    return s;
}

std::string NomCase(int c, int r, const CaseAffichee &v) {
    std::string s = "Ligne " + std::to_string(r) + ", colonne " + std::to_string(c) + " : ";
    if (v.chiffre != 0) {
        s += char('0' + v.chiffre);
        if (v.genre == GenreDonnee) s += ", donné";
        if (v.genre == GenreFaux) s += ", faux";
        return s;
    }
    s += "vide";
    if (v.crayons != 0) s += ", crayon " + ListeCrayons(v.crayons);
    return s;
}

std::string Jeu::NomCase(int c, int r) const {
    return lumio::NomCase(c, r, Affichage(c, r));
}

std::string Jeu::NomPalette(int i) const {
    std::string s = "Chiffre " + std::to_string(i);
    if (i == ChiffreChoisi) s += ", choisi";
    if (LimiterChiffres && NbChiffre(i) >= 9) s += ", épuisé";
    return s;
}

void Jeu::Annoncer(const std::string &phrase) {
    if (observateur && !phrase.empty()) observateur->Annonce(phrase);
}

void Jeu::NoterCase(int c, int r, const CaseAffichee &v) {
    if (Affichage(c, r) == v) return;
    Affichage(c, r) = v;
    if (observateur) observateur->CaseChangee(c, r);
}

} // namespace lumio
