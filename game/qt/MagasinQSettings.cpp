// QSettings behind the game's settings store.
#include "MagasinQSettings.h"

namespace lumio {

namespace {
const QString Section = QStringLiteral("K-Ruon");
QString Cle(const std::string &cle) { return Section + "/" + QString::fromStdString(cle); }
} // namespace

MagasinQSettings::MagasinQSettings()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Darvel", "Darvel")) {}

MagasinQSettings::MagasinQSettings(const QString &fichierIni)
    : settings_(std::make_unique<QSettings>(fichierIni, QSettings::IniFormat)) {}

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

} // namespace lumio
