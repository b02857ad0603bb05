// The about window "A propos".
#include "Form1.h"

#include "Boutons.h"
#include "Liens.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace lumio {

namespace {

constexpr int Largeur = 448, Hauteur = 210;
// The window's designed height on the screen, in pixels from the top of the work area.
constexpr int HautEcran = 150;
const QColor Fond(252, 233, 165), Bleu(0, 0, 192), Vert(0, 64, 0), CouleurLien(0, 0, 238);

QFont Police(int pixels, bool gras = false) {
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

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
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Fond);
    setPalette(pal);

    auto *logo = new QLabel(this);
    logo->setObjectName("Image3");
    logo->setGeometry(22, 22, 100, 100);
    logo->setPixmap(Logo(100, devicePixelRatioF() > 1 ? devicePixelRatioF() : qApp->devicePixelRatio()));
    logo->setAccessibleName(QStringLiteral("Logo de Sudoku-Lumio"));

    Libelle(this, "Label1", QStringLiteral(" Sudoku-Lumio"), QRect(138, 16, 296, 40), Police(28, true), Bleu);
    Libelle(this, "Label10", QStringLiteral("V ") + VersionProgramme(), QRect(146, 56, 120, 22), Police(15),
            Vert);

    // Each link is as wide as its text, so that only the text answers the mouse.
    auto lien = [this](const char *nom, const QString &texte, const QString &role, int x, int y) {
        auto *l = new LibelleLien(texte, role, this);
        l->setObjectName(nom);
        l->setFont([&] {
            QFont f = Police(14);
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
    Libelle(this, "Label7", QStringLiteral("Email"), QRect(146, 122, 56, 22), Police(14), Bleu);
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

QPixmap Form1::Logo(int taille, qreal ratio) {
    // A block of nine cells lit from its corner: three given digits and a glowing one.
    QPixmap pm(QSize(taille, taille) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(taille / 100.0, taille / 100.0);

    QLinearGradient ciel(0, 0, 100, 100);
    ciel.setColorAt(0, QColor(182, 209, 233));
    ciel.setColorAt(1, QColor(70, 120, 190));
    p.setPen(QPen(QColor(40, 70, 130), 2));
    p.setBrush(ciel);
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 16, 16);

    QRadialGradient lueur(30, 30, 40);
    lueur.setColorAt(0, QColor(255, 250, 200, 230));
    lueur.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(lueur);
    p.drawEllipse(QPointF(30, 30), 40, 40);

    const QRectF grille(17, 17, 66, 66);
    p.setBrush(QColor(255, 255, 255, 235));
    p.setPen(Qt::NoPen);
    p.drawRect(grille);
    p.setPen(QPen(QColor(0, 0, 192), 1.2));
    for (int i = 1; i <= 2; ++i) {
        p.drawLine(QPointF(17 + 22 * i, 17), QPointF(17 + 22 * i, 83));
        p.drawLine(QPointF(17, 17 + 22 * i), QPointF(83, 17 + 22 * i));
    }
    p.setPen(QPen(QColor(124, 7, 28), 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grille);

    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    auto chiffre = [&](int c, int r, const char *d, const QColor &couleur) {
        p.setPen(couleur);
        p.drawText(QRectF(17 + 22 * c, 17 + 22 * r, 22, 22), Qt::AlignCenter, QString::fromLatin1(d));
    };
    const QColor brun(128, 64, 64);
    chiffre(1, 0, "3", brun);
    chiffre(0, 1, "7", brun);
    chiffre(2, 2, "5", brun);
    // The digit being found shines.
    QRadialGradient eclat(28, 28, 12);
    eclat.setColorAt(0, QColor(255, 220, 60, 200));
    eclat.setColorAt(1, QColor(255, 220, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(eclat);
    p.drawEllipse(QPointF(28, 28), 12, 12);
    f.setBold(false);
    p.setFont(f);
    chiffre(0, 0, "9", QColor(0, 0, 192));
    return pm;
}

} // namespace lumio
