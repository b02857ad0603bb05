// Mouse, keyboard, palette and drag-and-drop input, and the cursor.
#include "Jeu.h"

namespace lumio {

// TODO(play): the input handlers.
bool Jeu::CaseAuPoint(double, double, int &, int &) const { return false; }
void Jeu::CaseCurseur(int &c, int &r) const { c = r = 5; }
void Jeu::PlacerAuPoint(int, double, double) {}
void Jeu::EffacerAuPoint(double, double) {}
void Jeu::Form_MouseDown(int, double, double) {}
void Jeu::Form_Click() {}
void Jeu::Form_DblClick() {}
void Jeu::Form_DragDrop(double, double) {}
void Jeu::Form_KeyDown(int) {}

} // namespace lumio
