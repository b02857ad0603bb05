// The settings store as one INI file per user, through QSettings.
#pragma once

#include "interfaces/MagasinReglages.h"

#include <QSettings>
#include <functional>
#include <map>
#include <memory>

class QLockFile;

namespace lumio {

class MagasinQSettings : public MagasinReglages {
  public:
    // The user's own file: application "Darvel", section "K-Ruon".
    MagasinQSettings();
    // Another INI file (tests point this at a temporary folder).
    explicit MagasinQSettings(const QString &fichierIni);
    ~MagasinQSettings() override;

    std::string Lire(const std::string &cle, const std::string &defaut) override;
    // Kept in memory until Confirmer, which writes them all at once.
    void Ecrire(const std::string &cle, const std::string &texte) override;
    std::string Confirmer() override;
    bool Verrouiller() override;
    void Deverrouiller() override;
    void Relire() override;

    QString Fichier() const { return fichier_; }
    // Why the file is not used, one French sentence, or "". A pipe, a device, a folder or a link
    // to one of them under the file's name would hang or be destroyed by the first read or
    // write: the settings then live in memory for this run, from their defaults.
    std::string Refus() const { return refus_; }

  private:
    void Ouvrir();

    QString fichier_;
    std::unique_ptr<QSettings> settings_; // none when the settings live in memory
    std::map<std::string, std::string> memoire_;
    std::string refus_;
    std::unique_ptr<QLockFile> verrou_;
};

} // namespace lumio
