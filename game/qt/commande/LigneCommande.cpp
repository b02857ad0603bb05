// The table of the command line, the reading of a line against it, and the help it gives.
#include "commande/LigneCommande.h"

#include "commande/Commandes.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iostream>

namespace lumio {

const std::vector<CommandeLigne> &Commandes() {
    static const std::vector<CommandeLigne> table = {
        {{},
         nullptr,
         "[PARTIE.sdk]",
         0,
         1,
         {},
         "  Ouvre la fenêtre du jeu et commence une partie dans le mode enregistré, ou ouvre la\n"
         "  partie enregistrée PARTIE.sdk.\n",
         LancerJeu},
        {{"--capture"},
         "IMAGE.png",
         "[PARTIE.sdk]",
         0,
         1,
         {},
         "  Écrit l'image de la fenêtre principale dans IMAGE.png, sans l'afficher, puis quitte ;\n"
         "  avec PARTIE.sdk, l'image montre cette partie.\n",
         Capturer},
        {{"--resoudre"},
         "FICHIER",
         nullptr,
         0,
         0,
         {},
         "  Résout les grilles de FICHIER (« - » pour l'entrée standard), une grille par ligne :\n"
         "  81 caractères, ligne après ligne de la grille (de gauche à droite, puis de haut en\n"
         "  bas), un chiffre de 1 à 9 pour une case remplie, « 0 » ou « . » pour une case vide.\n"
         "  Attention : c'est l'ordre de lecture d'un texte, pas celui des grilles du jeu, qui\n"
         "  vont colonne par colonne.\n"
         "  Pour chaque grille, une ligne : la grille complétée sous la même forme, ou\n"
         "  « Aucune solution possible! », ou « La grille est vide ! ». Les lignes blanches sont\n"
         "  ignorées ; une ligne mal formée est signalée sur la sortie d'erreur et ne donne rien.\n"
         "  Code de sortie : 0 si toutes les lignes sont des grilles, 1 si une ligne est mal\n"
         "  formée, 2 si le fichier ne peut pas être lu.\n",
         Resoudre},
        {{"--imprimer-grilles"},
         nullptr,
         "N FICHIER.pdf",
         2,
         2,
         {{"--niveau", "1-4", "le niveau des grilles ; par défaut celui des préférences"},
          {"--sans-solutions", nullptr, "sans les pages de solutions"},
          {"--graine", "ENTIER", "redonne les mêmes grilles à chaque fois"}},
         "  Génère N grilles nouvelles (1 à 99) et les écrit dans FICHIER.pdf, deux par page A4,\n"
         "  suivies de leurs solutions.\n",
         ImprimerGrilles},
        {{"--imprimer"},
         nullptr,
         "FICHIER.pdf [PARTIE.sdk]",
         1,
         2,
         {{"--avec-solution", nullptr, "tous les chiffres, pas seulement les chiffres donnés"}},
         "  Écrit dans FICHIER.pdf la grille de la partie de démarrage, ou de PARTIE.sdk : les\n"
         "  chiffres donnés seulement, ou tous les chiffres avec --avec-solution.\n"
         "  Aucune des deux impressions n'ouvre de fenêtre ni ne demande d'écran. Le fichier\n"
         "  n'est remplacé qu'une fois entièrement écrit, et jamais s'il existe sans être un PDF.\n"
         "  Code de sortie : 0 si le PDF est écrit, 1 sinon, avec la raison sur la sortie d'erreur.\n",
         ImprimerGrille},
        {{"--version"},
         nullptr,
         nullptr,
         0,
         0,
         {},
         "  Affiche le nom et la version du programme.\n",
         AfficherVersion},
        {{"-h", "--help"}, nullptr, nullptr, 0, 0, {}, "  Affiche cette aide.\n", AfficherAide},
    };
    return table;
}

std::string AppelLigne::Valeur(const char *option) const {
    const auto it = options.find(option);
    return it == options.end() ? std::string() : it->second;
}

namespace {

const CommandeLigne &Jeu() {
    return Commandes().front();
}

bool Nomme(const CommandeLigne &c, const std::string &nom) {
    return std::any_of(c.noms.begin(), c.noms.end(), [&](const char *n) { return nom == n; });
}

const CommandeLigne *CommandeNommee(const std::string &nom) {
    for (const CommandeLigne &c : Commandes())
        if (Nomme(c, nom)) return &c;
    return nullptr;
}

const OptionLigne *OptionDe(const CommandeLigne &c, const std::string &nom) {
    for (const OptionLigne &o : c.options)
        if (nom == o.nom) return &o;
    return nullptr;
}

const OptionLigne *OptionNommee(const std::string &nom) {
    for (const CommandeLigne &c : Commandes())
        if (const OptionLigne *o = OptionDe(c, nom)) return o;
    return nullptr;
}

// Qt takes these from the line itself when it starts, with one dash or two; those of the first
// list take a value, as the next argument or after "=".
const char *const OptionsQtAvecValeur[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
const char *const OptionsQtSansValeur[] = {"reverse", "widgetcount",   "nograb",  "dograb",
                                           "sync",    "qmljsdebugger", "dialogs", "fontengine"};

// How many arguments a Qt option takes after itself: -1 when it is none of Qt's.
int ValeursQt(const std::string &nom, bool valeurCollee) {
    std::string n = nom.substr(nom.compare(0, 2, "--") == 0 ? 2 : 1);
    for (const char *q : OptionsQtAvecValeur)
        if (n == q) return valeurCollee ? 0 : 1;
    for (const char *q : OptionsQtSansValeur)
        if (n == q) return 0;
    return -1;
}

std::string Noms(const CommandeLigne &c) {
    std::string s;
    for (const char *n : c.noms)
        s += (s.empty() ? "" : " | ") + std::string(n);
    return s;
}

// "--imprimer-grilles" or "--imprimer-grilles ou --imprimer": the commands that take an option.
std::string CommandesDe(const std::string &option) {
    std::string s;
    for (const CommandeLigne &c : Commandes())
        if (OptionDe(c, option)) s += (s.empty() ? "" : " ou ") + std::string(c.noms.front());
    return s;
}

bool EstArgument(const std::string &a) {
    // "-" names the standard input; "-3" is a number, not an option.
    return a.empty() || a[0] != '-' || a == "-" || std::isdigit(static_cast<unsigned char>(a[1]));
}

} // namespace

AppelLigne LireLigne(const std::vector<std::string> &arguments) {
    AppelLigne appel;
    std::vector<const CommandeLigne *> commandes;
    std::vector<std::string> options; // in their order, for the check against the command
    auto Refuser = [&](const std::string &erreur) {
        appel.erreur = erreur;
        return appel;
    };
    bool finOptions = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        if (finOptions || EstArgument(a)) {
            appel.arguments.push_back(a);
            continue;
        }
        if (a == "--") {
            finOptions = true;
            continue;
        }
        const std::size_t egal = a.compare(0, 2, "--") == 0 ? a.find('=') : std::string::npos;
        const std::string nom = a.substr(0, egal);
        const bool collee = egal != std::string::npos;
        // The value of an option: what follows "=", or the next argument whatever it looks like.
        auto Valeur = [&](std::string &valeur) {
            if (collee) {
                valeur = a.substr(egal + 1);
                return true;
            }
            if (i + 1 >= arguments.size()) return false;
            valeur = arguments[++i];
            return true;
        };
        if (const CommandeLigne *c = CommandeNommee(nom)) {
            if (std::find(commandes.begin(), commandes.end(), c) == commandes.end()) commandes.push_back(c);
            if (c->valeur) {
                if (!Valeur(appel.valeur)) return Refuser(nom + " attend " + c->valeur + ".");
            } else if (collee) {
                return Refuser(nom + " ne prend pas de valeur.");
            }
        } else if (const OptionLigne *o = OptionNommee(nom)) {
            std::string valeur;
            if (o->valeur && !Valeur(valeur)) return Refuser(nom + " attend " + o->valeur + ".");
            if (!o->valeur && collee) return Refuser(nom + " ne prend pas de valeur.");
            appel.options[nom] = valeur;
            options.push_back(nom);
        } else if (const int n = ValeursQt(a.substr(0, a.find('=')), a.find('=') != std::string::npos);
                   n >= 0) {
            i += std::size_t(n);
        } else {
            return Refuser("option inconnue « " + a + " ».");
        }
    }

