// Files written whole or not at all, and the half-written ones a stop signal must not leave.
#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace lumio {

// The usual reasons a file cannot be written, in the program's language ("permission refusée").
QString RaisonSysteme(int erreur);

// Writes `contenu` into a new file beside `cible`, then gives it that name: the name always holds
// a whole file, and a failure leaves what was there untouched. A link under the name is written
// through to the file it leads to when `suivreLien` (the player's own link), replaced otherwise.
// The new file keeps the permissions of the one it replaces, or gets `droitsNeuf` less the
// process's umask, as a file the system creates. Without `synchroniser` the data is left to the
// system's own pace of writing to disk (the rename still gives a whole file or the old one).
// Returns 0 or the system's error number.
int EcrireEntier(const QByteArray &cible, const QByteArray &contenu, bool suivreLien,
                 mode_t droitsNeuf = 0666, bool synchroniser = true);

// The permissions of the file `remplace`, or when there is none `droitsNeuf` less the umask.
mode_t DroitsNouveauFichier(const QByteArray &remplace, mode_t droitsNeuf = 0666);

// Where `nom` leads: the file a link points to (followed to its end), or the name itself, made
// absolute; the name as the system spells it.
QByteArray CibleReelle(const QByteArray &nom);

// Files being written: a stop signal removes those still listed before the program ends.
// CreerTemporaire makes one from `modele` (ending in XXXXXX, replaced by its name) and lists it,
// with no signal in between; the open descriptor, or -1 and errno.
int CreerTemporaire(QByteArray &modele);
void NoterTemporaire(const QByteArray &chemin);
void OublierTemporaire(const QByteArray &chemin);
// Removes every file still listed; safe inside a signal handler.
void EffacerTemporaires();
// For a program with no event loop: SIGINT, SIGTERM and SIGHUP remove the files being written,
// then end the program as the signal would have.
void ProtegerTemporaires();

} // namespace lumio
