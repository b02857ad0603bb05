// Sudoku Lumio: builds the platform objects and the main window, then runs the event loop.
#include "Application.h"
#include "Dialogues.h"
#include "ImpressionCommande.h"
#include "LecteurSonsQt.h"
#include "MagasinQSettings.h"
#include "Polices.h"
#include "ResolutionTexte.h"
#include "frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
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

int ResoudreSansFenetre(int argc, char *argv[], bool &traite) {
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
    options.process(app);
    const QStringList parties = options.positionalArguments();

    MagasinQSettings reglages;
    LecteurSonsQt sons;
    DialoguesQt dialogues;
    const bool enCapture = options.isSet(capture);
    frmMain fenetre(reglages, sons, SourceHorloge::Processus(), dialogues, !enCapture);
    fenetre.DefinirCapture(enCapture);
    fenetre.Form_Load(parties.isEmpty() ? QByteArray() : NomNatif(parties[0], argc, argv));

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
