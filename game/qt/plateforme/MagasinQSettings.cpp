// QSettings behind the game's settings store.
#include "plateforme/MagasinQSettings.h"

#include <QDir>
#include <QFileInfo>

namespace lumio {

namespace {
const QString Section = QStringLiteral("K-Ruon");
QString Cle(const std::string &cle) { return Section + "/" + QString::fromStdString(cle); }
} // namespace

MagasinQSettings::MagasinQSettings()
    : creer_([] {
          return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Darvel", "Darvel");
      }),
      settings_(creer_()) {}

MagasinQSettings::MagasinQSettings(const QString &fichierIni)
    : creer_([fichierIni] { return std::make_unique<QSettings>(fichierIni, QSettings::IniFormat); }),
      settings_(creer_()) {}

std::string MagasinQSettings::Lire(const std::string &cle, const std::string &defaut) {
    const QVariant v = settings_->value(Cle(cle));
    if (!v.isValid()) return defaut;
    // A hand-edited file may hold a list ("a, b"); it is read back as the text it was.
    if (v.userType() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
    return v.toString().toStdString();
}

void MagasinQSettings::Ecrire(const std::string &cle, const std::string &texte) {
    settings_->setValue(Cle(cle), QString::fromStdString(texte));
    settings_->sync();
}

std::string MagasinQSettings::Confirmer() {
    settings_->sync();
    if (settings_->status() == QSettings::NoError) return {};
    // A QSettings keeps the first error it met for good. A new one on the same file shares the
    // values not yet written and tries to write them as it starts: its status says how it
    // stands now.
    const QString fichier = settings_->fileName();
    settings_ = creer_();
    const QSettings::Status etat = settings_->status();
    if (etat == QSettings::NoError) return {};
    const QFileInfo dossier(QFileInfo(fichier).absolutePath());
    const std::string nom = "« " + QDir::toNativeSeparators(fichier).toStdString() + " »";
    if (etat == QSettings::FormatError) return "Le fichier des réglages " + nom + " est illisible.";
    if (!dossier.isDir())
        return "Le dossier des réglages « " + dossier.filePath().toStdString() + " » ne peut pas être créé.";
    if (!dossier.isWritable())
        return "Le dossier des réglages « " + dossier.filePath().toStdString() +
               " » est protégé en écriture.";
    return "Le fichier des réglages " + nom + " ne peut pas être écrit.";
}

} // namespace lumio
