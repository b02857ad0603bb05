// Regular files only: the kind of a file is judged on the open descriptor, so that nothing can
// swap a pipe in between the check and the read.
#include "plateforme/FichierOrdinaire.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

namespace {

// What the file is when it is not a regular one.
std::string Genre(mode_t mode) {
    if (S_ISDIR(mode)) return "un dossier";
    if (S_ISFIFO(mode)) return "un tube";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "un périphérique";
    return "un fichier spécial";
}

} // namespace

LectureOrdinaire LireFichierOrdinaire(const QByteArray &chemin, qint64 maximum) {
    LectureOrdinaire l;
    // Without O_NONBLOCK, opening a pipe that has no writer waits for one for ever.
    const int fd = ::open(chemin.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        l.erreur = errno;
        return l;
    }
    struct stat etat {};
    if (::fstat(fd, &etat) != 0) {
        l.erreur = errno;
    } else if (!S_ISREG(etat.st_mode)) {
        l.genre = Genre(etat.st_mode);
    } else {
        l.octets.resize(qsizetype(maximum));
        qint64 n = 0;
        while (n < maximum) {
            const ssize_t k = ::read(fd, l.octets.data() + n, std::size_t(maximum - n));
            if (k < 0 && errno == EINTR) continue;
            if (k < 0) {
                l.erreur = errno;
                break;
            }
            if (k == 0) break;
            n += k;
        }
        l.octets.resize(qsizetype(n));
        l.lu = l.erreur == 0;
    }
    ::close(fd);
    return l;
}

} // namespace lumio
