// The recovery file: one line per field, grids as 81 characters in column order, read back with
// every value checked.
#include "Reprise.h"

#include "Jeu.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <sstream>
#include <vector>

namespace lumio {

namespace {

const std::string EnteteReprise = "Sudoku Lumio, partie interrompue, version 1";

// Thrown by the reader with what is wrong, for the error stream.
struct Defaut {
    std::string detail;
};

template <typename T> std::string Nombre(T v) {
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    return std::string(tampon, r.ptr);
}

std::string Chiffres(const GrilleChiffres &g) {
    std::string s;
    for (Chiffre d : g.Cases())
        s += char('0' + d);
    return s;
}

std::string Booleens(const GrilleBooleens &g) {
    std::string s;
    for (bool b : g.Cases())
        s += b ? '1' : '0';
    return s;
}

// A cell as drawn: "." empty, "c147" pencil marks 1, 4 and 7, "5d" a given, "5j" a player digit,
// "5f" a red digit of the immediate check, "5m" a red digit marked by "Vérifier".
std::string Case(const CaseAffichee &v) {
    if (v.chiffre == 0) {
        if (v.crayons == 0) return ".";
        std::string s = "c";
        for (int d = 1; d <= 9; ++d)
            if (v.crayons & (1u << d)) s += char('0' + d);
        return s;
    }
    char genre = 'j';
    if (v.genre == GenreDonnee) genre = 'd';
    if (v.genre == GenreFaux) genre = v.marque ? 'm' : 'f';
    return std::string(1, char('0' + v.chiffre)) + genre;
}

// ---- reading ----

class Lecteur {
  public:
    explicit Lecteur(const std::string &texte) {
        std::size_t debut = 0;
        while (debut < texte.size()) {
            const std::size_t fin = texte.find('\n', debut);
            if (fin == std::string::npos) throw Defaut{"la dernière ligne n'est pas terminée"};
            lignes_.push_back(texte.substr(debut, fin - debut));
            debut = fin + 1;
        }
    }

    void Entete() {
        if (lignes_.empty() || lignes_[0] != EnteteReprise)
            throw Defaut{"ce n'est pas un fichier de reprise"};
        suivante_ = 1;
    }

    // The words of the next line, which must begin with `cle` and hold `n` values after it.
    std::vector<std::string> Ligne(const std::string &cle, std::size_t n) {
        if (suivante_ >= lignes_.size()) throw Defaut{"le fichier s'arrête avant « " + cle + " »"};
        std::vector<std::string> mots;
        std::istringstream flux(lignes_[suivante_++]);
        flux.imbue(std::locale::classic());
        for (std::string m; flux >> m;)
            mots.push_back(m);
        if (mots.empty() || mots[0] != cle) throw Defaut{"« " + cle + " » attendu à la ligne " + Numero()};
        if (mots.size() != n + 1)
            throw Defaut{"« " + cle + " » : " + std::to_string(mots.size() - 1) + " valeurs au lieu de " +
                         std::to_string(n)};
        mots.erase(mots.begin());
        return mots;
    }

    void Fin() {
        Ligne("fin", 0);
        if (suivante_ != lignes_.size()) throw Defaut{"des lignes suivent « fin »"};
    }

    std::string Numero() const { return std::to_string(suivante_); }

