// libFuzzer target: grids given as text to the solver, every answer checked on its own.
#include "Controles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille) {
    return lumio::fuzz::Verdict("resolution", lumio::fuzz::ControleResolution(donnees, taille));
}
