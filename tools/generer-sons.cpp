// Writes the game's eight WAV sounds into a folder (placeholder tones until the real set lands).
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    if (argc < 2) return 2;
    const std::string dossier = argv[1];
    const char *noms[] = {"Ok.wav", "erreur.wav", "accueil.wav", "Recommencer.wav",
                          "PlacerLettre.wav", "AffichSol.wav", "Bravo.wav", "Indice.wav"};
    const int taux = 22050;
    int n = 0;
    for (const char *nom : noms) {
        std::vector<std::int16_t> e(taux / 5);
        for (std::size_t i = 0; i < e.size(); ++i)
            e[i] = std::int16_t(8000 * std::sin(2 * M_PI * (440 + 110 * n) * double(i) / taux) *
                                (1.0 - double(i) / double(e.size())));
        ++n;
        std::ofstream f(dossier + "/" + nom, std::ios::binary);
        auto u32 = [&](std::uint32_t v) { f.write(reinterpret_cast<const char *>(&v), 4); };
        auto u16 = [&](std::uint16_t v) { f.write(reinterpret_cast<const char *>(&v), 2); };
        const std::uint32_t octets = std::uint32_t(e.size() * 2);
        f.write("RIFF", 4), u32(36 + octets), f.write("WAVE", 4), f.write("fmt ", 4), u32(16), u16(1), u16(1);
        u32(taux), u32(taux * 2), u16(2), u16(16), f.write("data", 4), u32(octets);
        f.write(reinterpret_cast<const char *>(e.data()), octets);
    }
    return 0;
}
