// The interrupted games' files: one place per running program, held by a lock, written whole.
#include "plateforme/FichierReprise.h"
#include "plateforme/EcritureSure.h"
#include "plateforme/FichierOrdinaire.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

namespace {

const QString Prefixe = QStringLiteral("partie-interrompue-");

QString Fichier(const QString &dossier, int n) {
    return QDir(dossier).filePath(Prefixe + QString::number(n) + QStringLiteral(".txt"));
}

// The lock of a place: held by its program for as long as it runs, released by the system when
// it ends, however it ends.
std::unique_ptr<QLockFile> Verrouiller(const QString &fichier) {
    auto verrou = std::make_unique<QLockFile>(fichier.chopped(4) + QStringLiteral(".verrou"));
    verrou->setStaleLockTime(0); // a running game's lock is never too old
    if (!verrou->tryLock(0)) return nullptr;
    return verrou;
}

// Whether a name is there at all, a link to nothing included.
bool Present(const QString &chemin) {
    struct stat etat {};
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0;
}

qint64 DateModification(const QString &chemin) {
    struct stat etat {};
    if (::lstat(QFile::encodeName(chemin).constData(), &etat) != 0) return 0;
    return qint64(etat.st_mtim.tv_sec) * 1000000000 + etat.st_mtim.tv_nsec;
}

} // namespace

FichierReprise::FichierReprise(const QString &dossier) : dossier_(dossier) {}

FichierReprise::~FichierReprise() {
    Laisser();
}

QString FichierReprise::DossierUtilisateur() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

std::optional<FichierReprise::Orpheline> FichierReprise::TrouverOrpheline() {
    Laisser();
    const QRegularExpression nom(QStringLiteral("^partie-interrompue-([0-9]{1,6})\\.txt$"));
    const QStringList fichiers = QDir(dossier_).entryList({Prefixe + QStringLiteral("*.txt")},
                                                          QDir::Files | QDir::System | QDir::Hidden);
    qint64 plusRecente = -1;
    for (const QString &f : fichiers) {
        if (!nom.match(f).hasMatch()) continue;
        const QString chemin = QDir(dossier_).filePath(f);
        if (chemin == chemin_) continue;
        auto verrou = Verrouiller(chemin);
        if (!verrou) continue; // its program runs
        const qint64 date = DateModification(chemin);
        if (date <= plusRecente) continue; // the lock goes with `verrou`
        plusRecente = date;
        cheminOrphelin_ = chemin;
        verrouOrphelin_ = std::move(verrou);
    }
    if (!verrouOrphelin_) return std::nullopt;

    Orpheline o;
    o.chemin = cheminOrphelin_;
    // Whatever is found under that name is read without ever waiting on it.
    const LectureOrdinaire lecture = LireFichierOrdinaire(QFile::encodeName(o.chemin), 65536);
    if (lecture.lu)
        o.contenu = lecture.octets;
    else
        o.refus = CauseEchecLecture(lecture);
    return o;
}

void FichierReprise::Adopter() {
    if (!verrouOrphelin_) return;
    Effacer();
    verrou_ = std::move(verrouOrphelin_);
    chemin_ = cheminOrphelin_;
    cheminOrphelin_.clear();
    ecrit_ = true;
}

void FichierReprise::Oublier() {
    if (!verrouOrphelin_) return;
    ::unlink(QFile::encodeName(cheminOrphelin_).constData());
    Laisser();
}

void FichierReprise::Laisser() {
    verrouOrphelin_.reset();
    cheminOrphelin_.clear();
}

bool FichierReprise::PrendrePlace() {
    if (verrou_) return true;
    for (int n = 1; n <= 999; ++n) {
        const QString chemin = Fichier(dossier_, n);
        if (Present(chemin)) continue; // another game's, running or left for a later start
        auto verrou = Verrouiller(chemin);
        // Checked again under the lock: a game that ended just now may have left its file.
        if (!verrou || Present(chemin)) continue;
        verrou_ = std::move(verrou);
        chemin_ = chemin;
        return true;
    }
    return false;
}

std::string FichierReprise::Ecrire(const QByteArray &contenu, bool synchroniser) {
    if (!QDir().mkpath(dossier_)) return "le dossier ne peut pas être créé";
    if (!PrendrePlace()) return "le dossier ne peut pas recevoir de verrou";
    // A file of its own, then renamed over the name: the name always holds a whole game, and
    // whatever else stood under it (a link included) is replaced, never written through.
    if (const int erreur = EcrireEntier(QFile::encodeName(chemin_), contenu, false, 0600, synchroniser))
        return RaisonSysteme(erreur).toStdString();
    ecrit_ = true;
    return {};
}

void FichierReprise::Effacer() {
    if (!ecrit_) return;
    ::unlink(QFile::encodeName(chemin_).constData());
    ecrit_ = false;
}

} // namespace lumio
