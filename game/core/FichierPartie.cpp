// Writing and reading the saved-game file: fixed records of tagged or plain single-byte text.
#include "FichierPartie.h"

#include "Conversions.h"
#include "Jeu.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

namespace lumio {

namespace {

constexpr std::uint16_t EtiquetteTexte = 8;
constexpr std::size_t LongueurMaxBalise = TailleEnregistrement - 4;
constexpr std::size_t LongueurMaxSimple = TailleEnregistrement - 2;

std::size_t Debut(int enregistrement) {
    return std::size_t(enregistrement - 1) * TailleEnregistrement;
}

int EnregistrementCase(int n, int k) {
    return PremierEnregistrementCase + 3 * (n - 1) + k;
}
int ColonneCase(int n) {
    return (n - 1) / 9 + 1;
}
int LigneCase(int n) {
    return (n - 1) % 9 + 1;
}

// ---- writing ----

class Ecrivain {
  public:
    std::vector<std::uint8_t> octets =
        std::vector<std::uint8_t>(std::size_t(NombreEnregistrements) * TailleEnregistrement, 0);

    void Balise(int enregistrement, const std::string &texte) {
        assert(texte.size() <= LongueurMaxBalise);
        const std::size_t d = Debut(enregistrement);
        Mot(d, EtiquetteTexte);
        Caracteres(d + 2, texte, LongueurMaxBalise);
    }
    void Simple(int enregistrement, const std::string &texte) {
        assert(texte.size() <= LongueurMaxSimple);
        Caracteres(Debut(enregistrement), texte, LongueurMaxSimple);
    }

