// Where the program's data files (sounds, help) are found, built or installed.
#pragma once

#include <QString>
#include <QStringList>

namespace lumio {

// The folders searched for data, in order: beside the executable (a build, or a copy run from
// anywhere), the share folder of the prefix the executable sits in, then the data folder the
// build was configured to install into.
QStringList DossiersRessources();

// The first of those folders that holds `relatif` ("Sons/Ok.wav", "Aide/Aide-Sudoku.qhc"); the
// path beside the executable when none does, so that a message can name where it was expected.
QString CheminRessource(const QString &relatif);

} // namespace lumio
