// Sudoku Lumio: builds the platform objects and the main window, then runs the event loop.
#include "ResolutionTexte.h"
#include "SourceHorloge.h"
#include "apparence/Polices.h"
#include "commande/ImpressionCommande.h"
#include "fenetres/Dialogues.h"
#include "fenetres/frmMain.h"
#include "plateforme/Application.h"
#include "plateforme/ArretParSignal.h"
#include "plateforme/FichierReprise.h"
#include "plateforme/LecteurSonsQt.h"
#include "plateforme/MagasinQSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

using namespace lumio;

namespace {

// Solving from the command line and the help need no window, nor even a display: they run
// before Qt starts.
const char *const Usage =
    "Utilisation : sudoku-lumio [options] [partie.sdk]\n"
    "Sudoku Lumio, le Sudoku classique.\n\n"
    "  partie.sdk            ouvre cette partie enregistrée au lieu d'une nouvelle\n"
    "  --capture IMAGE.png   écrit l'image de la fenêtre principale, sans l'afficher, puis quitte\n"
    "  --version             affiche le nom et la version du programme\n"
    "  -h, --help            affiche cette aide\n\n";

// Every long option of the program, and the number of values that follow it.
struct OptionConnue {
    const char *nom;
    int valeurs;
};
const OptionConnue OptionsConnues[] = {
    {"--help", 0},     {"--version", 0},  {"--capture", 1},        {"--resoudre", 1},
    {"--imprimer", 1}, {"--niveau", 1},   {"--sans-solutions", 0}, {"--imprimer-grilles", 2},
    {"--graine", 1},   {"--avec-solution", 0},
};

// The first long option the program does not know, or nullptr. Checked before anything starts,
// so a mistyped option is told plainly, even where no display could open a window. (Qt's own
// options have a single dash; the parser judges those once Qt has taken its own.)
const char *OptionInconnue(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (std::strcmp(a, "--") == 0) return nullptr; // only file names follow
        if (std::strncmp(a, "--", 2) != 0) continue;
        const char *egal = std::strchr(a, '=');
        const std::size_t longueur = egal ? std::size_t(egal - a) : std::strlen(a);
        const OptionConnue *connue = nullptr;
        for (const OptionConnue &o : OptionsConnues)
            if (std::strlen(o.nom) == longueur && std::strncmp(o.nom, a, longueur) == 0) connue = &o;
        if (!connue) return a;
        if (!egal) i += connue->valeurs;
    }
    return nullptr;
}

int SignalerOption(const QString &erreur) {
    std::cerr << "sudoku-lumio : " << erreur.toStdString() << "\n"
              << "Essayez « sudoku-lumio --help » pour la liste des options.\n";
    return 2;
}

int ResoudreSansFenetre(int argc, char *argv[], bool &traite) {
    if (const char *inconnue = OptionInconnue(argc, argv)) {
        traite = true;
        return SignalerOption(QStringLiteral("option inconnue « %1 ».").arg(QString::fromLocal8Bit(inconnue)));
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            traite = true;
            std::cout << Usage << AideResolution << AideImpression;
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            traite = true;
            std::cout << "Sudoku Lumio " LUMIO_VERSION "\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--resoudre") != 0) continue;
        traite = true;
        if (i + 1 >= argc) {
            std::cerr << "--resoudre attend un fichier de grilles, ou - pour l'entrée standard.\n";
            return 2;
        }
        // Streams of their own over the descriptors: a failing read then shows as one, where
        // the C library's would only look like the end of the input.
        std::ios::sync_with_stdio(false);
        return ResoudreFichier(argv[i + 1], std::cin, std::cout, std::cerr);
    }
    return 0;
}

// Qt decodes the arguments as UTF-8, so a file name that is not (bad\xffname.sdk) comes back
// with U+FFFD in place of its byte and names no file; its bytes are taken again from argv (two
// arguments that differ only in such bytes read the same: the last one is taken).
QByteArray NomNatif(const QString &argument, int argc, char *argv[]) {
    QByteArray nom = QFile::encodeName(argument);
    for (int i = 1; i < argc; ++i)
        if (QFile::decodeName(argv[i]) == argument) nom = argv[i];
    return nom;
}

} // namespace

int main(int argc, char *argv[]) {
    // Past the file-size limit a write fails with EFBIG and the game says so; the signal would
    // end the program and lose the game in progress.
    std::signal(SIGXFSZ, SIG_IGN);

    bool resolution = false;
    const int code = ResoudreSansFenetre(argc, argv, resolution);
    if (resolution) return code;
    bool impression = false;
    const int codeImpression = ImprimerSansFenetre(argc, argv, impression);
    if (impression) return codeImpression;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku Lumio"));
    QApplication::setOrganizationName(QStringLiteral("Darvel"));
    DeclarerApplication();
    InstallerSubstitutionsPolices();
    // The game speaks French whatever the desktop's language, down to Qt's own dialogs.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Sudoku Lumio, le Sudoku classique."));
    QCommandLineOption capture(QStringLiteral("capture"),
                               QStringLiteral("Écrit l'image de la fenêtre principale dans FICHIER.png, sans l'afficher."),
                               QStringLiteral("FICHIER"));
    options.addOption(capture);
    options.addOption(QCommandLineOption(QStringLiteral("resoudre"),
                                         QStringLiteral("Résout les grilles de FICHIER (ou - : l'entrée standard), une par ligne."),
                                         QStringLiteral("FICHIER")));
    options.addPositionalArgument(QStringLiteral("partie"), QStringLiteral("Une partie enregistrée (.sdk) à ouvrir."),
                                  QStringLiteral("[partie.sdk]"));
    if (!options.parse(QApplication::arguments())) {
        const QStringList inconnues = options.unknownOptionNames();
        return SignalerOption(inconnues.isEmpty()
                                  ? options.errorText()
                                  : QStringLiteral("option inconnue « -%1 ».").arg(inconnues.first()));
    }
    const QStringList parties = options.positionalArguments();

    MagasinQSettings reglages;
    LecteurSonsQt sons;
    DialoguesQt dialogues;
    const bool enCapture = options.isSet(capture);
    frmMain fenetre(reglages, sons, SourceHorloge::Processus(), dialogues, !enCapture);
    fenetre.DefinirCapture(enCapture);
    // From here a stop signal waits for the event loop, where the game in progress is kept.
    if (!enCapture) ArretParSignal::Intercepter();
    ArretParSignal arret;
    if (!enCapture) {
        fenetre.ActiverReprise(std::make_unique<FichierReprise>(FichierReprise::DossierUtilisateur()));
        QObject::connect(&arret, &ArretParSignal::Arret, &fenetre, &frmMain::TerminerEnGardant);
        // At logout the game is kept for the next start, and the session ends without a question.
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &fenetre,
                         [&fenetre](QSessionManager &) { fenetre.FinDeSession(); });
    }
    fenetre.Form_Load(parties.isEmpty() ? QByteArray() : NomNatif(parties[0], argc, argv));
    if (fenetre.FinDemandee()) return 0;

    if (enCapture) {
        const QString fichier = options.value(capture);
        if (!fenetre.CaptureClient().save(fichier, "PNG")) {
            std::fprintf(stderr, "Impossible d'écrire l'image %s\n", qPrintable(fichier));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
