// What the game asks of its main window besides drawing.
#pragma once

#include "Couleur.h"
#include "interfaces/Surface.h"

#include <string>

namespace lumio {

enum class Boutons { Ok, OkAnnuler, OuiNon };
enum class Icone { Aucune, Question, Critique, Information };
enum class Reponse { Ok, Annuler, Oui, Non };

// Titles of the message boxes: the default one and the program's name.
inline const std::string TitreDefaut = "Sudoku";
inline const std::string TitreProgramme = "Sudoku Lumio";

struct Message {
    std::string texte;
    Boutons boutons = Boutons::Ok;
    Icone icone = Icone::Aucune;
    std::string titre = TitreDefaut;
    bool nonParDefaut = false; // Yes/No box whose default button is No
    // What a screen reader says besides the text, which the box does not show.
    std::string pourLecteur = {};
};

struct TailleClient {
    int largeur = 730;
    int hauteur = 517;
};

class Fenetre {
  public:
    virtual ~Fenetre() = default;

    virtual void Montrer() = 0;
    virtual TailleClient Taille() const = 0;

    // Palette picture i (1..9) shows picture k (0..18) of the image store.
    virtual void MontrerImagePalette(int i, int k) = 0;

    // Label1 (mode), Label2 (level), Label3 (clock).
    virtual void DefinirLibelle(int n, const std::string &texte) = 0;
    virtual std::string TexteLibelle(int n) const = 0;
    virtual void MontrerLibelle(int n, bool visible) = 0;

    // The one-second clock timer tmrSecondes.
    virtual void ActiverChrono(bool actif) = 0;
    virtual bool ChronoActif() const = 0;

    // Check marks of mnuModeChoix(1), mnuModeChoix(2) and PauseChrono.
    virtual void CocherMode(int index, bool coche) = 0;
    virtual bool ModeCoche(int index) const = 0;
    virtual void CocherPause(bool coche) = 0;
    virtual bool PauseCochee() const = 0;

    virtual void DonnerFocusCoupN() = 0;

    // Modal boxes. An input box returns "" when cancelled; its position is in twips from the
    // main window's top-left corner; `pourLecteur` is said by a screen reader, never shown.
    virtual Reponse BoiteMessage(const Message &m) = 0;
    virtual std::string BoiteSaisie(const std::string &invite, const std::string &titre,
                                    const std::string &defaut, int xTwips, int yTwips,
                                    const std::string &pourLecteur) = 0;

    // The best-times window, modal; returns when it is closed.
    virtual void AfficherMeilleursTemps() = 0;

    // The options dialog, modeless: opened at full width, or, when it is already open, widened
    // and brought to the front as it stands.
    virtual void AfficherOptions() = 0;

    virtual void AppliquerTheme(const Theme &t) = 0;
    // The system colour of window backgrounds (text fields and lists), white on most desktops.
    virtual Couleur CouleurFondSysteme() const = 0;

    // Lets the window handle its pending events during a long computation. Returns true when
    // the player asked to interrupt it.
    virtual bool TraiterEvenements() { return false; }

    // The system print dialog. Returns 0 when the player cancelled it, 1 once a printer is
    // chosen (PageImprimante is then its page), any other value when the dialog itself failed.
    virtual int ChoisirImprimante() { return 0; }
    virtual Surface *PageImprimante() { return nullptr; }
};

} // namespace lumio
