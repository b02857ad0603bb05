// What the fuzzers check on every input, shared with the test that replays their seeds: each
// check returns "" when the input was handled soundly, otherwise what went wrong.
#pragma once

#include "Factices.h"
#include "FichierPartie.h"
#include "GrillesTexte.h"
#include "Jeu.h"
#include "Reprise.h"
#include "ResolutionTexte.h"
#include "SansFenetre.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// The checks are not what is fuzzed: without coverage of their own they neither slow the fuzzer
// nor lead it to inputs that only vary the checking.
#if defined(__clang__)
#define LUMIO_HORS_COUVERTURE __attribute__((no_sanitize("coverage")))
#else
#define LUMIO_HORS_COUVERTURE
#endif

namespace lumio::fuzz {

// Draws nothing: a fuzzer runs the game thousands of times a second. Its texts have a size, so
// that the layout code that measures them is run as on a screen.
class SurfaceMuette : public SurfaceNulle {
  public:
    double LargeurTexte(const std::string &t, const Police &p) override {
        return double(t.size()) * p.taille / 2;
    }
    double HauteurTexte(const std::string &, const Police &p) override { return p.taille * 1.5; }
};

struct PartieMuette {
    SurfaceMuette surface;
    test::FenetreFactice fenetre;
    test::MagasinMemoire reglages;
    test::LecteurEnregistreur sons;
    test::SourceScriptee hasard{{}, 0.37};
    Jeu jeu{surface, fenetre, reglages, sons, hasard};

    PartieMuette(bool limiter, bool verifier) {
        jeu.PreparerPlateau();
        jeu.LimiterChiffres = limiter;
        jeu.VerifImmediate = verifier;
    }
};

LUMIO_HORS_COUVERTURE inline std::string MemePartie(const Jeu &a, const Jeu &b) {
    if (a.ModeJeu != b.ModeJeu) return "mode";
    if (a.SecondesEcoulees != b.SecondesEcoulees) return "temps";
    if (a.NiveauPartie != b.NiveauPartie) return "niveau";
    if (a.GrilleJeu != b.GrilleJeu) return "grille du plateau";
    if (a.GrilleCreation != b.GrilleCreation) return "grille de création";
    if (a.ModeJeu == 1 && (a.GrilleSolution != b.GrilleSolution || a.CasesDonnees != b.CasesDonnees))
        return "solution ou données";
    for (int d = 1; d <= 9; ++d)
        if (a.NbChiffre(d) != b.NbChiffre(d)) return "compte du chiffre " + std::to_string(d);
    return "";
}

// A saved game: what the reader accepts is sound, opens as read, and written back and read
// again gives the same game, written byte for byte the same.
LUMIO_HORS_COUVERTURE inline std::string ControlePartie(const std::uint8_t *donnees, std::size_t taille) {
    const std::vector<std::uint8_t> octets(donnees, donnees + taille);
    const LecturePartie lue = LirePartie(octets);
    if (lue.raison.empty() != bool(lue)) return "acceptée avec une raison, ou refusée sans";
    if (!lue) return "";
    const PartieLue &p = *lue.partie;
    const bool jeu = p.ModeJeu == 1;
    if (p.ModeJeu != 1 && p.ModeJeu != 2) return "mode " + std::to_string(p.ModeJeu);
    if (p.SecondesEcoulees < 0) return "temps négatif";
    if (jeu ? p.NiveauPartie < 1 || p.NiveauPartie > 4 : p.NiveauPartie != 0) return "niveau hors limites";
    if (jeu && !GrilleValide(p.GrilleSolution)) return "solution invalide acceptée";
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (p.GrilleJeu(c, r) > 9 || p.GrilleCreation(c, r) > 9 ||
                (jeu && p.CasesDonnees(c, r) && p.GrilleJeu(c, r) != 0 &&
                 p.GrilleJeu(c, r) != p.GrilleSolution(c, r)))
                return "case (" + std::to_string(c) + ", " + std::to_string(r) + ") acceptée telle quelle";

    // The options the digits are placed under follow from the input, so both ways get covered.
    const bool limiter = taille % 2 == 1, verifier = taille % 3 == 0;
    PartieMuette premiere(limiter, verifier);
    if (OuvrirPartie(premiere.jeu, octets)) return "lue mais refusée à l'ouverture";
    const Jeu &j = premiere.jeu;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            const int montre = jeu ? (p.CasesDonnees(c, r) ? p.GrilleSolution(c, r) : p.GrilleJeu(c, r)) : 0;
            const bool place = j.GrilleJeu(c, r) == montre || (limiter && j.GrilleJeu(c, r) == 0);
            if (!place || j.GrilleCreation(c, r) != (jeu ? 0 : p.GrilleCreation(c, r)))
                return "case (" + std::to_string(c) + ", " + std::to_string(r) +
                       ") ouverte autrement que lue";
        }

