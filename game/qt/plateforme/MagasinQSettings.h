// The settings store as one INI file per user, in the format of QSettings.
#pragma once

#include "interfaces/MagasinReglages.h"

#include <QString>
#include <map>
#include <memory>

class QLockFile;

namespace lumio {

// Only the section "K-Ruon" is the game's: it is read out of the file and written back into it,
// every other byte of the file kept as it was, so that a file of any size costs one read and one
// write per action. QSettings reads and writes the section's values, in a small file of their own.
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
    using MagasinReglages::Ecrire;
    using MagasinReglages::Lire;
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
    // The file's section as it stands now; false when it cannot be used any more (refus_ says why).
    bool Charger();
    // Writes the values waiting into the file: "" or why not.
    std::string EcrireFichier();
    bool Examiner();

    QString fichier_;
    std::map<std::string, std::string> valeurs_;   // as last read or written
    std::map<std::string, std::string> enAttente_; // written, not in the file yet
    std::string refus_;
    std::unique_ptr<QLockFile> verrou_;
};

} // namespace lumio
