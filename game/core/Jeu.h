// The game: its whole shared state under the names the program has always used, and the
// operations on it, grouped in files as the program groups them (modInterface, modJeu,
// modResolution, modCreation).
#pragma once

#include "Affichage.h"
#include "ChoixImprimante.h"
#include "Couleur.h"
#include "Grille.h"
#include "Options.h"
#include "interfaces/Fenetre.h"
#include "interfaces/LecteurSons.h"
#include "interfaces/MagasinReglages.h"
#include "interfaces/SourceAleatoire.h"
#include "interfaces/Surface.h"

#include <cstdint>
#include <functional>
#include <string>

namespace lumio {

struct EtatReprise;
struct PartieLue;

// Key codes of Form_KeyDown.
enum CodeTouche : int {
    ToucheEspace = 32,
    ToucheGauche = 37,
    ToucheHaut = 38,
    ToucheDroite = 39,
    ToucheBas = 40,
    ToucheSuppr = 46,
    TouchePave1 = 97, // keypad 1..9 are 97..105
    TouchePave9 = 105,
    // Beyond the system's codes, the game's own: a pencil mark of 1..9 written or erased at the
    // cursor, a key that only a player with a screen reader has.
    ToucheCrayon1 = 1001,
    ToucheCrayon9 = 1009,
};

// Mouse buttons as Form_MouseDown receives them.
enum BoutonSouris : int { BoutonGauche = 1, BoutonDroit = 2, BoutonMilieu = 4 };

// Board geometry and colours.
constexpr int TailleCase = 45;
constexpr Couleur CouleurLigneFine = RGB(0, 0, 192);
constexpr Couleur CouleurLigneEpaisse = RGB(124, 7, 28);
constexpr Couleur CouleurCadre = RGB(192, 0, 0);

// Raises a flag for exactly the life of a scope, whatever way the scope ends.
class DrapeauLeve {
  public:
    explicit DrapeauLeve(bool &drapeau) : drapeau_(drapeau) { drapeau_ = true; }
    ~DrapeauLeve() { drapeau_ = false; }
    DrapeauLeve(const DrapeauLeve &) = delete;
    DrapeauLeve &operator=(const DrapeauLeve &) = delete;

  private:
    bool &drapeau_;
};

// The text of the level captions, 1..4; "" for any other level.
std::string NomNiveau(int niveau);

// "m:ss" of a number of seconds (minutes without leading zeros).
std::string FormaterTemps(long long secondes);

class Jeu {
  public:
    Jeu(Surface &surface, Fenetre &fenetre, MagasinReglages &reglages, LecteurSons &sons,
        SourceAleatoire &hasard);

    // ---- modInterface: interface state ----
    int Niveau = 0;  // level of new games, 1..4
    int ModeJeu = 0; // ModeJouer or ModeCreation; a hand-edited setting may leave another number
    Chiffre ChiffreChoisi = 0;
    bool VerifImmediate = false;
    bool LimiterChiffres = false;
    Couleur CouleurFondGrille{};
    std::int16_t OrigineX = 0, OrigineY = 0;

    // ---- modJeu: the play-mode game ----
    GrilleChiffres GrilleSolution;
    GrilleBooleens CasesDonnees;
    GrilleChiffres GrilleJeu;
    CompteChiffres NbChiffre;
    std::int32_t SecondesEcoulees = 0;
    int NiveauPartie = 0;

    // ---- modResolution: the creation-mode grid ----
    GrilleChiffres GrilleCreation;
    GrilleChiffres GrilleCreationInitiale;
    bool SolutionTrouvee = false;

    // ---- public fields of frmMain ----
    std::int16_t CURX = 0, CURY = 0;
    float Xcur = 0, Ycur = 0;
    bool FlagSol = false;
    bool BOUTONSOLUTION = false;
    std::string NJOUEUR;
    Couleur CFONDGRILLE{};
    bool FLAGJOUERLESSONS = false;

    // ---- start-up and new game ----
    // `premierePartie`, when given, may put a game of its own on the board instead of the
    // usual first game; it returns false when it did not.
    void Form_Load(const std::function<bool()> &premierePartie = nullptr);
    void PreparerPlateau();
    void NouvellePartieJeu();
    void NouvellePartieCreation();
    void mnuJeuNouveau_Click();
    // The origin of the board for the current client size, as the handlers compute it.
    double OrigineCalculeeX() const;
    double OrigineCalculeeY() const;

    // ---- board drawing ----
    // What each cell shows as drawn, and who is told of it (nobody unless set).
    GrilleAffichee Affichage;
    ObservateurPlateau *observateur = nullptr;
    // The cell and the palette picture i (1..9) as a screen reader speaks them.
    std::string NomCase(int c, int r) const;
    std::string NomPalette(int i) const;
    // Tells the observer what an action did, in a sentence (Annonces.h).
    void Annoncer(const std::string &phrase);
    void DessinerGrille();
    void EffacerCase(int d, GenreChiffre genre, int c, int r);
    void DessinerChiffre(int d, GenreChiffre genre, int c, int r);
    void MarquerErreur(int c, int r, int d);
    void DessinerCadre(int c, int r);
    // Moves the selection frame from (c0, r0) to (c, r), leaving no trace of the old one.
    void RedessinerCurseur(int c0, int r0, int c, int r);
    // Theme n of TableThemes; a number outside the table applies nothing.
    void AppliquerTheme(int n);

