// Message and input boxes in French.
#include "Dialogues.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace lumio {

Reponse DialoguesQt::BoiteMessage(QWidget *parent, const Message &m) {
    QMessageBox boite(parent);
    boite.setWindowTitle(QString::fromStdString(m.titre));
    boite.setText(QString::fromStdString(m.texte));
    switch (m.icone) {
    case Icone::Aucune:
        boite.setIcon(QMessageBox::NoIcon);
        break;
    case Icone::Question:
        boite.setIcon(QMessageBox::Question);
        break;
    case Icone::Critique:
        boite.setIcon(QMessageBox::Critical);
        break;
    case Icone::Information:
        boite.setIcon(QMessageBox::Information);
        break;
    }
    QPushButton *ok = nullptr, *annuler = nullptr, *oui = nullptr, *non = nullptr;
    switch (m.boutons) {
    case Boutons::Ok:
        ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        boite.setEscapeButton(ok);
        break;
    case Boutons::OkAnnuler:
        ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        boite.setDefaultButton(ok);
        boite.setEscapeButton(annuler);
        break;
    case Boutons::OuiNon:
        oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
        non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
        boite.setDefaultButton(m.nonParDefaut ? non : oui);
        boite.setEscapeButton(non);
        break;
    }
    boite.exec();
    QAbstractButton *b = boite.clickedButton();
    if (m.boutons == Boutons::OuiNon) return b == oui ? Reponse::Oui : Reponse::Non;
    if (m.boutons == Boutons::OkAnnuler) return b == ok ? Reponse::Ok : Reponse::Annuler;
    return Reponse::Ok;
}

std::string DialoguesQt::BoiteSaisie(QWidget *parent, const std::string &invite, const std::string &titre,
                                     const std::string &defaut, int x, int y) {
    QInputDialog boite(parent);
    boite.setWindowTitle(QString::fromStdString(titre));
    boite.setLabelText(QString::fromStdString(invite));
    boite.setTextValue(QString::fromStdString(defaut));
    boite.setOkButtonText(QStringLiteral("OK"));
    boite.setCancelButtonText(QStringLiteral("Annuler"));
    // Placed from the main window's outer corner, as the game has always placed it.
    if (parent) boite.move(parent->window()->frameGeometry().topLeft() + QPoint(x, y));
    if (boite.exec() != QDialog::Accepted) return "";
    return boite.textValue().toStdString();
}

QString DialoguesQt::ChoisirFichier(QWidget *parent, bool enregistrer, const QString &dossier) {
    QFileDialog boite(
        parent, enregistrer ? QStringLiteral("Enregistrer la partie") : QStringLiteral("Ouvrir une partie"),
        dossier);
    boite.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    boite.setFileMode(enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The game asks its own question before replacing a file, and keeps the name as typed.
    boite.setOption(QFileDialog::DontConfirmOverwrite);
    boite.setDefaultSuffix(QString());
    // Qt matches "*.*" literally, which hides every file without a dot. The pattern that is used
    // sits in the last parentheses; the caption the player reads stops before them.
    boite.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filtres{QStringLiteral("Tous les fichiers (*.*) (*)"),
                              QStringLiteral("Partie Sudoku (*.sdk) (*.sdk)")};
    boite.setNameFilters(filtres);
    boite.selectNameFilter(filtres.at(1));
    boite.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    boite.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    boite.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    boite.setLabelText(QFileDialog::Accept,
                       enregistrer ? QStringLiteral("&Enregistrer") : QStringLiteral("&Ouvrir"));
    boite.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (boite.exec() != QDialog::Accepted) return QString();
    return boite.selectedFiles().value(0);
}

int DialoguesQt::ChoisirImprimante(QWidget *parent, QPrinter &imprimante) {
    QPrintDialog boite(&imprimante, parent);
    // Every page is printed once: ranges have no meaning for a grid or a batch.
    boite.setOption(QAbstractPrintDialog::PrintPageRange, false);
    boite.setOption(QAbstractPrintDialog::PrintSelection, false);
    boite.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    boite.setOption(QAbstractPrintDialog::PrintToFile, true);
    return boite.exec();
}

} // namespace lumio
