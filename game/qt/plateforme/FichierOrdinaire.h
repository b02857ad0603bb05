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

// What a file that is not a regular one is, in French: "un dossier", "un tube", "un périphérique"…
std::string GenreFichier(unsigned mode);

// Whether the name `chemin` can be read and written as a regular file without waiting on it:
// "" when it is one, when it is a link that ends at one, or when nothing is there yet; otherwise
// what stands there instead, to finish the sentence "« nom » est …" ("un tube", "un lien vers un
// périphérique", "un lien vers un fichier qui n'existe pas").
std::string NatureNonOrdinaire(const QByteArray &chemin);

// Reads at most `maximum` bytes of the file `chemin` (its name as the system spells it). A pipe,
// a device or a folder is refused at once: opening it never waits for a writer, nor a read for
// bytes that may never come.
LectureOrdinaire LireFichierOrdinaire(const QByteArray &chemin, qint64 maximum);

// Why a read failed, for the error stream: the system's own words, or "pas un fichier
// ordinaire : un tube".
std::string CauseEchecLecture(const LectureOrdinaire &lecture);

} // namespace lumio
