// Printed pages in millimetres: the current grid on one sheet, batches two grids to a sheet.
#include "ChoixImprimante.h"

#include "Conversions.h"
#include "Jeu.h"
#include "modCreation.h"

#include <cmath>

namespace lumio {

namespace {

constexpr Couleur Noir = RGB(0, 0, 0);
constexpr double CotePapier = 12, CoteBloc = 36;
// Pens in printer dots: a hairline for the cells, a bold rule around the blocks.
constexpr double PlumeCase = 1, PlumeBloc = 10;
// The bottom grid of a batch page sits this far below the top one.
constexpr double EcartGrilles = 150;

// Where the paper's own margins put the origin: grids are placed from the sheet's edges,
// assuming the printable area is centred on it.
double OrigineX(double largeur) {
    return 20 - (210 - largeur) / 2;
}
double OrigineY(double hauteur) {
    return 15 - (297 - hauteur) / 2;
}

Police PoliceImpression(bool gras) {
    return Police{"", TaillePoliceImpression, gras};
}

// Writes a text centred on the point (x, y), measured in its own font.
void EcrireCentre(Surface &page, double x, double y, const std::string &texte, const Police &police) {
    const double l = page.LargeurTexte(texte, police), h = page.HauteurTexte(texte, police);
    page.Ecrire(x - l / 2, y - h / 2, texte, police, Noir);
}

void DessinerGrille(Surface &page, double x0, double haut, const GrilleImprimee &g) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const double x = x0 + CotePapier * (c - 1), y = haut + CotePapier * (r - 1);
            const CaseImprimee &k = g(c, r);
            page.Encadrer(x, y, x + CotePapier, y + CotePapier, PlumeCase, Noir);
            const std::string texte = k.chiffre ? std::string(1, char('0' + k.chiffre)) : std::string(" ");
            EcrireCentre(page, x + CotePapier / 2, y + CotePapier / 2, texte, PoliceImpression(k.gras));
        }
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            const double x = x0 + CoteBloc * (j - 1), y = haut + CoteBloc * (i - 1);
            page.Encadrer(x, y, x + CoteBloc, y + CoteBloc, PlumeBloc, Noir);
        }
}

bool Terminer(Surface &page) {
    if (page.FinImpression()) return true;
    page.AbandonnerImpression();
    return false;
}

} // namespace

std::string NomNiveauTitre(int niveau) {
    return Minuscules(NomNiveau(niveau));
}

int NiveauDuReglage(const std::string &cp) {
    return cp.size() == 1 && cp[0] >= '1' && cp[0] <= '4' ? cp[0] - '0' : 0;
}

int NombreDeGrilles(double nombre) {
    if (!(nombre >= 1)) return 0;
    if (nombre > LotMaximum) return -1;
    return int(std::floor(nombre));
}

std::optional<std::string> ImprimanteChoisie(const std::string &nom,
                                             const std::vector<std::string> &installees) {
    // The old device field kept 31 characters and a NUL: a longer name is found by its start.
    const std::string coupe = nom.substr(0, std::min<std::size_t>(nom.find('\0'), 31));
    for (const std::string &p : installees)
        if (p.find(coupe) != std::string::npos) return p;
    return std::nullopt;
}

GrilleImprimee GrilleCourante(const Jeu &jeu) {
    GrilleImprimee g;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            CaseImprimee &k = g(c, r);
            if (jeu.ModeJeu != ModeCreation) {
                const bool donnee = jeu.CasesDonnees(c, r);
                k.chiffre = jeu.ImpressionAvecSolution || donnee ? jeu.GrilleSolution(c, r) : 0;
                k.gras = donnee;
            } else if (jeu.ImpressionAvecSolution) {
                k.chiffre = jeu.GrilleCreation(c, r);
                k.gras = jeu.GrilleCreation(c, r) == jeu.GrilleCreationInitiale(c, r);
            } else {
                k.chiffre = jeu.FlagSol ? jeu.GrilleCreationInitiale(c, r) : jeu.GrilleCreation(c, r);
            }
        }
    return g;
}

