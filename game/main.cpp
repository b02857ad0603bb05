// Sudoku Lumio: builds the platform objects and the main window, then runs the event loop.
#include "Dialogues.h"
#include "ImpressionCommande.h"
#include "LecteurSonsQt.h"
#include "MagasinQSettings.h"
#include "Polices.h"
#include "ResolutionTexte.h"
#include "frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
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
    "  -h, --help            affiche cette aide\n\n";

int ResoudreSansFenetre(int argc, char *argv[], bool &traite) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            traite = true;
            std::cout << Usage << AideResolution << AideImpression;
            return 0;
        }
        if (std::strcmp(argv[i], "--resoudre") != 0) continue;
        traite = true;
        if (i + 1 >= argc) {
            std::cerr << "--resoudre attend un fichier de grilles, ou - pour l'entrée standard.\n";
            return 2;
        }
        return ResoudreFichier(argv[i + 1], std::cin, std::cout, std::cerr);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    bool resolution = false;
    const int code = ResoudreSansFenetre(argc, argv, resolution);
    if (resolution) return code;
    bool impression = false;
    const int codeImpression = ImprimerSansFenetre(argc, argv, impression);
    if (impression) return codeImpression;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku Lumio"));
    QApplication::setOrganizationName(QStringLiteral("Darvel"));
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
    fenetre.Form_Load(parties.value(0));

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
