// Interface state: start-up, board set-up and drawing, colour themes and sounds.
#include "Jeu.h"

#include "Conversions.h"
#include "Themes.h"
#include "modCreation.h"

#include <array>
#include <map>

namespace lumio {

namespace {

constexpr Couleur CouleurCrayon = RGB(90, 90, 90);
constexpr Couleur CouleurJoueur = RGB(0, 0, 192);
constexpr Couleur CouleurDonnee = RGB(128, 64, 64);
constexpr Couleur CouleurFaux = RGB(255, 0, 0);
const std::string PoliceChiffres = "Comic sans MS";

} // namespace

std::string NomNiveau(int niveau) {
    static const char *noms[] = {"Facile", "Moyen", "Difficile", "Expert"};
    return niveau >= 1 && niveau <= 4 ? noms[niveau - 1] : "";
}

Jeu::Jeu(Surface &s, Fenetre &f, MagasinReglages &m, LecteurSons &l, SourceAleatoire &h)
    : surface(s), fenetre(f), reglages(m), sons(l), hasard(h) {}

void Jeu::Form_Load(const std::function<bool()> &premierePartie) {
    // The random source is seeded once, when the process creates it.
    fenetre.Montrer();

    // The same reading as the options dialog's, with the same rules for a hand-edited value.
    const ChoixOptions o = LireOptions();
    if (const int niveau = OptionNiveau(o.ChoixDifficulte)) {
        Niveau = niveau;
        fenetre.DefinirLibelle(2, NomNiveau(Niveau));
    } else {
        Niveau = 1; // a hand-edited level the generator cannot take
    }

    const long long tmd = ArrondiPair(ValeurNumerique(o.TypeJeu));
    ModeJeu = tmd >= -2147483647 && tmd <= 2147483647 ? int(tmd) : 0;
    if (ModeJeu == ModeJouer || ModeJeu == ModeCreation) MontrerMode(ModeJeu == ModeCreation);

    // Without a theme the board still gets the system window colour: a black board would hide
    // the digits.
    CFONDGRILLE = fenetre.CouleurFondSysteme();
    if (const int theme = OptionCouleur(o.ChoixCouleur); theme >= 0) AppliquerTheme(theme);

    PreparerPlateau();

    VerifImmediate = o.Veri;
    LimiterChiffres = o.Limiter;
    FLAGJOUERLESSONS = o.Sons;
    NJOUEUR = o.NomJoueur;

    if (!premierePartie || !premierePartie()) mnuJeuNouveau_Click();
}

void Jeu::PreparerPlateau() {
    ChiffreChoisi = 1;
    const TailleClient t = fenetre.Taille();
    const long long W = t.largeur, H = t.hauteur;
    OrigineX =
        std::int16_t(ArrondiPair(double(ArrondiPair(double(W - 405)) / 2 - 112) - double(W - 730) / 6));
    OrigineY = std::int16_t(ArrondiPair(double(H - 405)) / 2 - 30);
    CouleurFondGrille = CFONDGRILLE;
    DessinerGrille();
}

double Jeu::OrigineCalculeeX() const {
    const long long W = fenetre.Taille().largeur;
    return double(ArrondiPair(double(W - 405)) / 2 - 112) - double(W - 730) / 6;
}

double Jeu::OrigineCalculeeY() const {
    const long long H = fenetre.Taille().hauteur;
    return double(ArrondiPair(double(H - 405)) / 2 - 30);
}

void Jeu::DessinerLignes() {
    const double X0 = OrigineX, Y0 = OrigineY;
    for (int i = 1; i <= 8; ++i) {
        const bool epaisse = i % 3 == 0;
        const double w = epaisse ? 3 : 1;
        const Couleur c = epaisse ? CouleurLigneEpaisse : CouleurLigneFine;
        surface.Ligne(X0 + 45 * i, Y0, X0 + 45 * i, Y0 + 406, w, c);
        surface.Ligne(X0, Y0 + 45 * i, X0 + 406, Y0 + 45 * i, w, c);
    }
    surface.Encadrer(X0 - 2, Y0 - 2, X0 + 408, Y0 + 408, 5, CouleurLigneEpaisse);
}

void Jeu::DessinerGrille() {
    surface.Remplir(OrigineX, OrigineY, OrigineX + 405, OrigineY + 405, CouleurFondGrille);
    DessinerLignes();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            NoterCase(c, r, {});
}

void Jeu::EffacerCase(int d, GenreChiffre genre, int c, int r) {
    double x = OrigineX + 45 * (c - 1) + 4, y = OrigineY + 45 * (r - 1) + 4, taille = 37;
    if (genre == GenreCrayon) {
        x += 14 * ((d - 1) % 3);
        y += 14 * ((d - 1) / 3);
        taille = 9;
    }
    surface.Remplir(x, y, x + taille, y + taille, CouleurFondGrille);
    CaseAffichee v = Affichage(c, r);
    if (genre == GenreCrayon)
        v.crayons = std::uint16_t(v.crayons & ~(1u << d));
    else
        v = {};
    NoterCase(c, r, v);
}

void Jeu::DessinerChiffre(int d, GenreChiffre genre, int c, int r) {
    if (genre != GenreDonnee) JouerSon("PlacerLettre");
    TracerChiffre(d, genre, c, r);
    VerifierFin();
}

void Jeu::TracerChiffre(int d, GenreChiffre genre, int c, int r) {
    if (genre == GenreCrayon) {
        // A mark already there stays as it is: drawn twice over itself, its soft edges would
        // darken, and the board could no longer be drawn again exactly as the player left it.
        if (!(Affichage(c, r).crayons & (1u << d))) EcrireCrayon(d, c, r);
        return;
    }
    EffacerCase(d, genre, c, r);
    const std::string s(1, char('0' + d));
    const Couleur couleur = genre == GenreDonnee ? CouleurDonnee
                            : genre == GenreFaux ? CouleurFaux
                                                 : CouleurJoueur;
    const Police police{PoliceChiffres, 21, genre == GenreDonnee};
    const double x = OrigineX + 45 * (c - 0.5) - surface.LargeurTexte(s, police) / 2;
    const double y = OrigineY + 45 * (r - 0.5) - surface.HauteurTexte(s, police) / 2;
    if (x >= 43) {
        surface.Ecrire(x, y, s, police, couleur);
        NoterCase(c, r, {Chiffre(d), genre, 0});
    }
}

void Jeu::EcrireCrayon(int d, int c, int r) {
    const std::string s(1, char('0' + d));
    const Police police{PoliceChiffres, 11, false};
    const long long w = ArrondiPair(surface.LargeurTexte(s, police));
    const long long h = ArrondiPair(surface.HauteurTexte(s, police));
    const double x = OrigineX + 45 * (c - 1) + 2 + 14 * ((d - 1) % 3 + 0.5) - double(w / 2);
    const double y = OrigineY + 45 * (r - 1) + 2 + 14 * ((d - 1) / 3 + 0.5) - double(h / 2) - 1;
    // A mark stays inside the square that erasing the cell clears, whatever the font's
    // ascent: with a look-alike face the top row of marks would otherwise leave a trace.
    const double xc = OrigineX + 45 * (c - 1) + 4, yc = OrigineY + 45 * (r - 1) + 4;
    surface.Decouper(xc, yc, xc + 37, yc + 37);
    surface.Ecrire(x, y, s, police, CouleurCrayon);
    surface.SansDecoupe();
    CaseAffichee v = Affichage(c, r);
    v.crayons = std::uint16_t(v.crayons | (1u << d));
    NoterCase(c, r, v);
}

void Jeu::MarquerErreur(int c, int r, int d) {
    EffacerCase(d, GenreJoueur, c, r);
    const std::string s(1, char('0' + d));
    const Police police{"Arial", 19, false};
    const double x = OrigineX + 45 * (c - 0.5) - surface.LargeurTexte(s, police) / 2;
    const double y = OrigineY + 45 * (r - 0.5) - surface.HauteurTexte(s, police) / 2;
    surface.Ecrire(x, y, s, police, CouleurFaux);
    NoterCase(c, r, {Chiffre(d), GenreFaux, 0, true});
}

void Jeu::DessinerCadre(int c, int r) {
    surface.Encadrer(OrigineX + 45 * (c - 1), OrigineY + 45 * (r - 1), OrigineX + 45 * c, OrigineY + 45 * r,
                     2, CouleurCadre);
    if (observateur) observateur->CurseurPlace(c, r);
}

void Jeu::RedessinerCurseur(int c0, int r0, int c, int r) {
    // The frame's pen (width 2) covers one pixel on each side of the cell's border lines. Each
    // of its four strips is painted over with the background, then the grid is drawn again
    // inside the strip alone, in its own order, so crossings come back exactly as they were.
    const double x1 = OrigineX + 45 * (c0 - 1), y1 = OrigineY + 45 * (r0 - 1), x2 = x1 + 45, y2 = y1 + 45;
    const std::array<std::array<double, 4>, 4> bandes = {{{x1 - 1, y1 - 1, x2, y1},
                                                          {x1 - 1, y2 - 1, x2, y2},
                                                          {x1 - 1, y1 - 1, x1, y2},
                                                          {x2 - 1, y1 - 1, x2, y2}}};
    for (const auto &b : bandes) {
        surface.Decouper(b[0], b[1], b[2], b[3]);
        surface.Remplir(b[0], b[1], b[2], b[3], CFONDGRILLE);
        DessinerLignes();
        surface.SansDecoupe();
    }
    DessinerCadre(c, r);
}

void Jeu::AppliquerTheme(int n) {
    if (n < 0 || n >= NombreThemes) return;
    CFONDGRILLE = fenetre.CouleurFondSysteme();
    fenetre.AppliquerTheme(TableThemes[std::size_t(n)]);
}

std::string Jeu::FichierSon(const std::string &cas) {
    static const std::map<std::string, std::string> fichiers = {{"Ok", "Ok.wav"},
                                                                {"Erreur", "erreur.wav"},
                                                                {"Accueil", "accueil.wav"},
                                                                {"Recommencer", "Recommencer.wav"},
                                                                {"PlacerLettre", "PlacerLettre.wav"},
                                                                {"AffichSolu", "AffichSol.wav"},
                                                                {"Bravo", "Bravo.wav"},
                                                                {"Indice", "Indice.wav"}};
    const auto it = fichiers.find(cas);
    return it == fichiers.end() ? "" : it->second;
}

void Jeu::JouerSon(const std::string &cas) {
    if (!FLAGJOUERLESSONS) return;
    const std::string fichier = FichierSon(cas);
    if (!fichier.empty()) sons.Jouer("Sons/" + fichier);
}

} // namespace lumio
