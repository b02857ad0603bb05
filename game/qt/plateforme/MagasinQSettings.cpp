// The game's section of the settings file: read out and written back, the file checked first.
#include "plateforme/MagasinQSettings.h"
#include "plateforme/EcritureSure.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/SectionIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

namespace {

const QByteArray Section = "K-Ruon";
// Past this the file is no settings file of ours; reading it whole would only cost memory.
constexpr qint64 Plafond = qint64(512) << 20;

std::string Nom(const QString &fichier) {
    return "« " + QDir::toNativeSeparators(fichier).toStdString() + " »";
}

// The values of an INI text as QSettings reads them, through a small file of their own.
std::map<std::string, std::string> Valeurs(const QByteArray &ini) {
    std::map<std::string, std::string> v;
    QTemporaryDir dossier;
    QFile f(dossier.filePath(QStringLiteral("section.ini")));
    if (!dossier.isValid() || !f.open(QIODevice::WriteOnly) || f.write(ini) != ini.size()) return v;
    f.close();
    QSettings s(f.fileName(), QSettings::IniFormat);
    s.beginGroup(QString::fromLatin1(Section));
    for (const QString &cle : s.childKeys()) {
        const QVariant valeur = s.value(cle);
        if (!valeur.isValid()) continue; // "@Invalid()" holds nothing
        // A hand-edited file may hold a list ("a, b"); it is read back as the text it was.
        v[cle.toStdString()] = valeur.userType() == QMetaType::QStringList
                                   ? valeur.toStringList().join(QStringLiteral(", ")).toStdString()
                                   : valeur.toString().toStdString();
    }
    return v;
}

// The lines QSettings writes for these values, under no header.
QByteArray Lignes(const std::map<std::string, std::string> &valeurs) {
    QTemporaryDir dossier;
    const QString nom = dossier.filePath(QStringLiteral("section.ini"));
    {
        QSettings s(nom, QSettings::IniFormat);
        for (const auto &[cle, texte] : valeurs)
            s.setValue(QString::fromLatin1(Section) + "/" + QString::fromStdString(cle),
                       QString::fromStdString(texte));
    }
    QFile f(nom);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray texte = f.readAll();
    const qsizetype debut = texte.indexOf('\n');
    return debut < 0 ? QByteArray() : texte.mid(debut + 1);
}

} // namespace

// Where QSettings keeps organisation "Darvel", application "Darvel" for this user. No system-wide
// file is read behind it.
MagasinQSettings::MagasinQSettings()
    : MagasinQSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/Darvel/Darvel.ini")) {}

MagasinQSettings::MagasinQSettings(const QString &fichierIni) : fichier_(fichierIni) {
    Charger();
}

// What an action wrote without confirming it still reaches the file, as QSettings would do.
MagasinQSettings::~MagasinQSettings() {
    Confirmer();
}

bool MagasinQSettings::Examiner() {
    if (!refus_.empty()) return false;
    // The file, and the locks taken beside it, must each be a regular file or nothing yet.
    for (const QString &f :
         {fichier_, fichier_ + QStringLiteral(".lock"), fichier_ + QStringLiteral(".verrou")}) {
        const std::string nature = NatureNonOrdinaire(QFile::encodeName(f));
        if (nature.empty()) continue;
        refus_ = "Les réglages ne peuvent pas être conservés : " + Nom(f) + " est " + nature + ".";
        return false;
    }
    return true;
}

bool MagasinQSettings::Charger() {
    if (!Examiner()) return false;
    const LectureOrdinaire lecture = LireFichierOrdinaire(QFile::encodeName(fichier_), Plafond + 1);
    if (!lecture.lu) {
        // Nothing there yet, or a folder on the way that cannot be read: the defaults stand.
        if (lecture.erreur == ENOENT || lecture.erreur == ENOTDIR) valeurs_.clear();
        return true;
    }
    if (lecture.octets.size() > Plafond) {
        refus_ = "Les réglages ne peuvent pas être conservés : " + Nom(fichier_) + " dépasse 512 Mo.";
        return false;
    }
    valeurs_ = Valeurs(ExtraireSection(lecture.octets, Section));
    return true;
}

std::string MagasinQSettings::Lire(const std::string &cle, const std::string &defaut) {
    for (const auto *m : {&enAttente_, &valeurs_}) {
        const auto it = m->find(cle);
        if (it != m->end()) return it->second;
    }
    return defaut;
}

void MagasinQSettings::Ecrire(const std::string &cle, const std::string &texte) {
    enAttente_[cle] = texte;
}

std::string MagasinQSettings::Confirmer() {
    if (!refus_.empty()) return refus_;
    if (enAttente_.empty()) return {};
    const std::string raison = EcrireFichier();
    if (!raison.empty()) return raison; // what waits is tried again at the next action
    for (const auto &[cle, texte] : enAttente_)
        valeurs_[cle] = texte;
    enAttente_.clear();
    return {};
}

std::string MagasinQSettings::EcrireFichier() {
    const QFileInfo dossier(QFileInfo(fichier_).absolutePath());
    if (!QDir().mkpath(dossier.filePath()))
        return "Le dossier des réglages « " + dossier.filePath().toStdString() + " » ne peut pas être créé.";
    if (!Examiner()) return refus_;
    // The lock QSettings takes for its own writes: another program writing the file through it
    // waits for this one.
    QLockFile verrou(fichier_ + QStringLiteral(".lock"));
    verrou.tryLock(5000);
    const QByteArray chemin = QFile::encodeName(fichier_);
    const LectureOrdinaire lecture = LireFichierOrdinaire(chemin, Plafond + 1);
    if (!lecture.lu && lecture.erreur != ENOENT)
        return "Le fichier des réglages " + Nom(fichier_) + " ne peut pas être lu.";
    if (lecture.octets.size() > Plafond)
        return "Le fichier des réglages " + Nom(fichier_) + " dépasse 512 Mo.";
    QSet<QByteArray> cles;
    for (const auto &[cle, texte] : enAttente_)
        cles.insert(QByteArray::fromStdString(cle));
    const QByteArray contenu = RemplacerCles(lecture.octets, Section, cles, Lignes(enAttente_));

    // A link to a file (a dotfile manager's) is written through: the new file takes the place of
    // the one the link leads to, and the link stays.
    const int erreur = EcrireEntier(chemin, contenu, true);
    if (erreur == 0) return {};
    if (erreur == EACCES || erreur == EPERM || erreur == EROFS)
        return "Le dossier des réglages « " + dossier.filePath().toStdString() +
               " » est protégé en écriture.";
    return "Le fichier des réglages " + Nom(fichier_) + " ne peut pas être écrit.";
}

bool MagasinQSettings::Verrouiller() {
    if (!refus_.empty()) return true;
    QDir().mkpath(QFileInfo(fichier_).absolutePath());
    // Beside the file, and not the lock of the writes themselves, which Confirmer takes inside.
    verrou_ = std::make_unique<QLockFile>(fichier_ + QStringLiteral(".verrou"));
    if (verrou_->tryLock(5000)) return true;
    verrou_.reset();
    return false;
}

void MagasinQSettings::Deverrouiller() {
    verrou_.reset();
}

void MagasinQSettings::Relire() {
    Charger();
}

} // namespace lumio