  private:
    std::vector<std::string> lignes_;
    std::size_t suivante_ = 0;
};

long long Entier(const std::string &mot, long long min, long long max, const std::string &cle) {
    long long v = 0;
    const auto r = std::from_chars(mot.data(), mot.data() + mot.size(), v);
    if (r.ec != std::errc() || r.ptr != mot.data() + mot.size() || v < min || v > max)
        throw Defaut{"« " + cle + " » : « " + mot + " » n'est pas un entier de " + std::to_string(min) +
                     " à " + std::to_string(max)};
    return v;
}

bool Drapeau(const std::string &mot, const std::string &cle) {
    return Entier(mot, 0, 1, cle) == 1;
}

// The cursor is a point of the window: any finite value far off the board is refused, so that the
// cell computed from it always fits an int.
float Coordonnee(const std::string &mot, const std::string &cle) {
    float v = 0;
    const auto r = std::from_chars(mot.data(), mot.data() + mot.size(), v);
    if (r.ec != std::errc() || r.ptr != mot.data() + mot.size() || !std::isfinite(v) || std::fabs(v) > 100000)
        throw Defaut{"« " + cle + " » : « " + mot + " » n'est pas une position"};
    return v;
}

// 81 cells in column order, each a character from '0' to `haut`.
template <typename T>
void LireCases(const std::string &mot, Grille9<T> &g, char haut, const std::string &cle) {
    if (mot.size() != 81)
        throw Defaut{"« " + cle + " » : " + std::to_string(mot.size()) + " cases au lieu de 81"};
    for (std::size_t k = 0; k < 81; ++k) {
        if (mot[k] < '0' || mot[k] > haut)
            throw Defaut{"« " + cle + " » : caractère « " + std::string(1, mot[k]) + " » à la case " +
                         std::to_string(k + 1)};
        g.Cases()[k] = T(mot[k] - '0');
    }
}

CaseAffichee LireCase(const std::string &mot, std::size_t k) {
    const auto refus = [&] {
        return Defaut{"« affichage » : « " + mot + " » à la case " + std::to_string(k + 1)};
    };
    CaseAffichee v;
    if (mot == ".") return v;
    if (mot[0] == 'c') {
        if (mot.size() < 2 || mot.size() > 10) throw refus();
        int precedent = 0;
        for (std::size_t i = 1; i < mot.size(); ++i) {
            const int d = mot[i] - '0';
            if (d <= precedent || d > 9) throw refus(); // each mark once, in order
            v.crayons = std::uint16_t(v.crayons | (1u << d));
            precedent = d;
        }
        return v;
    }
    if (mot.size() != 2 || mot[0] < '1' || mot[0] > '9') throw refus();
    v.chiffre = Chiffre(mot[0] - '0');
    switch (mot[1]) {
    case 'd':
        v.genre = GenreDonnee;
        break;
    case 'j':
        v.genre = GenreJoueur;
        break;
    case 'f':
        v.genre = GenreFaux;
        break;
    case 'm':
        v.genre = GenreFaux;
        v.marque = true;
        break;
    default:
        throw refus();
    }
    return v;
}

bool EnModeJeu(int mode) {
    return mode != ModeCreation; // any mode but creation plays
}

EtatReprise Lire(const std::string &texte) {
    Lecteur l(texte);
    l.Entete();
    EtatReprise e;
    e.ModeJeu = int(Entier(l.Ligne("mode", 1)[0], INT32_MIN, INT32_MAX, "mode"));
    e.NiveauPartie = int(Entier(l.Ligne("niveau", 1)[0], 0, 4, "niveau"));
    e.SecondesEcoulees = std::int32_t(Entier(l.Ligne("secondes", 1)[0], 0, INT32_MAX, "secondes"));
    e.ChiffreChoisi = Chiffre(Entier(l.Ligne("chiffre", 1)[0], 1, 9, "chiffre"));
    const auto curseur = l.Ligne("curseur", 2);
    e.Xcur = Coordonnee(curseur[0], "curseur");
    e.Ycur = Coordonnee(curseur[1], "curseur");
    const auto clic = l.Ligne("clic", 2);
    e.CURX = std::int16_t(Entier(clic[0], INT16_MIN, INT16_MAX, "clic"));
    e.CURY = std::int16_t(Entier(clic[1], INT16_MIN, INT16_MAX, "clic"));
    const auto chrono = l.Ligne("chrono", 2);
    e.ChronoEnMarche = Drapeau(chrono[0], "chrono");
    e.Pause = Drapeau(chrono[1], "chrono");
    const auto solution = l.Ligne("solution-vue", 3);
    e.BOUTONSOLUTION = Drapeau(solution[0], "solution-vue");
    e.FlagSol = Drapeau(solution[1], "solution-vue");
    e.SolutionTrouvee = Drapeau(solution[2], "solution-vue");
    LireCases(l.Ligne("solution", 1)[0], e.GrilleSolution, '9', "solution");
    LireCases(l.Ligne("donnees", 1)[0], e.CasesDonnees, '1', "donnees");
    LireCases(l.Ligne("jeu", 1)[0], e.GrilleJeu, '9', "jeu");
    const auto compte = l.Ligne("compte", 9);
    for (int d = 1; d <= 9; ++d)
        e.NbChiffre(d) = std::int16_t(Entier(compte[std::size_t(d - 1)], 0, 81, "compte"));
    LireCases(l.Ligne("creation", 1)[0], e.GrilleCreation, '9', "creation");
    LireCases(l.Ligne("creation-initiale", 1)[0], e.GrilleCreationInitiale, '9', "creation-initiale");
    const auto cases = l.Ligne("affichage", 81);
    for (std::size_t k = 0; k < 81; ++k)
        e.Affichage.Cases()[k] = LireCase(cases[k], k);
    l.Fin();

    // What the play-mode rules take for granted. A creation grid typed before any game has no
    // solution yet, so these hold only in play mode.
    if (EnModeJeu(e.ModeJeu)) {
        if (e.NiveauPartie == 0) throw Defaut{"une partie en mode Jeu sans niveau"};
        if (!GrilleValide(e.GrilleSolution)) throw Defaut{"la grille solution n'est pas valide"};
        CompteChiffres recompte;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                const int d = e.GrilleJeu(c, r);
                if (e.CasesDonnees(c, r) && d != e.GrilleSolution(c, r))
                    throw Defaut{"la case donnée (" + std::to_string(c) + ", " + std::to_string(r) +
                                 ") ne montre pas sa solution"};
                if (d != 0) recompte(d) += 1;
            }
        for (int d = 1; d <= 9; ++d)
            if (recompte(d) != e.NbChiffre(d))
                throw Defaut{"le compte du chiffre " + std::to_string(d) + " ne correspond pas à la grille"};
    }
    return e;
}

} // namespace

