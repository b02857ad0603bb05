// libFuzzer target: the saved-game reader, and the round trip of what it accepts.
#include "Controles.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille) {
    const std::string faute = lumio::fuzz::ControlePartie(donnees, taille);
    if (!faute.empty()) {
        std::fprintf(stderr, "partie : %s\n", faute.c_str());
        std::abort();
    }
    return 0;
}
