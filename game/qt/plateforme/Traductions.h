// French for Qt's own words too: its dialogs, and the few words its French translation lacks.
#pragma once

namespace lumio {

// Qt's French translation, the words it lacks, and French as the locale the program's texts are
// chosen by (file types in the file dialogs, for one), whatever the desktop's language. Once per
// program, after the application object exists.
void InstallerTraductions();

} // namespace lumio
