// One section of an INI file, taken out of it or written back into it, every other byte of the
// file left as it was.
#pragma once

#include <QByteArray>
#include <QSet>

namespace lumio {

// The lines of every section named `section` (spaces around the name ignored), in file order,
// under a single header: a small INI file that QSettings reads as the whole file would give it.
// A line ended by a backslash goes on with the next, as QSettings reads it.
QByteArray ExtraireSection(const QByteArray &ini, const QByteArray &section);

// The file with the lines of `cles` removed from the sections named `section`, and `lignes`
// (complete "cle=valeur" lines) put right under the first of them, or in a new section at the
// end. The rest of the file is copied byte for byte: a file of any size costs one copy.
QByteArray RemplacerCles(const QByteArray &ini, const QByteArray &section, const QSet<QByteArray> &cles,
                         const QByteArray &lignes);

} // namespace lumio
