// Reading the first bytes of a file that must be a regular one, without ever waiting on it.
#pragma once

#include <QByteArray>
#include <string>

namespace lumio {

struct LectureOrdinaire {
    bool lu = false;
    QByteArray octets;
    int erreur = 0;    // the system's error number when it refused to open or read the file
    std::string genre; // what the file is when it is not a regular one: "un tube", "un dossier"…
};

// Reads at most `maximum` bytes of the file `chemin` (its name as the system spells it). A pipe,
// a device or a folder is refused at once: opening it never waits for a writer, nor a read for
// bytes that may never come.
LectureOrdinaire LireFichierOrdinaire(const QByteArray &chemin, qint64 maximum);

} // namespace lumio