  private:
    void Mot(std::size_t i, std::uint16_t v) {
        octets[i] = std::uint8_t(v & 0xFF);
        octets[i + 1] = std::uint8_t(v >> 8);
    }
    void Caracteres(std::size_t i, const std::string &texte, std::size_t max) {
        const std::size_t n = std::min(texte.size(), max);
        Mot(i, std::uint16_t(n));
        for (std::size_t k = 0; k < n; ++k)
            octets[i + 2 + k] = std::uint8_t(texte[k]);
    }
};

// ---- reading ----

// Thrown with the player's reason (one of the Raison… texts) first, then the detail; both are
// required, so that no detail reaches the player by mistake.
struct Refus {
    Refus(std::string r, std::string d) : raison(std::move(r)), detail(std::move(d)) {}
    std::string raison;
    std::string detail;
};

std::string Position(int c, int r) {
    return "(" + std::to_string(c) + ", " + std::to_string(r) + ")";
}
std::string Case(int c, int r) {
    return "(case " + Position(c, r).substr(1);
}

// A file's text as the player may see it in a message: single-byte Latin characters turned into
// UTF-8, control bytes into "?".
std::string Lisible(const std::string &texte) {
    std::string s;
    for (char ch : texte) {
        const auto o = static_cast<unsigned char>(ch);
        if (o < 0x20 || (o >= 0x7F && o < 0xA0)) {
            s += '?';
        } else if (o < 0x80) {
            s += ch;
        } else {
            s += char(0xC0 | (o >> 6));
            s += char(0x80 | (o & 0x3F));
        }
    }
    return s;
}

std::string SansBlancs(const std::string &s) {
    const std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

class Lecteur {
  public:
    explicit Lecteur(const std::vector<std::uint8_t> &octets) : o_(octets) {}

    bool Present(int enregistrement) const { return Debut(enregistrement) < o_.size(); }

    std::string Balise(int enregistrement) const {
        if (!Present(enregistrement))
            throw Refus{RaisonTronque,
                        "Le fichier s'arrête avant l'enregistrement " + std::to_string(enregistrement) + "."};
        const std::size_t d = Debut(enregistrement);
        Exiger(enregistrement, d + 4);
        const unsigned etiquette = Mot(d);
        if (etiquette != EtiquetteTexte)
            throw Refus{RaisonEtranger, "L'enregistrement " + std::to_string(enregistrement) +
                                            " n'est pas un texte (type " + std::to_string(etiquette) + ")."};
        return Caracteres(enregistrement, d + 2, LongueurMaxBalise);
    }

    std::string Simple(int enregistrement) const {
        const std::size_t d = Debut(enregistrement);
        Exiger(enregistrement, d + 2);
        return Caracteres(enregistrement, d, LongueurMaxSimple);
    }

    // The end record read as plain text: its type tag passes for a length of 8 and the "#" comes
    // third. Bytes past the end of the file count as zero, so a last record cut right after its
    // "#" is still recognised.
    bool EstFin(int enregistrement) const {
        const std::size_t d = Debut(enregistrement);
        return Mot(d) >= 3 && Octet(d + 4) == '#';
    }

  private:
    std::uint8_t Octet(std::size_t i) const { return i < o_.size() ? o_[i] : 0; }
    unsigned Mot(std::size_t i) const { return Octet(i) | unsigned(Octet(i + 1)) << 8; }

    void Exiger(int enregistrement, std::size_t fin) const {
        if (fin > o_.size())
            throw Refus{RaisonTronque, "Le fichier s'arrête au milieu de l'enregistrement " +
                                           std::to_string(enregistrement) + "."};
    }

    std::string Caracteres(int enregistrement, std::size_t i, std::size_t max) const {
        const unsigned n = Mot(i);
        if (n > max)
            throw Refus{RaisonEtranger, "L'enregistrement " + std::to_string(enregistrement) + " annonce " +
                                            std::to_string(n) + " caractères, plus que sa place."};
        Exiger(enregistrement, i + 2 + n);
        return std::string(o_.begin() + std::ptrdiff_t(i + 2), o_.begin() + std::ptrdiff_t(i + 2 + n));
    }

    const std::vector<std::uint8_t> &o_;
};

Chiffre LireChiffre(const std::string &texte, int min, int max, int c, int r) {
    const auto v = NombreExact(texte);
    if (!v || *v != std::floor(*v))
        throw Refus{RaisonValeur, "Chiffre « " + Lisible(texte) + " » illisible " + Case(c, r) + "."};
    if (*v < min || *v > max)
        throw Refus{RaisonValeur,
                    "Chiffre " + Lisible(SansBlancs(texte)) + " hors limites " + Case(c, r) + "."};
    return Chiffre(*v);
}

bool LireBooleen(const std::string &texte, int c, int r) {
    const auto b = Booleen(texte);
    if (!b) throw Refus{RaisonValeur, "« " + Lisible(texte) + " » n'est ni vrai ni faux " + Case(c, r) + "."};
    return *b;
}

void LireCasesJeu(const Lecteur &lecteur, PartieLue &p) {
    for (int n = 1; n <= 81; ++n) {
        const int c = ColonneCase(n), r = LigneCase(n);
        const int e = EnregistrementCase(n, 0);
        // The board must be whole: a game with holes in its solution cannot be played on.
        if (!lecteur.Present(e) || lecteur.EstFin(e))
            throw Refus{RaisonTronque, "La grille est incomplète : le fichier s'arrête à la case " +
                                           std::to_string(n) + "."};
        const Chiffre s = LireChiffre(lecteur.Simple(e), 1, 9, c, r);
        if (!lecteur.Present(e + 1) || !lecteur.Present(e + 2))
            throw Refus{RaisonTronque, "La grille est incomplète : le fichier s'arrête à la case " +
                                           std::to_string(n) + "."};
        const bool donnee = LireBooleen(lecteur.Simple(e + 1), c, r);
        const Chiffre d = LireChiffre(lecteur.Simple(e + 2), 0, 9, c, r);
        p.GrilleSolution(c, r) = s;
        p.CasesDonnees(c, r) = donnee;
        p.GrilleJeu(c, r) = d;
        p.NombreCases = n;
    }
    if (!GrilleValide(p.GrilleSolution))
        throw Refus{RaisonIncoherente, "La grille solution n'est pas valide."};
    // A given is put back from the solution when the game is opened; a file may show it or
    // leave it at 0, but any other digit means the file contradicts itself.
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (p.CasesDonnees(c, r) && p.GrilleJeu(c, r) != 0 && p.GrilleJeu(c, r) != p.GrilleSolution(c, r))
                throw Refus{RaisonIncoherente, "La case donnée " + Position(c, r) + " montre " +
                                                   std::to_string(p.GrilleJeu(c, r)) + " au lieu de " +
                                                   std::to_string(p.GrilleSolution(c, r)) + "."};
}

// Only the first record of each cell counts in creation mode; the other two are never read.
void LireCasesCreation(const Lecteur &lecteur, PartieLue &p) {
    for (int n = 1; n <= 81; ++n) {
        const int e = EnregistrementCase(n, 0);
        if (!lecteur.Present(e) || lecteur.EstFin(e)) return;
        const int c = ColonneCase(n), r = LigneCase(n);
        p.GrilleCreation(c, r) = LireChiffre(lecteur.Simple(e), 0, 9, c, r);
        p.NombreCases = n;
    }
}

PartieLue Lire(const std::vector<std::uint8_t> &octets) {
    if (octets.empty()) throw Refus{RaisonVide, "Le fichier est vide."};
    const Lecteur lecteur(octets);
    std::string entete[3];
    for (int e = 1; e <= 3; ++e)
        entete[e - 1] = lecteur.Balise(e);

    PartieLue p;
    const std::string mode = entete[0].empty() ? "" : entete[0].substr(1); // the sign position goes
    if (mode == "1")
        p.ModeJeu = ModeJouer;
    else if (mode == "2")
        p.ModeJeu = ModeCreation;
    else
        throw Refus{RaisonEtranger, "Le fichier n'indique ni le mode Jeu ni le mode création."};

    const double secondes = ValeurNumerique(entete[1]);
    if (secondes != std::floor(secondes) || secondes < 0 || secondes > 2147483647.0)
        throw Refus{RaisonTemps, "Le temps « " + Lisible(SansBlancs(entete[1])) +
                                     " » n'est pas un nombre de secondes valide."};
    p.SecondesEcoulees = std::int32_t(secondes);

    if (p.ModeJeu == ModeJouer) {
        const double niveau = ValeurNumerique(entete[2]);
        if (niveau != std::floor(niveau) || niveau < 1 || niveau > 4)
            throw Refus{RaisonNiveau,
                        "Le niveau « " + Lisible(SansBlancs(entete[2])) + " » n'est pas entre 1 et 4."};
        p.NiveauPartie = int(niveau);
        LireCasesJeu(lecteur, p);
    } else {
        LireCasesCreation(lecteur, p);
    }
    return p;
}

} // namespace

std::vector<std::uint8_t> EcrirePartie(const Jeu &jeu) {
    Ecrivain f;
    f.Balise(1, AvecSigne(jeu.ModeJeu));
    f.Balise(2, AvecSigne(jeu.SecondesEcoulees));
    f.Balise(3, AvecSigne(jeu.NiveauPartie));
    const bool creation = jeu.ModeJeu == ModeCreation;
    // A solved creation grid is saved as the player typed it, not with the solver's digits.
    const GrilleChiffres &grilleCreation = jeu.FlagSol ? jeu.GrilleCreationInitiale : jeu.GrilleCreation;
    for (int n = 1; n <= 81; ++n) {
        const int c = ColonneCase(n), r = LigneCase(n);
        const int e = EnregistrementCase(n, 0);
        if (creation) {
            const int d = grilleCreation(c, r);
            f.Simple(e, std::to_string(d));
            f.Simple(e + 1, d != 0 ? "Vrai" : "Faux");
            f.Simple(e + 2, "0");
        } else {
            f.Simple(e, std::to_string(jeu.GrilleSolution(c, r)));
            f.Simple(e + 1, jeu.CasesDonnees(c, r) ? "True" : "False");
            f.Simple(e + 2, std::to_string(jeu.GrilleJeu(c, r)));
        }
    }
    f.Balise(EnregistrementFin, "#");
    return f.octets;
}

LecturePartie LirePartie(const std::vector<std::uint8_t> &octets) {
    try {
        return {Lire(octets), "", ""};
    } catch (const Refus &refus) {
        return {std::nullopt, refus.raison, refus.detail};
    }
}

} // namespace lumio
