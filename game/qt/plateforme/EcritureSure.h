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
// The name a file is written under beside `fin` before it takes its place: hidden, ending in
// XXXXXX for CreerTemporaire.
QByteArray ModeleTemporaire(const QByteArray &fin);
// CreerTemporaire makes one from `modele` (ending in XXXXXX, replaced by its name) and lists it,
// with no signal in between; the open descriptor, or -1 and errno.
int CreerTemporaire(QByteArray &modele);
// Puts the file being written `temporaire`, open as `fd` (closed here), in the place of `fin`
// with the permissions `droits`, once on disk when `synchroniser`; a failure removes it instead.
// Either way it is no longer listed. Returns 0 or the system's error number.
int Remplacer(int fd, const QByteArray &temporaire, const QByteArray &fin, mode_t droits,
              bool synchroniser = true);
// Removes a file being written and takes it off the list.
void AbandonnerTemporaire(const QByteArray &chemin);

// The signals that stop the program (SIGTERM, SIGHUP, SIGINT) all go to `traitant`, system calls
// they interrupt starting again; false when one of them could not be caught.
bool InstallerArret(void (*traitant)(int));
// Removes the files being written, then ends the program as `signal` would have; safe inside a
// signal handler.
void FinirParSignal(int signal);
// For a program with no event loop: the stop signals remove the files being written, then end
// the program as the signal would have.
void ProtegerTemporaires();

} // namespace lumio
