// What each cell of the board shows, recorded as it is drawn, and who is told when it changes:
// the board itself is only pixels, and a player who cannot see it needs it in words.
#pragma once

#include "Grille.h"

#include <cstdint>
#include <string>

namespace lumio {

struct CaseAffichee {
    Chiffre chiffre = 0;       // the large digit shown, 0 for none
    int genre = 0;             // how it is shown: GenreJoueur, GenreDonnee or GenreFaux
    std::uint16_t crayons = 0; // bit d set: the pencil mark of digit d is shown
    bool marque = false;       // a red digit marked by "Vérifier", drawn in a face of its own

    bool operator==(const CaseAffichee &o) const {
        return chiffre == o.chiffre && genre == o.genre && crayons == o.crayons && marque == o.marque;
    }
    bool operator!=(const CaseAffichee &o) const { return !(*this == o); }
};

using GrilleAffichee = Grille9<CaseAffichee>;

// Told, as the board is drawn, of each cell whose look changed and of each move of the cursor,
// and of what an action did, in a sentence for a player who listens.
class ObservateurPlateau {
  public:
    virtual ~ObservateurPlateau() = default;
    virtual void CaseChangee(int c, int r) = 0;
    virtual void CurseurPlace(int c, int r) = 0;
    virtual void Annonce(const std::string &) {}
};

// The marks of a mask of pencil bits, in order: "2 5 7".
std::string ListeCrayons(unsigned masque);

// How a reader speaks cell (c, r): "Ligne 3, colonne 5 : 7, donné", "… : vide, crayon 2 4 7".
std::string NomCase(int c, int r, const CaseAffichee &v);

} // namespace lumio