    // The help and the version answer whatever else the line asks.
    for (const char *prioritaire : {"--help", "--version"})
        for (const CommandeLigne *c : commandes)
            if (Nomme(*c, prioritaire)) {
                appel.commande = c;
                return appel;
            }
    if (commandes.size() > 1)
        return Refuser(std::string(commandes[0]->noms.front()) + " et " + commandes[1]->noms.front() +
                       " ne s'emploient pas ensemble.");
    const CommandeLigne &c = commandes.empty() ? Jeu() : *commandes.front();
    appel.commande = &c;
    for (const std::string &o : options)
        if (!OptionDe(c, o)) return Refuser(o + " ne s'emploie qu'avec " + CommandesDe(o) + ".");
    const int n = int(appel.arguments.size());
    const std::string qui = c.noms.empty() ? std::string("le jeu") : c.noms.front();
    if (n < c.argumentsMin) return Refuser(qui + " attend " + c.arguments + ".");
    if (n > c.argumentsMax)
        return Refuser("« " + appel.arguments[std::size_t(c.argumentsMax)] +
                       " » est de trop : " + Synopsis(c) + ".");
    return appel;
}

std::string Synopsis(const CommandeLigne &c) {
    std::string s = "sudoku-lumio";
    if (!c.noms.empty()) s += " " + Noms(c);
    if (c.valeur) s += " " + std::string(c.valeur);
    // The command's own arguments come first, an optional last one after the options.
    std::string arguments = c.arguments ? c.arguments : "";
    std::string facultatif;
    if (const std::size_t crochet = arguments.find('['); crochet != std::string::npos) {
        facultatif = arguments.substr(crochet);
        arguments = arguments.substr(0, crochet == 0 ? 0 : crochet - 1);
    }
    if (!arguments.empty()) s += " " + arguments;
    for (const OptionLigne &o : c.options)
        s += " [" + std::string(o.nom) + (o.valeur ? " " + std::string(o.valeur) : "") + "]";
    if (!facultatif.empty()) s += " " + facultatif;
    return s;
}

std::string TexteAide() {
    std::string aide = "Sudoku Lumio, le Sudoku classique.\n\nUtilisation :\n";
    for (const CommandeLigne &c : Commandes()) {
        aide += Synopsis(c) + "\n" + c.aide;
        for (const OptionLigne &o : c.options) {
            std::string tete = "  " + std::string(o.nom) + (o.valeur ? " " + std::string(o.valeur) : "");
            tete.resize(std::max<std::size_t>(tete.size() + 2, 22), ' ');
            aide += tete + o.aide + "\n";
        }
    }
    return aide;
}

int ExecuterLigneCommande(int argc, char *argv[]) {
    const AppelLigne appel = LireLigne(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (!appel.erreur.empty()) {
        std::cerr << "sudoku-lumio : " << appel.erreur << "\n"
                  << "Essayez « sudoku-lumio --help » pour la liste des options.\n";
        return 2;
    }
    return appel.commande->executer(appel, argc, argv);
}

} // namespace lumio
