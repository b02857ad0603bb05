// Message and input boxes in French.
#include "fenetres/Dialogues.h"

#include "fenetres/Placement.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QWindow>

namespace lumio {

namespace {

// A box is centred on its window as that window stands. One that was only just shown (at start-up)
// has not been placed by the window manager yet: it is given a moment to appear first.
void AttendreFenetre(QWidget *parent) {
    QWindow *fenetre = parent ? parent->window()->windowHandle() : nullptr;
    if (!fenetre || !fenetre->isVisible()) return;
    QElapsedTimer attente;
    attente.start();
    while (!fenetre->isExposed() && attente.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents,
                                        50);
}

// Access keys belong to Qt's own file dialog: a desktop's native one (GTK's, the portal's) shows
// the marker as a character. Qt shows a native dialog in place of its own widgets, which it then
// keeps off screen; by its showing it is known which one the player sees.
class ToucheAcces : public QObject {
  public:
    ToucheAcces(QFileDialog &boite, const QString &texte) : QObject(&boite), boite_(boite), texte_(texte) {
        boite.setLabelText(QFileDialog::Accept, texte);
        boite.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *objet, QEvent *e) override {
        if (objet == &boite_ && e->type() == QEvent::Show && !boite_.testAttribute(Qt::WA_DontShowOnScreen))
            boite_.setLabelText(QFileDialog::Accept, QLatin1Char('&') + texte_);
        return false;
    }

  private:
    QFileDialog &boite_;
    QString texte_;
};

// The narrowest client area a box over `parent` may have for the window manager to show its whole
// title in a bold face beside the frame's icon and buttons (about six times the title bar's
// height, with their margins).
int LargeurPourTitre(const QString &titre, const QWidget *parent) {
    QFont police = QApplication::font();
    police.setBold(true);
    const QFontMetrics mesure(police);
    const QMargins marges = parent ? MargesCadre(*parent) : QMargins();
    const int barre = marges.top() > 0 ? marges.top() : mesure.height() + 8;
    return mesure.horizontalAdvance(titre) + 6 * barre - marges.left() - marges.right();
}

// Qt sizes a box by its contents alone: a short text would leave its title cut in the frame, and
// both kinds of box set their own size from their layout. The layout gets a strut as wide as the
// title needs below its rows (the layout is final once the box is filled).
void EtayerPourTitre(QDialog &boite, const QWidget *parent) {
    auto *etai = new QSpacerItem(LargeurPourTitre(boite.windowTitle(), parent), 0, QSizePolicy::Fixed,
                                 QSizePolicy::Fixed);
    if (auto *grille = qobject_cast<QGridLayout *>(boite.layout()))
        grille->addItem(etai, grille->rowCount(), 0, 1, grille->columnCount());
    else if (boite.layout())
        boite.layout()->addItem(etai);
    else
        delete etai;
}

} // namespace

Reponse DialoguesQt::BoiteMessage(QWidget *parent, const Message &m) {
    AttendreFenetre(parent);
    QMessageBox boite(parent);
    if (parent) CentrerSurFenetre(boite, *parent);
    boite.setWindowTitle(QString::fromStdString(m.titre));
    boite.setText(QString::fromStdString(m.texte));
    // A screen reader says the description after the text when the box opens.
    boite.setAccessibleDescription(QString::fromStdString(m.pourLecteur));
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
    EtayerPourTitre(boite, parent);
    boite.exec();
    QAbstractButton *b = boite.clickedButton();
    if (m.boutons == Boutons::OuiNon) return b == oui ? Reponse::Oui : Reponse::Non;
    if (m.boutons == Boutons::OkAnnuler) return b == ok ? Reponse::Ok : Reponse::Annuler;
    return Reponse::Ok;
}

std::string DialoguesQt::BoiteSaisie(QWidget *parent, const std::string &invite, const std::string &titre,
                                     const std::string &defaut, int x, int y,
                                     const std::string &pourLecteur) {
    QInputDialog boite(parent);
    boite.setWindowTitle(QString::fromStdString(titre));
    // Said with the title when the box opens; the prompt is read as the field's label.
    boite.setAccessibleDescription(QString::fromStdString(pourLecteur));
    boite.setLabelText(QString::fromStdString(invite));
    boite.setTextValue(QString::fromStdString(defaut));
    boite.setOkButtonText(QStringLiteral("OK"));
    boite.setCancelButtonText(QStringLiteral("Annuler"));
    boite.minimumSizeHint(); // an input box builds its layout when it is first measured
    EtayerPourTitre(boite, parent);
    // Its outer corner goes at (x, y) from the main window's outer corner, from its first showing.
    if (parent) {
        const QPoint coin = parent->window()->frameGeometry().topLeft() + QPoint(x, y);
        new PlacementCadre(boite, *parent, [coin](QSize) { return coin; });
        boite.move(coin);
    }
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
    new ToucheAcces(boite, enregistrer ? QStringLiteral("Enregistrer") : QStringLiteral("Ouvrir"));
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