    const std::vector<std::uint8_t> ecrits = EcrirePartie(j);
    PartieMuette seconde(limiter, verifier);
    if (const auto refus = OuvrirPartie(seconde.jeu, ecrits))
        return "la partie réécrite est refusée : " + refus->detail;
    const std::string ecart = MemePartie(j, seconde.jeu);
    if (!ecart.empty()) return "relue, la partie change : " + ecart;
    if (EcrirePartie(seconde.jeu) != ecrits) return "réécrite, la partie change d'octets";
    return "";
}

// An interrupted game's file: what the reader accepts is in range and sound, goes onto a board
// without harm, and comes back from it as read, written the same.
LUMIO_HORS_COUVERTURE inline std::string ControleReprise(const std::uint8_t *donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char *>(donnees), taille);
    std::string detail;
    const std::optional<EtatReprise> lu = LireReprise(texte, detail);
    if (detail.empty() == !lu) return "acceptée avec une raison, ou refusée sans";
    if (!lu) return "";
    const EtatReprise &e = *lu;
    if (e.NiveauPartie < 0 || e.NiveauPartie > 4 || e.SecondesEcoulees < 0 || e.ChiffreChoisi < 1 ||
        e.ChiffreChoisi > 9)
        return "en-tête hors limites";
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            const CaseAffichee &v = e.Affichage(c, r);
            if (e.GrilleSolution(c, r) > 9 || e.GrilleJeu(c, r) > 9 || e.GrilleCreation(c, r) > 9 ||
                e.GrilleCreationInitiale(c, r) > 9 || v.chiffre > 9 || (v.crayons & ~0x3FEu) ||
                (v.chiffre != 0) != (v.genre != 0) || (v.chiffre != 0 && v.crayons != 0))
                return "case (" + std::to_string(c) + ", " + std::to_string(r) + ") acceptée telle quelle";
        }
    if (e.ModeJeu != ModeCreation && !GrilleValide(e.GrilleSolution)) return "solution invalide acceptée";

    PartieMuette partie(taille % 2 == 1, taille % 3 == 0);
    int c = 0, r = 0;
    const bool surLaGrille = partie.jeu.CaseAuPoint(e.Xcur, e.Ycur, c, r);
    partie.jeu.AppliquerReprise(e);
    // A cursor off the board (never written, refused at start-up) is put back on its centre.
    EtatReprise attendu = e;
    if (!surLaGrille) attendu.Xcur = partie.jeu.Xcur, attendu.Ycur = partie.jeu.Ycur;
    if (!partie.jeu.CaseAuPoint(partie.jeu.Xcur, partie.jeu.Ycur, c, r)) return "curseur hors de la grille";
    if (!(EtatActuel(partie.jeu) == attendu)) return "reprise, la partie change";
    const std::string ecrit = EcrireReprise(e);
    const std::optional<EtatReprise> relu = LireReprise(ecrit, detail);
    if (!relu) return "la partie réécrite est refusée : " + detail;
    if (!(*relu == e) || EcrireReprise(*relu) != ecrit) return "réécrite, la partie change";
    return "";
}

// A plain depth-first search over the digits each row, column and block still lacks, with no
// propagation, as a second opinion on "no solution": 1 solved, 0 no solution, -1 gave up after
// `plafond` nodes. The grid must hold no conflict.
struct RechercheSimple {
    std::array<int, 81> g{};
    int lignes[9] = {}, colonnes[9] = {}, blocs[9] = {}; // bit d: digit d is there
    long noeuds = 0, plafond = 5000;

    LUMIO_HORS_COUVERTURE static int Bloc(int i) { return i / 27 * 3 + i % 9 / 3; }
    LUMIO_HORS_COUVERTURE void Poser(int i, int d) {
        g[std::size_t(i)] = d;
        lignes[i / 9] ^= 1 << d, colonnes[i % 9] ^= 1 << d, blocs[Bloc(i)] ^= 1 << d;
    }
    // False when two equal digits share a unit.
    LUMIO_HORS_COUVERTURE bool Depart(const std::array<int, 81> &grille) {
        for (int i = 0; i < 81; ++i) {
            const int d = grille[std::size_t(i)];
            if (!d) continue;
            if (((lignes[i / 9] | colonnes[i % 9] | blocs[Bloc(i)]) >> d) & 1) return false;
            Poser(i, d);
        }
        return true;
    }
    LUMIO_HORS_COUVERTURE int Chercher() {
        if (++noeuds > plafond) return -1;
        int meilleure = -1, libres = 0, nombre = 10;
        for (int i = 0; i < 81 && nombre > 0; ++i) {
            if (g[std::size_t(i)]) continue;
            const int m = ~(lignes[i / 9] | colonnes[i % 9] | blocs[Bloc(i)]) & 0x3FE;
            const int n = __builtin_popcount(unsigned(m));
            if (n < nombre) meilleure = i, libres = m, nombre = n;
        }
        if (meilleure < 0) return 1;
        for (int d = 1; d <= 9; ++d) {
            if (!((libres >> d) & 1)) continue;
            Poser(meilleure, d);
            const int issue = Chercher();
            if (issue != 0) return issue;
            Poser(meilleure, d);
            g[std::size_t(meilleure)] = 0;
        }
        return 0;
    }
};

