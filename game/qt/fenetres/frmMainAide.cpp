// The "&?" menu on the main window: the mail to the author, the help, the about window, and the
// web picture.
#include "fenetres/ClicImage.h"
#include "fenetres/Form1.h"
#include "fenetres/frmAide.h"
#include "fenetres/frmMain.h"
#include "plateforme/Liens.h"
#include "plateforme/Ressources.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>

namespace lumio {

namespace {

const QString FichierAide = QStringLiteral("Aide/Aide-Sudoku.qhc");

} // namespace

void frmMain::BrancherAide() {
    for (const char *nom : {"mnuContactAuteur", "Aide", "Apropos"}) Action(nom)->setEnabled(true);
    connect(Action("mnuContactAuteur"), &QAction::triggered, this, [] { ContacterAuteur(); });
    QAction *aide = Action("Aide");
    // F1 everywhere in the main window, as on every desktop.
    aide->setShortcut(QKeySequence::HelpContents);
    connect(aide, &QAction::triggered, this, [this] { AfficherAide(); });
    connect(Action("Apropos"), &QAction::triggered, this, &frmMain::AfficherAPropos);
    if (auto *image1 = zone_->findChild<QWidget *>("Image1")) new ClicImage(image1, [] { OuvrirPageWeb(); });
}

void frmMain::AfficherAide(const QString &collection) {
    auto *fenetre = findChild<frmAide *>(QString(), Qt::FindDirectChildrenOnly);
    if (!fenetre) {
        const QString chemin = collection.isEmpty() ? CheminRessource(FichierAide) : collection;
        QString texte;
        if (!QFileInfo::exists(chemin)) {
            QStringList dossiers;
            for (const QString &d : DossiersRessources())
                dossiers << QDir(d).filePath(QFileInfo(FichierAide).path());
            if (!collection.isEmpty()) dossiers = QStringList{QFileInfo(collection).absolutePath()};
            texte = QStringLiteral(
                        "L'aide est introuvable : le fichier %1 n'est dans aucun de ces dossiers :\n\n%2")
                        .arg(QFileInfo(chemin).fileName(), dossiers.join('\n'));
        } else {
            QString raison;
            if (auto moteur = frmAide::ChargerCollection(chemin, raison))
                fenetre = new frmAide(std::move(moteur), this);
            else
                texte = QStringLiteral("L'aide ne peut pas être ouverte : le fichier %1 est illisible.\n\n%2")
                            .arg(QDir::toNativeSeparators(chemin), raison);
        }
        if (!fenetre) {
            SignalerEchec(texte.toStdString());
            return;
        }
    } else {
        fenetre->MontrerAccueil();
    }
    MontrerDevant(*fenetre);
}

void frmMain::AfficherAPropos() {
    Form1 apropos(this);
    apropos.exec();
    DonnerFocusCoupN();
}

} // namespace lumio