    // ---- sounds ----
    void JouerSon(const std::string &cas);
    // The file of an event name, "" for an unknown name.
    static std::string FichierSon(const std::string &cas);

    // ---- cell entry ----
    void PlacerChiffre(int d, GenreChiffre genre, int c, int r);
    void EffacerChiffre(int c, int r);
    void PlacerChiffreCreation(int d, GenreChiffre genre, int c, int r);
    void EffacerChiffreCreation(int c, int r);
    void ChoisirChiffre(int i);
    // Writes the pencil mark of d in (c, r), or erases it when it is there (play mode). Returns
    // why it did neither (Annonces.h), "" when it did.
    std::string BasculerCrayon(int d, int c, int r);
    void mnuRecommencer_Click();

    // ---- verification and victory ----
    // A digit the player put in (c, r) that is not the solution's.
    bool ChiffreFaux(int c, int r) const;
    void VerifierFin();
    void VerifierGrille();
    void VerifierCreation();
    bool ControleLigneOK(std::int16_t &l);
    bool ControleColonneOK(std::int16_t &C);
    bool ControleRegOK(std::int16_t &l, std::int16_t &C);
    void CommandeVerifier(); // TovCommand6, mnuVerifier

    // ---- hints and solution ----
    void DonnerIndice();
    void AfficherSolution();
    void CommandeIndice();   // TovCommand2, mnuIndice
    void CommandeSolution(); // TovCommand1, mnuSolution

    // ---- solver entry ----
    void ResoudreGrille();
    bool RechercheEnCours = false; // a solve is running: grid-changing commands wait

    // ---- saved games ----
    // Puts a saved game, read and checked in full beforehand, on the board.
    void AppliquerPartie(const PartieLue &partie);
    // Puts an interrupted game back exactly as it was left, without a sound.
    void AppliquerReprise(const EtatReprise &etat);
    bool ChargementEnCours = false; // a saved game is being put on the board

    // ---- printing (ChoixImprimante) ----
    bool ImpressionAvecSolution = false; // the current grid prints every digit
    LotGrilles LotImpression;
    // The printer choice, then the page of the current grid.
    void ImprimerGrilleCourante();
    // The printer choice, then a batch of new grids; a count above 99 prints nothing.
    void ImprimerLot(double nombre, int niveau, int avecSolutions);

    // ---- mode switch ----
    void mnuModeChoix(int index);
    // The mode caption and the check marks of the mode menu for a game of the given mode.
    void MontrerMode(bool creation);

    // ---- options ----
    // A game the options would end: a digit the player put on the board in play mode (givens
    // are no game), any digit of a creation grid.
    bool PartieEnCours() const;
    void OuvrirOptions(); // LancerOptions, Image2
    ChoixOptions LireOptions();
    // "OK": writes the eight keys, applies them and starts a new game. Returns false, having
    // done nothing, while a search holds the board.
    bool ValiderOptions(const ChoixOptions &o);

    // ---- clock ----
    void tmrSecondes_Timer();
    void SPause();
    void Form_Resize(bool minimise);
    bool ChronoAvantReduction = false; // the clock ran when the window was minimised

    // ---- best times ----
    std::int16_t LireMeilleurTemps(int n);
    void EnregistrerMeilleurTemps(int n, long long secondes, const std::string &nom);
    void AfficherMeilleursTemps();

    // ---- input ----
    // The cell under a point; false when the point is off the board.
    bool CaseAuPoint(double x, double y, int &c, int &r) const;
    void CaseCurseur(int &c, int &r) const;
    void PlacerAuPoint(int bouton, double x, double y);
    void EffacerAuPoint(double x, double y);
    void Form_MouseDown(int bouton, double x, double y);
    void Form_Click();
    void Form_DblClick();
    void Form_DragDrop(double x, double y);
    void Form_KeyDown(int keyCode);
    void imgChiffre_Click(int index) { ChoisirChiffre(index); }

    Surface &surface;
    Fenetre &fenetre;
    MagasinReglages &reglages;
    LecteurSons &sons;
    SourceAleatoire &hasard;

  private:
    void DessinerLignes();
    // Draws a digit as DessinerChiffre does, with neither sound nor completion check.
    void TracerChiffre(int d, GenreChiffre genre, int c, int r);
    // Draws the pencil mark of d in (c, r), without a sound or a completion check.
    void EcrireCrayon(int d, int c, int r);
    void NoterCase(int c, int r, const CaseAffichee &v);
    void MontrerPaletteInitiale();
    void PlacerCurseurCentre();
    // The selection frame drawn again where the cursor stands, or on the centre cell.
    void RedessinerCadreCurseur();
    // Palette picture i as the counts and the current digit have it: spent, chosen or plain.
    void ActualiserImagePalette(int i);
    // The level and clock captions of a game of either mode; both are hidden in creation mode.
    void MontrerLibellesPartie(bool jeu);
    // The digit counts of the palette as a cell loses or gains a digit.
    void RetirerDuCompte(int e);
    void AjouterAuCompte(int s);
    bool GrilleJeuComplete() const;
    // The print dialog: true once a printer is chosen; `echec` is shown when the dialog failed.
    bool ChoisirImprimante(const std::string &echec);
};

} // namespace lumio
