// Reading the first bytes of a file that must be a regular one, without ever waiting on it.
#pragma once

#include <QByteArray>
#include <string>

namespace lumio {

struct LectureOrdinaire {
    bool lu = false;
    QByteArray octets;
    std::string raison; // why nothing was read, one French sentence
};

// Reads at most `maximum` bytes of the file `chemin` (its name as the system spells it). A pipe,
// a device or a folder is refused at once: opening it never waits for a writer, nor a read for
// bytes that may never come.
LectureOrdinaire LireFichierOrdinaire(const QByteArray &chemin, qint64 maximum);

} // namespace lumio
