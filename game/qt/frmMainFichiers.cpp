// Saved games on the main window: the file dialogs, reading and writing the file.
#include "frmMain.h"

namespace lumio {

// TODO(fichiers): the open and save commands.
void frmMain::Ouvrir() {}
void frmMain::Enregistrer() {}
bool frmMain::OuvrirFichier(const QString &) { return false; }
bool frmMain::EnregistrerFichier(const QString &) { return false; }
QString frmMain::DossierParties() { return QString(); }

} // namespace lumio
