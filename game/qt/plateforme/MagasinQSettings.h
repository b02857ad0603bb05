// The settings store as one INI file per user, through QSettings.
#pragma once

#include "interfaces/MagasinReglages.h"

#include <QSettings>
#include <functional>
#include <memory>

namespace lumio {

class MagasinQSettings : public MagasinReglages {
  public:
    // The user's own file: application "Darvel", section "K-Ruon".
    MagasinQSettings();
    // Another INI file (tests point this at a temporary folder).
    explicit MagasinQSettings(const QString &fichierIni);

    std::string Lire(const std::string &cle, const std::string &defaut) override;
    void Ecrire(const std::string &cle, const std::string &texte) override;
    using MagasinReglages::Ecrire;
    using MagasinReglages::Lire;
    std::string Confirmer() override;

    QString Fichier() const { return settings_->fileName(); }

  private:
    std::function<std::unique_ptr<QSettings>()> creer_; // the store made again as it was first
    std::unique_ptr<QSettings> settings_;
};

} // namespace lumio