bool EtatReprise::operator==(const EtatReprise &o) const {
    return ModeJeu == o.ModeJeu && NiveauPartie == o.NiveauPartie && SecondesEcoulees == o.SecondesEcoulees &&
           ChiffreChoisi == o.ChiffreChoisi && Xcur == o.Xcur && Ycur == o.Ycur && CURX == o.CURX &&
           CURY == o.CURY && ChronoEnMarche == o.ChronoEnMarche && Pause == o.Pause &&
           BOUTONSOLUTION == o.BOUTONSOLUTION && FlagSol == o.FlagSol &&
           SolutionTrouvee == o.SolutionTrouvee && GrilleSolution == o.GrilleSolution &&
           CasesDonnees == o.CasesDonnees && GrilleJeu == o.GrilleJeu && NbChiffre == o.NbChiffre &&
           GrilleCreation == o.GrilleCreation && GrilleCreationInitiale == o.GrilleCreationInitiale &&
           Affichage == o.Affichage;
}

namespace {

// The fields a game and its recovery share, under the same names, copied either way.
template <typename Vers, typename De> void CopierChamps(Vers &v, const De &d) {
    v.ModeJeu = d.ModeJeu;
    v.NiveauPartie = d.NiveauPartie;
    v.SecondesEcoulees = d.SecondesEcoulees;
    v.ChiffreChoisi = d.ChiffreChoisi;
    v.Xcur = d.Xcur;
    v.Ycur = d.Ycur;
    v.CURX = d.CURX;
    v.CURY = d.CURY;
    v.BOUTONSOLUTION = d.BOUTONSOLUTION;
    v.FlagSol = d.FlagSol;
    v.SolutionTrouvee = d.SolutionTrouvee;
    v.GrilleSolution = d.GrilleSolution;
    v.CasesDonnees = d.CasesDonnees;
    v.GrilleJeu = d.GrilleJeu;
    v.NbChiffre = d.NbChiffre;
    v.GrilleCreation = d.GrilleCreation;
    v.GrilleCreationInitiale = d.GrilleCreationInitiale;
}

} // namespace

EtatReprise EtatActuel(const Jeu &jeu) {
    EtatReprise e;
    CopierChamps(e, jeu);
    // A minimised window stops the clock only until it is restored.
    e.ChronoEnMarche = jeu.fenetre.ChronoActif() || jeu.ChronoAvantReduction;
    e.Pause = jeu.fenetre.PauseCochee();
    e.Affichage = jeu.Affichage;
    return e;
}

namespace {

bool Utile(const EtatReprise &e) {
    bool quelqueChose = false, complete = true;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            if (e.Affichage(c, r).crayons != 0) quelqueChose = true;
            if (EnModeJeu(e.ModeJeu)) {
                const int g = e.GrilleJeu(c, r);
                if (g != 0 && !e.CasesDonnees(c, r)) quelqueChose = true;
                if (g == 0 || g != e.GrilleSolution(c, r)) complete = false;
            } else if (e.GrilleCreation(c, r) != 0) {
                quelqueChose = true;
            }
        }
    // A won game is over; a creation grid is never won.
    return quelqueChose && !(EnModeJeu(e.ModeJeu) && complete);
}

} // namespace

