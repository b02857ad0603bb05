// Plays the game's WAV files with QSoundEffect, one at a time.
#pragma once

#include "LecteurSons.h"

#include <QObject>
#include <QString>

class QSoundEffect;

namespace lumio {

class LecteurSonsQt : public QObject, public LecteurSons {
    Q_OBJECT
  public:
    explicit LecteurSonsQt(QObject *parent = nullptr);
    void Jouer(const std::string &fichier) override;

  private:
    QSoundEffect *effet_ = nullptr;
};

// A resource of the program: beside the executable first, then in the install prefix.
QString CheminRessource(const QString &relatif);

} // namespace lumio
