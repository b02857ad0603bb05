// Message and input boxes in French.
#include "fenetres/Dialogues.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QWindow>
#include <functional>

namespace lumio {

namespace {

// The frame the window manager draws around the parent's window, and alike around its boxes.
QMargins MargesCadre(const QWidget &parent) {
    const QWidget &fenetre = *parent.window();
    const QRect f = fenetre.frameGeometry(), g = fenetre.geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

// Puts a window's outer rectangle, frame included, where `place` says for its size, once it is on
// screen: a new window has no frame until the window manager has mapped it, and where its client
// area then lands depends on that manager. Should the frame still be unknown then, the parent's
// stands for it. The player may move the window freely afterwards.
class PlacementCadre : public QObject {
  public:
    PlacementCadre(QWidget &fenetre, const QWidget &parent, std::function<QPoint(QSize)> place)
        : QObject(&fenetre), fenetre_(fenetre), marges_(MargesCadre(parent)), place_(std::move(place)) {
        fenetre.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *objet, QEvent *e) override {
        QWindow *natif = fenetre_.windowHandle();
        // A box may still grow once on screen, as its layout settles: it is placed again for its
        // new size. The player's own moves change no size and stay.
        if (placee_ && objet == &fenetre_ && e->type() == QEvent::Resize) {
            Placer();
            return false;
        }
        if (objet == &fenetre_ && e->type() == QEvent::Show && natif) natif->installEventFilter(this);
        if (placee_ || !natif || !natif->isExposed()) return false;
        natif->removeEventFilter(this);
        placee_ = true;
        Placer();
        return false;
    }

  private:
    void Placer() {
        const bool encadree = fenetre_.frameGeometry() != fenetre_.geometry();
        const QRect cadre = encadree ? fenetre_.frameGeometry() : fenetre_.geometry().marginsAdded(marges_);
        const QPoint coin = place_(cadre.size());
        // A framed window moves by its outer corner, one not framed yet by its client area.
        if (cadre.topLeft() != coin)
            fenetre_.move(encadree ? coin : coin + QPoint(marges_.left(), marges_.top()));
    }

    QWidget &fenetre_;
    bool placee_ = false;
    QMargins marges_;
    std::function<QPoint(QSize)> place_;
};

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

} // namespace

Reponse DialoguesQt::BoiteMessage(QWidget *parent, const Message &m) {
    AttendreFenetre(parent);
    QMessageBox boite(parent);
    if (parent) {
        const QWidget *fenetre = parent->window();
        new PlacementCadre(boite, *parent, [fenetre](QSize cadre) {
            return fenetre->frameGeometry().center() - QPoint(cadre.width() / 2, cadre.height() / 2);
        });
    }
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
    // Its outer corner goes at (x, y) from the main window's outer corner. Until it is framed it
    // stands as though its frame were the main window's, so that it does not jump when it is.
    if (parent) {
        const QPoint coin = parent->window()->frameGeometry().topLeft() + QPoint(x, y);
        const QMargins marges = MargesCadre(*parent);
        boite.move(coin + QPoint(marges.left(), marges.top()));
        new PlacementCadre(boite, *parent, [coin](QSize) { return coin; });
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
