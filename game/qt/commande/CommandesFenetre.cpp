// The commands that build the main window: the game itself, and the picture of its window.
#include "commande/Commandes.h"
#include "commande/LigneCommande.h"

#include "SourceHorloge.h"
#include "apparence/PaletteClaire.h"
#include "apparence/Polices.h"
#include "fenetres/Dialogues.h"
#include "fenetres/frmMain.h"
#include "plateforme/Affichage.h"
#include "plateforme/Application.h"
#include "plateforme/LecteurSonsQt.h"
#include "plateforme/Liens.h"
#include "plateforme/MagasinQSettings.h"
#include "plateforme/Traductions.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

namespace lumio {

namespace {

// The window of the game, shown or only drawn for its picture; the exit code.
int OuvrirFenetre(const AppelLigne &appel, int &argc, char **argv, bool capture) {
    PreparerAffichage();
    QApplication app(argc, argv);
    FinirPreparationAffichage();
    QApplication::setApplicationName(QStringLiteral("Sudoku Lumio"));
    QApplication::setOrganizationName(QStringLiteral("Darvel"));
    DeclarerApplication();
    InstallerOuvreurLiens();
    InstallerSubstitutionsPolices();
    InstallerPaletteClaire();
    // The game speaks French whatever the desktop's language, down to Qt's own dialogs.
    InstallerTraductions();

    MagasinQSettings reglages;
    LecteurSonsQt sons;
    // A picture has nobody listening: no word of the sound output.
    if (capture) sons.Signaler = nullptr;
    DialoguesQt dialogues;
    frmMain fenetre(reglages, sons, SourceHorloge::Processus(), dialogues, !capture);
    fenetre.DefinirCapture(capture);
    // A saved game's name is taken as the system spells it, whatever bytes it holds.
    fenetre.Form_Load(appel.arguments.empty() ? QByteArray() : QByteArray::fromStdString(appel.arguments[0]));
    if (!capture) return app.exec();

    const QString image = QFile::decodeName(QByteArray::fromStdString(appel.valeur));
    if (!fenetre.CaptureClient().save(image, "PNG")) {
        std::fprintf(stderr, "Impossible d'écrire l'image %s\n", appel.valeur.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int LancerJeu(const AppelLigne &appel, int &argc, char **argv) {
    return OuvrirFenetre(appel, argc, argv, false);
}

int Capturer(const AppelLigne &appel, int &argc, char **argv) {
    return OuvrirFenetre(appel, argc, argv, true);
}

} // namespace lumio
