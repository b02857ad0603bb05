// Saved games on the main window: the file dialogs, reading and writing the file.
#include "FichierPartie.h"
#include "fenetres/frmMain.h"
#include "plateforme/EcritureSure.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/PartieFichier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <vector>

namespace lumio {

namespace {

const char *const EchecEnregistrement = "Impossible d'enregistrer la partie.";

} // namespace

void frmMain::SignalerEchec(const std::string &texte) {
    // Nobody could answer a box in a headless capture: the reason goes where the caller sees it.
    if (capture_) {
        std::fprintf(stderr, "%s\n", texte.c_str());
        return;
    }
    BoiteMessage(Message{texte, Boutons::Ok, Icone::Critique, TitreDefaut});
}

QString frmMain::DossierParties() {
    const QDir programme(QCoreApplication::applicationDirPath());
    const QFileInfo parties(programme.filePath(QStringLiteral("Parties")));
    if (parties.isDir()) return parties.absoluteFilePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A dialog told to start in a folder that is not there opens wherever the process happens
    // to run; the home folder is the nearest sensible place.
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void frmMain::Ouvrir() {
    if (jeu_->RechercheEnCours) return;
    const QString chemin = dialogues_.ChoisirFichier(this, false, DossierParties());
    if (!chemin.isEmpty()) OuvrirFichier(chemin);
    DonnerFocusCoupN();
}

bool frmMain::OuvrirFichier(const QString &chemin) {
    return OuvrirFichierNatif(QFile::encodeName(chemin));
}

bool frmMain::OuvrirFichierNatif(const QByteArray &chemin) {
    if (jeu_->RechercheEnCours) return false;
    const std::optional<RefusPartie> refus = OuvrirPartieFichier(*jeu_, chemin);
    if (!refus) return true;
    // Drawn for a picture, nobody reads a box: the terminal gets both in one line.
    if (capture_) {
        SignalerEchecOuverture(chemin, *refus);
        return false;
    }
    // The exact cause is for whoever looks into it; the player gets the file's name and a few words.
    std::fprintf(stderr, "sudoku-lumio : %s\n", CauseEchecOuverture(chemin, *refus).c_str());
    SignalerEchec(TexteEchecOuverture(chemin, *refus));
    return false;
}

void frmMain::Enregistrer() {
    if (jeu_->RechercheEnCours) return;
    const QString chemin = dialogues_.ChoisirFichier(this, true, DossierParties());
    if (!chemin.isEmpty()) EnregistrerFichier(chemin);
    DonnerFocusCoupN();
}

bool frmMain::EnregistrerFichier(const QString &chemin) {
    // A solve in progress holds half-filled grids that are no game to keep.
    if (jeu_->RechercheEnCours) return false;
    const QFileInfo cible(chemin);
    // No question first: a folder, a pipe, a device (or a link to one, or to nothing) is never
    // replaced by a saved game, whatever the answer. A link to a file is written through.
    const std::string nature = NatureNonOrdinaire(QFile::encodeName(chemin));
    if (!nature.empty()) {
        const QString nom = QFileInfo(QDir::cleanPath(chemin)).fileName();
        SignalerEchec(std::string(EchecEnregistrement) + "\n\n« " + nom.toStdString() + " » est " + nature +
                      " : choisissez un nom de fichier.");
        return false;
    }
    if (cible.exists() || cible.isSymLink()) {
        Message question{"Ecraser le fichier existant ?", Boutons::OuiNon, Icone::Question, TitreDefaut,
                         true};
        if (BoiteMessage(question) != Reponse::Oui) return false;
    }

    const std::vector<std::uint8_t> octets = EcrirePartie(*jeu_);
    const QByteArray contenu(reinterpret_cast<const char *>(octets.data()), qsizetype(octets.size()));
    // The new file is written beside the old one and takes its name only once it is whole, so a
    // full disk or a failing write never costs the player the game saved before; a stop signal
    // in the middle leaves no half-written file beside it.
    if (const int erreur = EcrireEntier(QFile::encodeName(chemin), contenu, true)) {
        SignalerEchec(std::string(EchecEnregistrement) + "\n\n" + RaisonSysteme(erreur).toStdString() + ".");
        return false;
    }
    return true;
}

} // namespace lumio
