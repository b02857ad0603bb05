// libFuzzer target: the saved-game reader, and the round trip of what it accepts.
#include "Controles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille) {
    return lumio::fuzz::Verdict("partie", lumio::fuzz::ControlePartie(donnees, taille));
}
