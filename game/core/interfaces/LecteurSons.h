// Asynchronous playback of the game's WAV files.
#pragma once

#include <string>

namespace lumio {

class LecteurSons {
  public:
    virtual ~LecteurSons() = default;
    // Plays a file given relative to the program's resources ("Sons/Ok.wav"). Returns at once;
    // a new request cuts the sound still playing; a file that cannot be played gives the
    // platform's alert sound.
    virtual void Jouer(const std::string &fichier) = 0;
};

} // namespace lumio