bool ComposerGrille(Surface &page, const GrilleImprimee &grille) {
    double largeur = 0, hauteur = 0;
    page.MettreEnPage(largeur, hauteur);
    DessinerGrille(page, OrigineX(largeur), OrigineY(hauteur), grille);
    return Terminer(page);
}

bool ComposerLot(Surface &page, SourceAleatoire &hasard, LotGrilles &lot, int nombre, int niveau,
                 int niveauCourant, bool avecSolutions) {
    if (nombre < 0 || nombre > LotMaximum) return false;
    double largeur = 0, hauteur = 0;
    page.MettreEnPage(largeur, hauteur);
    const double x0 = OrigineX(largeur), y0 = OrigineY(hauteur) + 10;
    const std::string niveauTitre = "  -  Niveau " + NomNiveauTitre(niveau);

    // Grid n goes to the top of a sheet when odd, to the bottom when even. A sheet is only
    // started for a grid that goes on it, so no blank sheet ever comes out at the end.
    bool pageEntamee = false;
    auto Placer = [&](int n, const std::string &titre, const GrilleImprimee &g) {
        if (n % 2 == 1 && pageEntamee && !page.NouvellePage()) return false;
        pageEntamee = true;
        const double haut = n % 2 == 1 ? y0 : y0 + EcartGrilles;
        page.Ecrire(x0, haut - 10, titre + AvecSigne(n) + niveauTitre, PoliceImpression(false), Noir);
        DessinerGrille(page, x0, haut, g);
        return true;
    };

    for (int n = 1; n <= nombre; ++n) {
        GenererGrille(hasard, lot.SolutionTravail, lot.DonneesTravail, niveau, niveauCourant);
        lot.Solutions[std::size_t(n - 1)] = lot.SolutionTravail;
        lot.Donnees[std::size_t(n - 1)] = lot.DonneesTravail;
        GrilleImprimee g;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (lot.DonneesTravail(c, r)) g(c, r) = {lot.SolutionTravail(c, r), true};
        if (!Placer(n, "Grille ", g)) {
            page.AbandonnerImpression();
            return false;
        }
    }
    // Solution n is an odd one at the top of a fresh sheet whatever the puzzles left on theirs.
    for (int n = 1; avecSolutions && n <= nombre; ++n) {
        GrilleImprimee g;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                g(c, r) = {lot.Solutions[std::size_t(n - 1)](c, r), lot.Donnees[std::size_t(n - 1)](c, r)};
        if (!Placer(n, "Solution grille ", g)) {
            page.AbandonnerImpression();
            return false;
        }
    }
    return Terminer(page);
}

// ---------------------------------------------------------------- the game's print commands

void Jeu::ImprimerGrilleCourante() {
    if (!ChoisirImprimante("Une erreur est survenue")) return;
    ComposerGrille(*fenetre.PageImprimante(), GrilleCourante(*this));
}

void Jeu::ImprimerLot(double nombre, int niveau, int avecSolutions) {
    const int n = NombreDeGrilles(nombre);
    if (n < 0) return;
    if (!ChoisirImprimante(
            "Une erreur inattendue est survenue. Veuillez nous excuser pour la géne occasionnée"))
        return;
    ImpressionAvecSolution = false;
    ComposerLot(*fenetre.PageImprimante(), hasard, LotImpression, n, niveau, Niveau, avecSolutions == 1);
}

bool Jeu::ChoisirImprimante(const std::string &echec) {
    const int resultat = fenetre.ChoisirImprimante();
    if (resultat == 0) return false;
    if (resultat != 1 || !fenetre.PageImprimante()) {
        fenetre.BoiteMessage(Message{echec, Boutons::Ok, Icone::Aucune, TitreDefaut});
        return false;
    }
    return true;
}

} // namespace lumio
