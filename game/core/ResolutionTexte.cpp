// Grids as text lines: reading a line of 81 cells, checking it, and printing the completion.
#include "ResolutionTexte.h"
#include "CNoeud.h"

#include <fstream>
#include <string>
#include <vector>

namespace lumio {

const char *const AideResolution =
    "sudoku-lumio --resoudre FICHIER\n"
    "  Résout les grilles de FICHIER (« - » pour l'entrée standard), une grille par ligne :\n"
    "  81 caractères, ligne après ligne de la grille (de gauche à droite, puis de haut en\n"
    "  bas), un chiffre de 1 à 9 pour une case remplie, « 0 » ou « . » pour une case vide.\n"
    "  Attention : c'est l'ordre de lecture d'un texte, pas celui des grilles du jeu, qui\n"
    "  vont colonne par colonne.\n"
    "  Pour chaque grille, une ligne : la grille complétée sous la même forme, ou\n"
    "  « Aucune solution possible! », ou « La grille est vide ! ». Les lignes blanches sont\n"
    "  ignorées ; une ligne mal formée est signalée sur la sortie d'erreur et ne donne rien.\n"
    "  Code de sortie : 0 si toutes les lignes sont des grilles, 1 si une ligne est mal\n"
    "  formée, 2 si le fichier ne peut pas être ouvert.\n";

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
    std::string ligne;
    for (long numero = 1; std::getline(entree, ligne); ++numero) {
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
    if (chemin == "-") return ResoudreFlux(entree, sortie, erreurs);
    std::ifstream fichier(chemin);
    if (!fichier) {
        erreurs << "Impossible d'ouvrir le fichier « " << chemin << " ».\n";
        return 2;
    }
    return ResoudreFlux(fichier, sortie, erreurs);
}

} // namespace lumio
