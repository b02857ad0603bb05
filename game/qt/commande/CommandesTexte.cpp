// The commands that answer in text and never start Qt: solving, the version and the help.
#include "commande/Commandes.h"
#include "commande/LigneCommande.h"

#include "ResolutionTexte.h"
#include "plateforme/Liens.h"

#include <iostream>

namespace lumio {

int Resoudre(const AppelLigne &appel, int &, char **) {
    // Streams of their own over the descriptors: a failing read then shows as one, where the C
    // library's would only look like the end of the input.
    std::ios::sync_with_stdio(false);
    return ResoudreFichier(appel.valeur, std::cin, std::cout, std::cerr);
}

int AfficherVersion(const AppelLigne &, int &, char **) {
    std::cout << "Sudoku Lumio " << VersionProgramme().toStdString() << '\n';
    return 0;
}

int AfficherAide(const AppelLigne &, int &, char **) {
    std::cout << TexteAide();
    return 0;
}

} // namespace lumio
