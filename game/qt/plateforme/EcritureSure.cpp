// A new file beside the old one, renamed over it once whole; a list of them for the signals.
#include "plateforme/EcritureSure.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

namespace {

// A few files at most are written at once; each slot is filled before it is marked in use, so a
// handler never reads half a name.
struct Temporaire {
    char chemin[PATH_MAX];
    volatile std::sig_atomic_t pris;
};
Temporaire temporaires[8];

constexpr int SignauxArret[] = {SIGTERM, SIGHUP, SIGINT};

void NoterTemporaire(const QByteArray &chemin) {
    if (chemin.size() >= PATH_MAX) return;
    for (Temporaire &t : temporaires) {
        if (t.pris) continue;
        std::memcpy(t.chemin, chemin.constData(), std::size_t(chemin.size()) + 1);
        t.pris = 1;
        return;
    }
}

void OublierTemporaire(const QByteArray &chemin) {
    for (Temporaire &t : temporaires)
        if (t.pris && chemin == t.chemin) t.pris = 0;
}

// The process's umask. Setting it to learn it would change it for a moment under any other
// thread creating a file, so the system's report is read when there is one.
mode_t Umask() {
    std::ifstream etat("/proc/self/status");
    for (std::string ligne; std::getline(etat, ligne);) {
        if (ligne.compare(0, 6, "Umask:") != 0) continue;
        char *fin = nullptr;
        const unsigned long masque = std::strtoul(ligne.c_str() + 6, &fin, 8);
        if (fin != ligne.c_str() + 6) return mode_t(masque);
    }
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return masque;
}

QByteArray Dossier(const QByteArray &chemin) {
    const qsizetype barre = chemin.lastIndexOf('/');
    return barre < 0 ? QByteArray(".") : barre == 0 ? QByteArray("/") : chemin.left(barre);
}

} // namespace

QString RaisonSysteme(int erreur) {
    switch (erreur) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case ENOENT:
        return QStringLiteral("le dossier n'existe pas");
    case ENOTDIR:
        return QStringLiteral("le chemin ne mène pas à un dossier");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    default:
        return QString::fromLocal8Bit(std::strerror(erreur));
    }
}

mode_t DroitsNouveauFichier(const QByteArray &remplace, mode_t droitsNeuf) {
    struct stat ancien {};
    // The rights of the file it replaces, never its set-id or sticky bits.
    if (::stat(remplace.constData(), &ancien) == 0) return ancien.st_mode & 0777;
    return droitsNeuf & ~Umask();
}

QByteArray CibleReelle(const QByteArray &nom) {
    if (char *reel = ::realpath(nom.constData(), nullptr)) {
        const QByteArray r(reel);
        std::free(reel);
        return r;
    }
    // Nothing there yet: the folder made absolute, the name as given. A link to nothing leads
    // to the file it names.
    QByteArray chemin = nom;
    char lien[PATH_MAX];
    for (int n = 0; n < 40; ++n) {
        const ssize_t t = ::readlink(chemin.constData(), lien, sizeof lien - 1);
        if (t <= 0) break;
        const QByteArray vers(lien, t);
        chemin = vers.startsWith('/') ? vers : Dossier(chemin) + "/" + vers;
    }
    const QByteArray nomSeul = chemin.mid(chemin.lastIndexOf('/') + 1);
    if (char *reel = ::realpath(Dossier(chemin).constData(), nullptr)) {
        const QByteArray d(reel);
        std::free(reel);
        return (d == "/" ? d : d + "/") + nomSeul;
    }
    return chemin;
}

int EcrireEntier(const QByteArray &cible, const QByteArray &contenu, bool suivreLien, mode_t droitsNeuf,
                 bool synchroniser) {
    const QByteArray fin = suivreLien ? CibleReelle(cible) : cible;
    const mode_t droits = DroitsNouveauFichier(fin, droitsNeuf);
    QByteArray modele = ModeleTemporaire(fin);
    const int fd = CreerTemporaire(modele);
    if (fd < 0) return errno;
    for (qint64 ecrits = 0; ecrits < contenu.size();) {
        const ssize_t n = ::write(fd, contenu.constData() + ecrits, std::size_t(contenu.size() - ecrits));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int erreur = n < 0 ? errno : ENOSPC;
            ::close(fd);
            AbandonnerTemporaire(modele);
            return erreur;
        }
        ecrits += n;
    }
    return Remplacer(fd, modele, fin, droits, synchroniser);
}

QByteArray ModeleTemporaire(const QByteArray &fin) {
    const qsizetype barre = fin.lastIndexOf('/');
    return fin.left(barre + 1) + "." + fin.mid(barre + 1) + ".XXXXXX";
}

int CreerTemporaire(QByteArray &modele) {
    // A stop signal between the file's making and its listing would leave it behind.
    sigset_t arrets, avant;
    sigemptyset(&arrets);
    for (int s : SignauxArret)
        sigaddset(&arrets, s);
    ::sigprocmask(SIG_BLOCK, &arrets, &avant);
    const int fd = ::mkostemp(modele.data(), O_CLOEXEC);
    const int erreur = errno;
    if (fd >= 0) NoterTemporaire(modele);
    ::sigprocmask(SIG_SETMASK, &avant, nullptr);
    errno = erreur;
    return fd;
}

int Remplacer(int fd, const QByteArray &temporaire, const QByteArray &fin, mode_t droits, bool synchroniser) {
    int erreur = ::fchmod(fd, droits) == 0 ? 0 : errno;
    if (erreur == 0 && synchroniser && ::fsync(fd) != 0) erreur = errno;
    if (::close(fd) != 0 && erreur == 0) erreur = errno;
    if (erreur == 0 && ::rename(temporaire.constData(), fin.constData()) != 0) erreur = errno;
    if (erreur != 0)
        AbandonnerTemporaire(temporaire);
    else
        OublierTemporaire(temporaire);
    return erreur;
}

void AbandonnerTemporaire(const QByteArray &chemin) {
    ::unlink(chemin.constData());
    OublierTemporaire(chemin);
}

bool InstallerArret(void (*traitant)(int)) {
    struct sigaction action {};
    action.sa_handler = traitant;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool pris = true;
    for (int s : SignauxArret)
        pris = ::sigaction(s, &action, nullptr) == 0 && pris;
    return pris;
}

void FinirParSignal(int signal) {
    for (Temporaire &t : temporaires)
        if (t.pris) ::unlink(t.chemin);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void ProtegerTemporaires() {
    InstallerArret(FinirParSignal);
}

} // namespace lumio
