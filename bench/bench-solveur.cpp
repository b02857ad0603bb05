// Measures how many grids per second the game's solver completes, file by file.
#include "CNoeud.h"
#include "GrillesTexte.h"
#include "SolveurReference.h"

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
    "bench-solveur [-n NOMBRE] [--verifier] [DOSSIER | FICHIER...]\n"
    "  Résout les grilles de chaque fichier .txt (une grille de 81 caractères par ligne,\n"
    "  ligne après ligne, « . » ou « 0 » pour une case vide) et affiche le nombre de grilles\n"
    "  résolues par seconde, d'après la plus rapide de plusieurs passes.\n"
    "  -n : seulement les NOMBRE premières grilles de chaque fichier.\n"
    "  --verifier : compare de plus chaque réponse à celle de la recherche pas à pas (lente) ;\n"
    "  code de sortie 1 s'il y a une différence.\n"
    "  Par défaut : le dossier tests/data du dépôt.\n";

std::vector<GrilleChiffres> Lire(const fs::path &chemin, long nombre) {
    std::vector<GrilleChiffres> v;
    std::ifstream f(chemin);
    std::string ligne;
    while (long(v.size()) < nombre && std::getline(f, ligne)) {
        if (ligne.size() < 81) continue;
        v.push_back(test::GrilleDeTexte(ligne));
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
    double total = 0, meilleure = 0;
    // Several passes, the fastest counting: on a busy machine the others are slowed by whatever
    // else runs.
    do {
        resolues = 0;
        const auto debut = Horloge::now();
        for (const GrilleChiffres &g : grilles)
            resolues += Resoudre(g, solution, trouvee) == IssueRecherche::Resolue;
        const double secondes = std::chrono::duration<double>(Horloge::now() - debut).count();
        meilleure = passes++ == 0 ? secondes : std::min(meilleure, secondes);
        total += secondes;
    } while (total < 1 || passes < 3);
    std::printf("%-24s %6zu grilles %6ld résolues %6ld sans solution %8.3f s %10.0f grilles/s\n",
                chemin.filename().string().c_str(), grilles.size(), resolues, long(grilles.size()) - resolues,
                meilleure, double(grilles.size()) / meilleure);
    std::fflush(stdout);
}

// The verdict and the completion of every grid against the step-by-step search; the number of
// grids that differ.
long Verifier(const fs::path &chemin, long nombre) {
    long differences = 0, n = 0;
    for (const GrilleChiffres &g : Lire(chemin, nombre)) {
        ++n;
        GrilleChiffres rapide, pasAPas;
        bool trouvee = false;
        const bool ok = Resoudre(g, rapide, trouvee) == IssueRecherche::Resolue;
        const bool okPasAPas = test::ResoudreReference(g, pasAPas);
        if (ok == okPasAPas && (!ok || rapide == pasAPas)) continue;
        if (++differences <= 10)
            std::printf("  ligne %ld : %s -> %s au lieu de %s\n", n, test::TexteDeGrille(g).c_str(),
                        ok ? test::TexteDeGrille(rapide).c_str() : "sans solution",
                        okPasAPas ? test::TexteDeGrille(pasAPas).c_str() : "sans solution");
    }
    std::printf("%-24s %6ld grilles vérifiées, %ld différence%s\n", chemin.filename().string().c_str(), n,
                differences, differences > 1 ? "s" : "");
    std::fflush(stdout);
    return differences;
}

} // namespace

int main(int argc, char *argv[]) {
    long nombre = 1L << 30;
    bool verifier = false;
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
        if (a == "--verifier") {
            verifier = true;
            continue;
        }
        chemins.emplace_back(a);
    }
    if (chemins.empty()) chemins.emplace_back(fs::path(LUMIO_RACINE) / "tests" / "data");

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
    long differences = 0;
    for (const fs::path &f : fichiers) {
        Mesurer(f, nombre);
        if (verifier) differences += Verifier(f, nombre);
    }
    return differences ? 1 : 0;
}
