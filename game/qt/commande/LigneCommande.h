// The command line: one table of the program's commands and their options, from which the
// help, the reading of a line and the dispatch all come.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace lumio {

struct AppelLigne;

// What a command does once its line is read: the exit code. `argc` and `argv` are the
// process's own, for Qt to take its options from.
using ExecutionCommande = int (*)(const AppelLigne &appel, int &argc, char **argv);

struct OptionLigne {
    const char *nom;    // "--niveau"
    const char *valeur; // the value that follows it, as the help names it ("1-4"); nullptr for none
    const char *aide;   // one short line
};

struct CommandeLigne {
    std::vector<const char *> noms; // "-h", "--help"; none for the game itself
    const char *valeur;             // the value that follows the name ("IMAGE.png"), or nullptr
    const char *arguments;          // the other arguments, as the help names them ("N FICHIER.pdf")
    int argumentsMin, argumentsMax;
    std::vector<OptionLigne> options;
    const char *aide; // lines of the help, each ending with a line feed
    ExecutionCommande executer;
};

// Every command, the game first.
const std::vector<CommandeLigne> &Commandes();

// A line read against the table: the command, its value, its other arguments in their order
// and its options; or why the line was refused.
struct AppelLigne {
    const CommandeLigne *commande = nullptr;
    std::string valeur;
    std::vector<std::string> arguments; // as the system gave them, bytes and all
    std::map<std::string, std::string> options;
    std::string erreur; // French, one sentence; empty when the line was read

    bool A(const char *option) const { return options.count(option) != 0; }
    std::string Valeur(const char *option) const;
};

// Reads the arguments that follow the program's name. Qt's own options (-platform, --platform
// xcb, -style=…) are left for Qt.
AppelLigne LireLigne(const std::vector<std::string> &arguments);

// "sudoku-lumio --imprimer FICHIER.pdf [--avec-solution] [PARTIE.sdk]": how a command is written.
std::string Synopsis(const CommandeLigne &commande);

// What --help prints.
std::string TexteAide();

// Reads the process's line and runs its command; the process's exit code.
int ExecuterLigneCommande(int argc, char *argv[]);

} // namespace lumio
