// The about window "A propos".
#include "fenetres/Form1.h"

#include "Annonces.h"
#include "accessibilite/Accessibilite.h"
#include "apparence/Boutons.h"
#include "apparence/FormulaireTwips.h"
#include "apparence/Pictogrammes.h"
#include "plateforme/Liens.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace lumio {

namespace {

constexpr int Largeur = 448, Hauteur = 210;
// The window's designed height on the screen, in pixels from the top of the work area.
constexpr int HautEcran = 150;
const QColor CouleurLien(0, 0, 238);

QLabel *Libelle(QWidget *parent, const char *nom, const QString &texte, const QRect &place, const QFont &f,
                const QColor &couleur) {
    auto *l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->setGeometry(place);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    return l;
}

} // namespace

// ---------------------------------------------------------------- LibelleLien

LibelleLien::LibelleLien(const QString &texte, const QString &role, QWidget *parent) : QLabel(texte, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(role);
    setAccessibleDescription(role);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, CouleurLien);
    setPalette(p);
    RenouvelerInterface(this); // a link, not the plain label it was while being built
}

void LibelleLien::mousePressEvent(QMouseEvent *e) {
    presse_ = e->button() == Qt::LeftButton;
    e->accept();
}

void LibelleLien::mouseReleaseEvent(QMouseEvent *e) {
    // As with a button: the press and the release both on the text.
    const bool clic = presse_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    presse_ = false;
    if (clic) emit Active();
}

void LibelleLien::keyPressEvent(QKeyEvent *e) {
    const int k = e->key();
    if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) && !e->isAutoRepeat()) {
        emit Active();
        return;
    }
    QLabel::keyPressEvent(e);
}

void LibelleLien::paintEvent(QPaintEvent *e) {
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    QStyleOptionFocusRect o;
    o.initFrom(this);
    o.rect = contentsRect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
}

// ---------------------------------------------------------------- Form1

Form1::Form1(QWidget *parent) : QDialog(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("A propos"));
    setModal(true);
    setFixedSize(Largeur, Hauteur);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    PeindreFondFormulaire(this);
    // The name and the version are too short for a screen reader to read them on opening.
    setAccessibleDescription(QString::fromStdString(PhraseAPropos(VersionProgramme().toStdString())));

    auto *logo = new QLabel(this);
    logo->setObjectName("Image3");
    logo->setGeometry(22, 22, 100, 100);
    logo->setPixmap(DessinerPictogramme(Pictogramme::Logo, 100, qApp->devicePixelRatio()));
    logo->setAccessibleName(QStringLiteral("Logo de Sudoku-Lumio"));

    Libelle(this, "Label1", QStringLiteral(" Sudoku-Lumio"), QRect(138, 16, 296, 40), PoliceFormulaire(28, true), BleuFormulaire);
    Libelle(this, "Label10", QStringLiteral("V ") + VersionProgramme(), QRect(146, 56, 120, 22), PoliceFormulaire(15),
            VertFormulaire);

    // Each link is as wide as its text, so that only the text answers the mouse.
    auto lien = [this](const char *nom, const QString &texte, const QString &role, int x, int y) {
        auto *l = new LibelleLien(texte, role, this);
        l->setObjectName(nom);
        l->setFont([&] {
            QFont f = PoliceFormulaire(14);
            f.setUnderline(true);
            return f;
        }());
        const int largeur = qMin(l->sizeHint().width(), Largeur - 12 - x);
        l->setGeometry(x, y, largeur, 22);
        return l;
    };
    const QString page = QStringLiteral("Ouvre la page web de Sudoku-Lumio");
    const QString mail = QStringLiteral("Écrit un message à l'auteur");
    auto *site = lien("Label6", QStringLiteral("Site"), page, 146, 94);
    auto *adresse = lien("Label5", AdressePageWeb(), page, 204, 94);
    Libelle(this, "Label7", QStringLiteral("Email"), QRect(146, 122, 56, 22), PoliceFormulaire(14), BleuFormulaire);
    auto *contact = lien("Label4", AdresseContact(), mail, 204, 122);
    connect(site, &LibelleLien::Active, this, [] { OuvrirPageWeb(); });
    connect(adresse, &LibelleLien::Active, this, [] { OuvrirPageWeb(); });
    connect(contact, &LibelleLien::Active, this, [] { ContacterAuteur(); });

    // 2520, 2440, 1695 x 255 twips.
    QWidget *fermer = CreerBouton(this, "TovCommand2", QStringLiteral("Fermer"), QRect(168, 163, 113, 17),
                                  [this] { close(); });
    setTabOrder(site, adresse);
    setTabOrder(adresse, contact);
    setTabOrder(contact, fermer);
    fermer->setFocus(Qt::OtherFocusReason);
}

void Form1::Placer() {
    const QScreen *ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect travail = ecran->availableGeometry();
    const int largeur = frameGeometry().width();
    move(ecran->geometry().x() + (ecran->geometry().width() - largeur) / 2, travail.y() + HautEcran);
}

void Form1::showEvent(QShowEvent *e) {
    Placer();
    QDialog::showEvent(e);
}

} // namespace lumio
