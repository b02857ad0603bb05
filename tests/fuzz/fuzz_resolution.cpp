// libFuzzer target: grids given as text to the solver, every answer checked on its own.
#include "Controles.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille) {
    const std::string faute = lumio::fuzz::ControleResolution(donnees, taille);
    if (!faute.empty()) {
        std::fprintf(stderr, "résolution : %s\n", faute.c_str());
        std::abort();
    }
    return 0;
}
