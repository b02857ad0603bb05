// What a player who starts the game from a terminal reads there: the game's own lines only.
#pragma once

namespace lumio {

// Keeps Qt's debug, information and warning messages (about audio back ends, runtime folders,
// accessibility tables...) out of the terminal: they say nothing a player can act on, and what
// matters the game says itself, in French. Critical and fatal ones still show. Set
// LUMIO_MESSAGES_QT=1 to see every message again. Once, first thing in the program.
void TairMessagesQt();

} // namespace lumio