bool RepriseUtile(const EtatReprise &etat) {
    // Before the first game there is nothing at all.
    return etat.ChiffreChoisi >= 1 && etat.ChiffreChoisi <= 9 && Utile(etat);
}

bool RepriseUtile(const Jeu &jeu) {
    return RepriseUtile(EtatActuel(jeu));
}

std::string EcrireReprise(const EtatReprise &e) {
    std::string s = EnteteReprise + "\n";
    s += "mode " + Nombre(e.ModeJeu) + "\n";
    s += "niveau " + Nombre(e.NiveauPartie) + "\n";
    s += "secondes " + Nombre(e.SecondesEcoulees) + "\n";
    s += "chiffre " + Nombre(int(e.ChiffreChoisi)) + "\n";
    // The shortest text that reads back as the very same float.
    s += "curseur " + Nombre(e.Xcur) + " " + Nombre(e.Ycur) + "\n";
    s += "clic " + Nombre(e.CURX) + " " + Nombre(e.CURY) + "\n";
    s += "chrono " + Nombre(int(e.ChronoEnMarche)) + " " + Nombre(int(e.Pause)) + "\n";
    s += "solution-vue " + Nombre(int(e.BOUTONSOLUTION)) + " " + Nombre(int(e.FlagSol)) + " " +
         Nombre(int(e.SolutionTrouvee)) + "\n";
    s += "solution " + Chiffres(e.GrilleSolution) + "\n";
    s += "donnees " + Booleens(e.CasesDonnees) + "\n";
    s += "jeu " + Chiffres(e.GrilleJeu) + "\n";
    s += "compte";
    for (int d = 1; d <= 9; ++d)
        s += " " + Nombre(e.NbChiffre(d));
    s += "\ncreation " + Chiffres(e.GrilleCreation) + "\n";
    s += "creation-initiale " + Chiffres(e.GrilleCreationInitiale) + "\n";
    s += "affichage";
    for (const CaseAffichee &v : e.Affichage.Cases())
        s += " " + Case(v);
    s += "\nfin\n";
    return s;
}

std::optional<EtatReprise> LireReprise(const std::string &texte, std::string &detail) {
    try {
        return Lire(texte);
    } catch (const Defaut &d) {
        detail = d.detail;
        return std::nullopt;
    }
}

IssueReprise ProposerReprise(Jeu &jeu, const std::string &texte, std::string &detail) {
    const auto etat = LireReprise(texte, detail);
    if (!etat || !Utile(*etat)) return IssueReprise::Aucune;
    // The cursor always stands on the board; the board's place is only known here.
    int c = 0, r = 0;
    if (!jeu.CaseAuPoint(etat->Xcur, etat->Ycur, c, r)) {
        detail = "le curseur est hors de la grille";
        return IssueReprise::Aucune;
    }
    const Message question{QuestionReprise, Boutons::OuiNon, Icone::Question, TitreProgramme};
    if (jeu.fenetre.BoiteMessage(question) != Reponse::Oui) return IssueReprise::Refusee;
    jeu.AppliquerReprise(*etat);
    return IssueReprise::Reprise;
}

void Jeu::AppliquerReprise(const EtatReprise &e) {
    // Nothing is being played: no sound, and a grid complete as it stands is no new victory.
    const DrapeauLeve chargement(ChargementEnCours);
    CopierChamps(*this, e);
    ChronoAvantReduction = false;

    // Captions and check marks as the game that was left had them; the store is not written: it
    // already held this mode when the game was last kept.
    if (ModeJeu == ModeJouer || ModeJeu == ModeCreation) MontrerMode(ModeJeu == ModeCreation);
    MontrerLibellesPartie(ModeJeu != ModeCreation);

    for (int i = 1; i <= 9; ++i)
        ActualiserImagePalette(i);

    // The board is drawn again from what each cell showed, each look with its own drawing.
    DessinerGrille();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            const CaseAffichee &v = e.Affichage(c, r);
            if (v.marque)
                MarquerErreur(c, r, v.chiffre);
            else if (v.chiffre != 0)
                TracerChiffre(v.chiffre, GenreChiffre(v.genre), c, r);
            for (int d = 1; d <= 9; ++d)
                if (v.crayons & (1u << d)) EcrireCrayon(d, c, r);
        }
    RedessinerCadreCurseur();

    // Both as they were: a game started while paused runs its clock under a checked "&Pause".
    fenetre.CocherPause(e.Pause);
    fenetre.ActiverChrono(e.ChronoEnMarche);
}

} // namespace lumio
