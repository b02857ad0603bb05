// Regular files only: the kind of a file is judged on the open descriptor, so that nothing can
// swap a pipe in between the check and the read.
#include "plateforme/FichierOrdinaire.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

std::string GenreFichier(unsigned mode) {
    if (S_ISDIR(mode)) return "un dossier";
    if (S_ISFIFO(mode)) return "un tube";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "un périphérique";
    if (S_ISSOCK(mode)) return "une prise réseau";
    return "un fichier spécial";
}

std::string NatureNonOrdinaire(const QByteArray &chemin) {
    struct stat lien {};
    if (::lstat(chemin.constData(), &lien) != 0) return {}; // nothing there yet
    if (!S_ISLNK(lien.st_mode)) return S_ISREG(lien.st_mode) ? std::string() : GenreFichier(lien.st_mode);
    struct stat cible {};
    if (::stat(chemin.constData(), &cible) != 0) return "un lien vers un fichier qui n'existe pas";
    return S_ISREG(cible.st_mode) ? std::string() : "un lien vers " + GenreFichier(cible.st_mode);
}

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
        l.genre = GenreFichier(etat.st_mode);
    } else {
        // The room the file says it needs, one byte more to see it grow; the cap only bounds it.
        // Some files (those of /proc) say they are empty and are not: the room then grows as they
        // are read.
        qint64 place = std::min<qint64>(maximum, qint64(etat.st_size) + 1);
        l.octets.resize(qsizetype(place));
        qint64 n = 0;
        while (n < maximum) {
            if (n == place) {
                place = std::min<qint64>(maximum, 2 * place + 4096);
                l.octets.resize(qsizetype(place));
            }
            const ssize_t k = ::read(fd, l.octets.data() + n, std::size_t(place - n));
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

std::string CauseEchecLecture(const LectureOrdinaire &lecture) {
    return lecture.genre.empty() ? std::strerror(lecture.erreur)
                                 : "pas un fichier ordinaire : " + lecture.genre;
}

} // namespace lumio
