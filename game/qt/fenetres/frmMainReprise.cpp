// The interrupted game on the main window: offered at start-up, kept as it changes, and kept or
// forgotten as the program ends.
#include "Reprise.h"
#include "fenetres/frmMain.h"
#include "plateforme/FichierReprise.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace lumio {

void frmMain::ActiverReprise(std::unique_ptr<FichierReprise> fichier) {
    reprise_ = std::move(fichier);
}

bool frmMain::ReprendrePartie() {
    const auto orpheline = reprise_->TrouverOrpheline();
    if (!orpheline) return false;
    std::string detail = orpheline->refus;
    IssueReprise issue = IssueReprise::Aucune;
    if (detail.empty()) issue = ProposerReprise(*jeu_, orpheline->contenu.toStdString(), detail);
    // A stop signal closed the question: the game waits for the next start, unanswered.
    if (finConservee_) {
        reprise_->Laisser();
        return issue == IssueReprise::Reprise;
    }
    if (!detail.empty())
        std::fprintf(stderr, "sudoku-lumio : la partie interrompue %s est illisible, elle est oubliée : %s\n",
                     QFile::encodeName(QDir::toNativeSeparators(orpheline->chemin)).constData(),
                     detail.c_str());
    if (issue == IssueReprise::Reprise) {
        reprise_->Adopter();
        repriseEcrite_.clear();
        PlanifierReprise();
        return true;
    }
    reprise_->Oublier();
    return false;
}

void frmMain::PlanifierReprise(bool horloge) {
    if (!horloge) repriseChangee_ = true;
    if (reprise_ && !repriseConclue_ && !minuterieReprise_.isActive()) minuterieReprise_.start();
}

void frmMain::GarderPartie() {
    if (!reprise_ || repriseConclue_) return;
    // Half-done states are no game to keep: the search and the loading end in a change, which
    // brings this back.
    if (jeu_->RechercheEnCours || jeu_->ChargementEnCours) return;
    const EtatReprise etat = EtatActuel(*jeu_);
    if (!RepriseUtile(etat)) {
        reprise_->Effacer();
        repriseEcrite_.clear();
        return;
    }
    const std::string texte = EcrireReprise(etat);
    if (texte == repriseEcrite_) return;
    // A stop keeps the game to the second, whatever moved.
    const std::string erreur =
        reprise_->Ecrire(QByteArray::fromStdString(texte), repriseChangee_ || finConservee_);
    if (erreur.empty()) {
        repriseEcrite_ = texte;
        repriseChangee_ = false;
    } else if (!echecRepriseSignale_) {
        // Said once: the game goes on all the same, only a stop would lose it.
        echecRepriseSignale_ = true;
        std::fprintf(stderr, "sudoku-lumio : la partie en cours ne peut pas être conservée dans %s : %s\n",
                     QFile::encodeName(QDir::toNativeSeparators(reprise_->Chemin().isEmpty()
                                                                    ? FichierReprise::DossierUtilisateur()
                                                                    : reprise_->Chemin()))
                         .constData(),
                     erreur.c_str());
    }
}

void frmMain::ConclureReprise() {
    if (!reprise_ || repriseConclue_) return;
    if (finConservee_)
        GarderPartie();
    else
        reprise_->Effacer();
    repriseConclue_ = true;
}

void frmMain::TerminerEnGardant() {
    finConservee_ = true;
    if (jeu_->RechercheEnCours) {
        // The search stops at its next step; LancerSolution comes back here.
        fermetureDemandee_ = true;
        return;
    }
    ConclureReprise();
    // Every loop ends, a modal box's too; the boxes still open answer as if cancelled.
    QCoreApplication::exit(0);
}

void frmMain::FinDeSession() {
    finConservee_ = true;
    GarderPartie();
}

} // namespace lumio
