// Plays the game's WAV files with QSoundEffect, one at a time.
#pragma once

#include "interfaces/LecteurSons.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QSoundEffect;

namespace lumio {

class LecteurSonsQt : public QObject, public LecteurSons {
    Q_OBJECT
  public:
    explicit LecteurSonsQt(QObject *parent = nullptr);
    void Jouer(const std::string &fichier) override;

    // Sounds in place of a file that cannot be played; the platform's beep unless replaced.
    std::function<void()> Alerte;
    // Tells the player, once, that the machine has no sound output.
    std::function<void(const std::string &)> Signaler;

  private:
    QSoundEffect *Effet(const QString &chemin);

    // One effect per file, kept loaded: a digit placed in quick succession restarts its tick
    // at once instead of decoding the file again.
    QHash<QString, QSoundEffect *> effets_;
    QSoundEffect *enCours_ = nullptr;
    bool sortieVerifiee_ = false;
};

} // namespace lumio
