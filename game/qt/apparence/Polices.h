// The fonts the game names, mapped to installed look-alikes.
#pragma once

namespace lumio {

// "Comic Sans MS" and "Arial" resolve to Comic Neue and Liberation Sans where they are missing.
void InstallerSubstitutionsPolices();

} // namespace lumio
