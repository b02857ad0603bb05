// Sudoku Lumio: builds the platform objects and the main window, then runs the event loop.
#include "Dialogues.h"
#include "LecteurSonsQt.h"
#include "MagasinQSettings.h"
#include "Polices.h"
#include "frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

using namespace lumio;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku Lumio"));
    QApplication::setOrganizationName(QStringLiteral("Darvel"));
    InstallerSubstitutionsPolices();

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Sudoku Lumio, le Sudoku classique."));
    options.addHelpOption();
    QCommandLineOption capture(QStringLiteral("capture"),
                               QStringLiteral("Écrit l'image de la fenêtre principale dans FICHIER.png, sans l'afficher."),
                               QStringLiteral("FICHIER"));
    options.addOption(capture);
    options.process(app);

    MagasinQSettings reglages;
    LecteurSonsQt sons;
    DialoguesQt dialogues;
    const bool enCapture = options.isSet(capture);
    frmMain fenetre(reglages, sons, SourceHorloge::Processus(), dialogues, !enCapture);
    fenetre.Form_Load();

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
