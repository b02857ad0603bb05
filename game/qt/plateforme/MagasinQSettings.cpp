// QSettings behind the game's settings store, on a file checked before it is ever opened.
#include "plateforme/MagasinQSettings.h"
#include "plateforme/FichierOrdinaire.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace lumio {

namespace {
const QString Section = QStringLiteral("K-Ruon");
QString Cle(const std::string &cle) { return Section + "/" + QString::fromStdString(cle); }

std::string Nom(const QString &fichier) { return "« " + QDir::toNativeSeparators(fichier).toStdString() + " »"; }
} // namespace

// Where QSettings keeps organisation "Darvel", application "Darvel" for this user. Named here, so
// that the file is examined before QSettings reads it, and alone: no system-wide file is read
// behind it.
MagasinQSettings::MagasinQSettings()
    : MagasinQSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/Darvel/Darvel.ini")) {}

MagasinQSettings::MagasinQSettings(const QString &fichierIni) : fichier_(fichierIni) { Ouvrir(); }

MagasinQSettings::~MagasinQSettings() = default;

void MagasinQSettings::Ouvrir() {
    // The file, and the locks QSettings and the best times take beside it, must each be a regular
    // file or nothing yet. QSettings itself writes through a link to its target.
    for (const QString &f : {fichier_, fichier_ + QStringLiteral(".lock"), fichier_ + QStringLiteral(".verrou")}) {
        const std::string nature = NatureNonOrdinaire(QFile::encodeName(f));
        if (nature.empty()) continue;
        refus_ = "Les réglages ne peuvent pas être conservés : " + Nom(f) + " est " + nature + ".";
        return;
    }
    settings_ = std::make_unique<QSettings>(fichier_, QSettings::IniFormat);
}

std::string MagasinQSettings::Lire(const std::string &cle, const std::string &defaut) {
    if (!settings_) {
        const auto it = memoire_.find(cle);
        return it == memoire_.end() ? defaut : it->second;
    }
    const QVariant v = settings_->value(Cle(cle));
    if (!v.isValid()) return defaut;
    // A hand-edited file may hold a list ("a, b"); it is read back as the text it was.
    if (v.userType() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
    return v.toString().toStdString();
}

void MagasinQSettings::Ecrire(const std::string &cle, const std::string &texte) {
    if (settings_)
        settings_->setValue(Cle(cle), QString::fromStdString(texte));
    else
        memoire_[cle] = texte;
}

std::string MagasinQSettings::Confirmer() {
    if (!settings_) return refus_;
    settings_->sync();
    if (settings_->status() == QSettings::NoError) return {};
    // A QSettings keeps the first error it met for good. A new one on the same file shares the
    // values not yet written and tries to write them as it starts: its status says how it
    // stands now.
    settings_ = std::make_unique<QSettings>(fichier_, QSettings::IniFormat);
    const QSettings::Status etat = settings_->status();
    if (etat == QSettings::NoError) return {};
    const QFileInfo dossier(QFileInfo(fichier_).absolutePath());
    if (etat == QSettings::FormatError) return "Le fichier des réglages " + Nom(fichier_) + " est illisible.";
    if (!dossier.isDir())
        return "Le dossier des réglages « " + dossier.filePath().toStdString() + " » ne peut pas être créé.";
    if (!dossier.isWritable())
        return "Le dossier des réglages « " + dossier.filePath().toStdString() + " » est protégé en écriture.";
    return "Le fichier des réglages " + Nom(fichier_) + " ne peut pas être écrit.";
}

bool MagasinQSettings::Verrouiller() {
    if (!settings_) return true;
    QDir().mkpath(QFileInfo(fichier_).absolutePath());
    // Beside the file, and not QSettings' own lock, which its every write takes.
    verrou_ = std::make_unique<QLockFile>(fichier_ + QStringLiteral(".verrou"));
    if (verrou_->tryLock(5000)) return true;
    verrou_.reset();
    return false;
}

void MagasinQSettings::Deverrouiller() { verrou_.reset(); }

void MagasinQSettings::Relire() {
    if (settings_) settings_->sync();
}

} // namespace lumio
