// The creation grid's solver entry.
#include "Jeu.h"

namespace lumio {

// TODO(solver): the search.
void Jeu::ResoudreGrille() {}

} // namespace lumio
