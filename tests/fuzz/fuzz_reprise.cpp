// libFuzzer target: the interrupted game's reader, the board it fills, and the round trip.
#include "Controles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille) {
    return lumio::fuzz::Verdict("reprise", lumio::fuzz::ControleReprise(donnees, taille));
}
