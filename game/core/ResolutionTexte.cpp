// Grids as text lines: reading a line of 81 cells, checking it, and printing the completion.
#include "ResolutionTexte.h"
#include "CNoeud.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <new>
#include <string>
#include <vector>

namespace lumio {

namespace {

// The characters of a UTF-8 line, each kept whole so that an accented letter is shown and counted
// as one.
std::vector<std::string> Caracteres(const std::string &ligne) {
    std::vector<std::string> v;
    for (std::size_t i = 0; i < ligne.size();) {
        unsigned char o = static_cast<unsigned char>(ligne[i]);
        std::size_t n = o < 0xC0 ? 1 : o < 0xE0 ? 2 : o < 0xF0 ? 3 : 4;
        v.push_back(ligne.substr(i, n));
        i += n;
    }
    return v;
}

// Reads one line into a grid; an empty string when it is one, otherwise why it is not.
std::string LireGrille(const std::string &ligne, GrilleChiffres &grille) {
    const std::vector<std::string> car = Caracteres(ligne);
    for (std::size_t i = 0; i < car.size(); ++i) {
        const std::string &x = car[i];
        if (x.size() == 1 && ((x[0] >= '0' && x[0] <= '9') || x[0] == '.')) continue;
        return "caractère « " + x + " » inattendu en colonne " + std::to_string(i + 1) + ".";
    }
    if (car.size() != 81)
        return std::to_string(car.size()) + (car.size() > 1 ? " caractères" : " caractère") +
               " au lieu de 81.";
    for (int i = 0; i < 81; ++i) {
        char x = ligne[std::size_t(i)];
        grille(i % 9 + 1, i / 9 + 1) = x == '.' ? 0 : Chiffre(x - '0');
    }
    return {};
}

std::string Reponse(const GrilleChiffres &grille) {
    bool vide = true;
    for (Chiffre d : grille.Cases())
        vide = vide && d == 0;
    if (vide) return "La grille est vide !";
    GrilleChiffres solution;
    bool trouvee = false;
    if (Resoudre(grille, solution, trouvee) != IssueRecherche::Resolue) return "Aucune solution possible!";
    std::string s(81, ' ');
    for (int i = 0; i < 81; ++i)
        s[std::size_t(i)] = char('0' + solution(i % 9 + 1, i / 9 + 1));
    return s;
}

} // namespace

int ResoudreFlux(std::istream &entree, std::ostream &sortie, std::ostream &erreurs) {
    int code = 0;
    // A grid line is 81 characters; the bound leaves room for trailing blanks, and stops a file
    // with no line end (a device, a huge or sparse file) from being held in memory.
    char tampon[LongueurMaxLigne + 1];
    for (long numero = 1;; ++numero) {
        entree.getline(tampon, sizeof tampon);
        if (entree.bad() || (entree.fail() && entree.eof() && entree.gcount() == 0)) break;
        if (entree.fail() && !entree.eof()) {
            // Said at once: the rest of the line may take long to skip, or never end.
            erreurs << "Ligne " << numero << " : trop longue." << std::endl;
            code = 1;
            entree.clear();
            entree.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            if (entree.bad()) break;
            continue;
        }
        // gcount() counts the line end when there was one; the line may hold NUL bytes.
        std::string ligne(tampon, std::size_t(entree.gcount()) - (entree.eof() ? 0 : 1));
        // Files written elsewhere end lines with "\r\n" or keep trailing blanks.
        while (!ligne.empty() && (ligne.back() == '\r' || ligne.back() == ' ' || ligne.back() == '\t'))
            ligne.pop_back();
        if (ligne.find_first_not_of(" \t") == std::string::npos) continue;
        GrilleChiffres grille;
        const std::string faute = LireGrille(ligne, grille);
        if (!faute.empty()) {
            erreurs << "Ligne " << numero << " : " << faute << '\n';
            code = 1;
            continue;
        }
        sortie << Reponse(grille) << '\n';
    }
    return code;
}

int ResoudreFichier(const std::string &chemin, std::istream &entree, std::ostream &sortie,
                    std::ostream &erreurs) {
    const bool standard = chemin == "-";
    const std::string nom = standard ? "l'entrée standard" : "« " + chemin + " »";
    std::error_code ec;
    if (!standard && std::filesystem::is_directory(chemin, ec)) {
        erreurs << nom << " est un dossier, pas un fichier de grilles.\n";
        return 2;
    }
    std::ifstream fichier;
    if (!standard) {
        fichier.open(chemin);
        if (!fichier) {
            erreurs << "Impossible d'ouvrir le fichier " << nom << ".\n";
            return 2;
        }
    }
    std::istream &lu = standard ? entree : fichier;
    int code = 0;
    try {
        code = ResoudreFlux(lu, sortie, erreurs);
    } catch (const std::bad_alloc &) {
        erreurs << "Mémoire insuffisante : les grilles de " << nom << " n'ont pas toutes été résolues.\n";
        return 2;
    }
    // A read or write that fails part-way must not pass for a file read to its end.
    if (lu.bad()) {
        erreurs << "Erreur de lecture dans " << nom << " : les grilles suivantes n'ont pas été lues.\n";
        return 2;
    }
    if (!sortie.flush()) {
        erreurs << "Impossible d'écrire les réponses.\n";
        return 2;
    }
    return code;
}

} // namespace lumio
