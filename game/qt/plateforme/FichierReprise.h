// Where each running game keeps its interrupted game, and how a later start finds one whose
// program is gone.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QLockFile;

namespace lumio {

// In its folder, game n keeps "partie-interrompue-n.txt" beside the lock "partie-interrompue-n.verrou"
// that its program holds while it runs. A file whose lock nobody holds was left by a program that
// ended without finishing its game (a signal, a crash, a logout): a new start may offer it. A
// file whose lock is held belongs to a running game: nobody else reads, offers or deletes it.
class FichierReprise {
  public:
    explicit FichierReprise(const QString &dossier);
    ~FichierReprise(); // the game's file stays for a later start; only the lock goes
    FichierReprise(const FichierReprise &) = delete;
    FichierReprise &operator=(const FichierReprise &) = delete;

    // The per-user data folder the game uses.
    static QString DossierUtilisateur();

    struct Orpheline {
        QString chemin;
        QByteArray contenu;
        std::string refus; // why its bytes could not be read ("" when they were)
    };
    // The newest game left by a program that is no longer running; it is held (no other start
    // sees it) until Adopter, Oublier or Laisser.
    std::optional<Orpheline> TrouverOrpheline();
    void Adopter(); // it becomes this program's own game, written over from now on
    void Oublier(); // it is deleted
    void Laisser(); // it stays for a later start

    // Writes this program's game whole or not at all (a new file takes the name once written).
    // Returns "" or, in French, why it could not.
    // `synchroniser`: forced to disk at once; a game whose clock alone moved need not be.
    std::string Ecrire(const QByteArray &contenu, bool synchroniser = true);
    void Effacer();
    QString Chemin() const { return chemin_; }

  private:
    struct Place;
    // Takes the first place no program holds and no game fills.
    bool PrendrePlace();
    QString dossier_;
    QString chemin_;
    std::unique_ptr<QLockFile> verrou_;
    QString cheminOrphelin_;
    std::unique_ptr<QLockFile> verrouOrphelin_;
    bool ecrit_ = false; // this program's file exists
};

} // namespace lumio
