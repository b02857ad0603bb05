// Measures how many grids per second the game's solver completes, file by file.
#include "CNoeud.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace lumio;
namespace fs = std::filesystem;

namespace {

const char *const Usage =
    "bench-solveur [-n NOMBRE] [DOSSIER | FICHIER...]\n"
    "  Résout les grilles de chaque fichier .txt (une grille de 81 caractères par ligne,\n"
    "  ligne après ligne, « . » ou « 0 » pour une case vide) et affiche le nombre de grilles\n"
    "  résolues par seconde. -n : seulement les NOMBRE premières grilles de chaque fichier.\n"
    "  Par défaut : le dossier ../shared/data à côté du dépôt.\n";

std::vector<GrilleChiffres> Lire(const fs::path &chemin, long nombre) {
    std::vector<GrilleChiffres> v;
    std::ifstream f(chemin);
    std::string ligne;
    while (long(v.size()) < nombre && std::getline(f, ligne)) {
        if (ligne.size() < 81) continue;
        GrilleChiffres g;
        for (int i = 0; i < 81; ++i) {
            char x = ligne[std::size_t(i)];
            g(i % 9 + 1, i / 9 + 1) = x >= '1' && x <= '9' ? Chiffre(x - '0') : 0;
        }
        v.push_back(g);
    }
    return v;
}

void Mesurer(const fs::path &chemin, long nombre) {
    const std::vector<GrilleChiffres> grilles = Lire(chemin, nombre);
    if (grilles.empty()) return;
    using Horloge = std::chrono::steady_clock;
    long resolues = 0, passes = 0;
    GrilleChiffres solution;
    bool trouvee = false;
    const auto debut = Horloge::now();
    double secondes = 0;
    // Short files are run again until the measure lasts long enough to mean something.
    do {
        resolues = 0;
        for (const GrilleChiffres &g : grilles)
            resolues += Resoudre(g, solution, trouvee) == IssueRecherche::Resolue;
        ++passes;
        secondes = std::chrono::duration<double>(Horloge::now() - debut).count();
    } while (secondes < 0.5);
    std::printf("%-24s %6zu grilles %6ld résolues %6ld sans solution %8.3f s %10.0f grilles/s\n",
                chemin.filename().string().c_str(), grilles.size(), resolues, long(grilles.size()) - resolues,
                secondes / double(passes), double(grilles.size()) * double(passes) / secondes);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[]) {
    long nombre = 1L << 30;
    std::vector<fs::path> chemins;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-h" || a == "--help") {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (a == "-n" && i + 1 < argc) {
            nombre = std::atol(argv[++i]);
            continue;
        }
        chemins.emplace_back(a);
    }
    if (chemins.empty()) chemins.emplace_back(fs::path(LUMIO_RACINE) / ".." / "shared" / "data");

    std::vector<fs::path> fichiers;
    for (const fs::path &p : chemins) {
        std::error_code e;
        if (fs::is_directory(p, e)) {
            for (const auto &entree : fs::directory_iterator(p))
                if (entree.path().extension() == ".txt") fichiers.push_back(entree.path());
        } else if (fs::exists(p, e)) {
            fichiers.push_back(p);
        } else {
            std::fprintf(stderr, "Introuvable : %s\n", p.string().c_str());
            return 2;
        }
    }
    std::sort(fichiers.begin(), fichiers.end());
    for (const fs::path &f : fichiers)
        Mesurer(f, nombre);
    return 0;
}
