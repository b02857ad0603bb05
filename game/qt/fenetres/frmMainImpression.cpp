// Printing on the main window: the print command, the two print dialogs and the printer choice.
#include "fenetres/DialogImpression.h"
#include "fenetres/DialogImpressionMult.h"
#include "fenetres/frmMain.h"

#include <QApplication>
#include <QPrinterInfo>

namespace lumio {

void frmMain::CommandeImprimer() {
    // A solve in progress holds a half-filled grid.
    if (jeu_->RechercheEnCours) return;
    if (jeu_->ModeJeu == ModeCreation && !jeu_->FlagSol) {
        jeu_->ImprimerGrilleCourante();
        DonnerFocusCoupN();
        return;
    }
    if (!dialogImpression_) {
        dialogImpression_ = new DialogImpression(*jeu_, this);
        connect(dialogImpression_, &QDialog::finished, this, [this] { DonnerFocusCoupN(); });
    }
    dialogImpression_->show();
    dialogImpression_->activateWindow();
}

void frmMain::OuvrirImpressionMult() {
    if (!dialogImpressionMult_) {
        dialogImpressionMult_ = new DialogImpressionMult(*jeu_, this);
        connect(dialogImpressionMult_, &QDialog::finished, this, [this] { DonnerFocusCoupN(); });
    }
    dialogImpressionMult_->show();
    dialogImpressionMult_->activateWindow();
}

int frmMain::ChoisirImprimante() {
    // One printer for the whole run: the next print dialog opens on the last choice.
    if (!imprimante_) {
        imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        imprimante_->setDocName(QStringLiteral("Sudoku Lumio"));
        imprimante_->setCreator(QStringLiteral("Sudoku Lumio"));
        page_ = std::make_unique<SurfaceImprimante>(*imprimante_);
    }
    const QString avant = imprimante_->printerName();
    QWidget *dessus = QApplication::activeModalWidget();
    const int resultat = dialogues_.ChoisirImprimante(dessus ? dessus : this, *imprimante_);
    if (resultat != 1 || imprimante_->outputFormat() != QPrinter::NativeFormat) return resultat;
    std::vector<std::string> installees;
    for (const QString &nom : QPrinterInfo::availablePrinterNames())
        installees.push_back(nom.toStdString());
    const auto choisie = ImprimanteChoisie(imprimante_->printerName().toStdString(), installees);
    imprimante_->setPrinterName(choisie ? QString::fromStdString(*choisie) : avant);
    return resultat;
}

Surface *frmMain::PageImprimante() {
    return page_.get();
}

} // namespace lumio