LUMIO_HORS_COUVERTURE inline std::vector<std::string> Lignes(const std::string &texte) {
    std::vector<std::string> v;
    std::istringstream in(texte);
    std::string l;
    while (std::getline(in, l))
        v.push_back(l);
    return v;
}

// The solver's text entry: one answer per grid line, one report per malformed line, the exit
// code that says so, and every answer checked on its own (a completion is a valid grid that
// keeps the clues; "no solution" is confirmed by the plain search, when it ends in time).
LUMIO_HORS_COUVERTURE inline std::string ControleResolution(const std::uint8_t *donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char *>(donnees), taille);
    std::istringstream entree(texte);
    std::ostringstream sortie, erreurs;
    const int code = ResoudreFlux(entree, sortie, erreurs);

    std::vector<std::string> grilles;
    std::vector<long> fautives;
    const std::vector<std::string> lignes = Lignes(texte);
    for (std::size_t n = 0; n < lignes.size(); ++n) {
        std::string l = lignes[n];
        if (l.size() <= LongueurMaxLigne) {
            while (!l.empty() && (l.back() == '\r' || l.back() == ' ' || l.back() == '\t'))
                l.pop_back();
            if (l.find_first_not_of(" \t") == std::string::npos) continue;
            if (l.size() == 81 && l.find_first_not_of("0123456789.") == std::string::npos) {
                grilles.push_back(l);
                continue;
            }
        }
        fautives.push_back(long(n + 1));
    }

    const std::vector<std::string> reponses = Lignes(sortie.str()), rapports = Lignes(erreurs.str());
    if (code != (fautives.empty() ? 0 : 1)) return "code de sortie " + std::to_string(code);
    if (reponses.size() != grilles.size())
        return std::to_string(reponses.size()) + " réponses pour " + std::to_string(grilles.size()) +
               " grilles";
    if (rapports.size() != fautives.size())
        return std::to_string(rapports.size()) + " rapports pour " + std::to_string(fautives.size()) +
               " lignes fautives";
    for (std::size_t k = 0; k < fautives.size(); ++k)
        if (rapports[k].rfind("Ligne " + std::to_string(fautives[k]) + " : ", 0) != 0)
            return "rapport « " + rapports[k] + " » pour la ligne " + std::to_string(fautives[k]);

    for (std::size_t k = 0; k < grilles.size(); ++k) {
        std::array<int, 81> g{};
        bool vide = true;
        for (std::size_t i = 0; i < 81; ++i) {
            const char x = grilles[k][i];
            g[i] = x >= '1' && x <= '9' ? x - '0' : 0;
            vide = vide && g[i] == 0;
        }
        const std::string &r = reponses[k];
        if (r == "La grille est vide !") {
            if (!vide) return "grille " + std::to_string(k + 1) + " dite vide";
        } else if (r == "Aucune solution possible!") {
            RechercheSimple recherche;
            if (vide || (recherche.Depart(g) && recherche.Chercher() == 1))
                return "grille " + std::to_string(k + 1) + " résoluble dite sans solution";
        } else if (r.size() != 81 || r.find_first_not_of("123456789") != std::string::npos ||
                   !test::Complete(test::GrilleDeTexte(grilles[k]), test::GrilleDeTexte(r))) {
            return "grille " + std::to_string(k + 1) + " : « " + r + " » n'en est pas une solution";
        }
    }
    return "";
}

// How a fuzz target reports a broken check: the reason, then an abort, which libFuzzer keeps as a
// crash with its input.
LUMIO_HORS_COUVERTURE inline int Verdict(const char *cible, const std::string &faute) {
    if (faute.empty()) return 0;
    std::fprintf(stderr, "%s : %s\n", cible, faute.c_str());
    std::abort();
}

} // namespace lumio::fuzz
