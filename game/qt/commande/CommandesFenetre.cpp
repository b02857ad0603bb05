// The commands that build the main window: the game itself, and the picture of its window.
#include "commande/Commandes.h"
#include "commande/LigneCommande.h"

#include "SourceHorloge.h"
#include "apparence/PaletteClaire.h"
#include "apparence/Polices.h"
#include "fenetres/Dialogues.h"
#include "fenetres/frmMain.h"
#include "plateforme/PiloteX11.h"
#include "plateforme/Application.h"
#include "plateforme/ArretParSignal.h"
#include "plateforme/EcritureSure.h"
#include "plateforme/FichierReprise.h"
#include "plateforme/LecteurSonsQt.h"
#include "plateforme/Liens.h"
#include "plateforme/MagasinQSettings.h"
#include "plateforme/Traductions.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QSessionManager>
#include <cerrno>
#include <cstdio>

namespace lumio {

namespace {

// The window of the game, shown or only drawn for its picture; the exit code.
int OuvrirFenetre(const AppelLigne &appel, int &argc, char **argv, bool capture) {
    if (capture) {
        SansAffichage();
        ProtegerTemporaires();
    }
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
    // From here a stop signal waits for the event loop, where the game in progress is kept.
    if (!capture) ArretParSignal::Intercepter();
    ArretParSignal arret;
    if (!capture) {
        fenetre.ActiverReprise(std::make_unique<FichierReprise>(FichierReprise::DossierUtilisateur()));
        QObject::connect(&arret, &ArretParSignal::Arret, &fenetre, &frmMain::TerminerEnGardant);
        // At logout the game is kept for the next start, and the session ends without a question.
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &fenetre,
                         [&fenetre](QSessionManager &) { fenetre.FinDeSession(); });
    }
    // A saved game's name is taken as the system spells it, whatever bytes it holds.
    fenetre.Form_Load(appel.arguments.empty() ? QByteArray() : QByteArray::fromStdString(appel.arguments[0]));
    // A stop signal came while the game started: the game it kept waits for the next start.
    if (fenetre.FinDemandee()) return 0;
    if (!capture) return app.exec();

    // The picture is taken under its name's very bytes, written whole or not at all.
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    const int erreur = fenetre.CaptureClient().save(&tampon, "PNG")
                           ? EcrireEntier(QByteArray::fromStdString(appel.valeur), png, true)
                           : EIO;
    if (erreur != 0) {
        std::fprintf(stderr, "Impossible d'écrire l'image %s : %s\n", appel.valeur.c_str(),
                     RaisonSysteme(erreur).toLocal8Bit().constData());
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
