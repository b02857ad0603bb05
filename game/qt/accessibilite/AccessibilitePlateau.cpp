// The board's cells for assistive technology, their actions, and their events.
#include "accessibilite/AccessibilitePlateau.h"

#include "Annonces.h"
#include "accessibilite/BarreEtat.h"
#include "fenetres/frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

namespace lumio {

const QString ActionPlacer = QStringLiteral("Placer le chiffre choisi");
const QString ActionCrayon = QStringLiteral("Écrire en crayon");
const QString ActionEffacer = QStringLiteral("Effacer");

namespace {

// The index of the cursor cell, -1 before the first game.
int IndexDuCurseur(const Jeu &j) {
    int c = 0, r = 0;
    j.CaseCurseur(c, r);
    return c >= 1 && c <= 9 && r >= 1 && r <= 9 ? GrillePlateau::Index(c, r) : -1;
}

// What a player does with the mouse on cell (c, r), through the same handlers: a first press
// selects a cell that is not the cursor one, the next places the digit (left button) or a pencil
// mark (right button); erasing is the Delete key on the cursor cell, which a double click would
// reach only after placing a digit there first.
void AgirSurCase(frmMain &f, int c, int r, const QString &action) {
    Jeu &j = f.jeu();
    const double x = j.OrigineCalculeeX() + TailleCase * (c - 0.5);
    const double y = j.OrigineCalculeeY() + TailleCase * (r - 0.5);
    f.DonnerFocusCoupN();
    int cc = 0, rc = 0;
    j.CaseCurseur(cc, rc);
    if (cc != c || rc != r) {
        j.Form_MouseDown(BoutonGauche, x, y);
        j.Form_Click();
    }
    if (action == ActionEffacer) {
        j.Form_KeyDown(ToucheSuppr);
    } else {
        j.Form_MouseDown(action == ActionCrayon ? BoutonDroit : BoutonGauche, x, y);
        j.Form_Click();
    }
}

class CasePlateau : public QAccessibleInterface,
                    public QAccessibleTableCellInterface,
                    public QAccessibleActionInterface {
  public:
    CasePlateau(GrillePlateau *grille, int index) : grille_(grille), index_(index) {}

    bool isValid() const override { return grille_->isValid() && grille_->Fenetre(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return grille_->window(); }
    QAccessibleInterface *parent() const override { return grille_; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        frmMain *f = grille_->Fenetre();
        if (t != QAccessible::Name || !f) return {};
        return QString::fromStdString(f->jeu().NomCase(C(), R()));
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return grille_->RectCase(C(), R()); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = s.selectable = true;
        s.selected = isSelected();
        s.focused = s.selected && grille_->AuClavier();
        s.readOnly = actionNames().isEmpty();
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface *>(this);
        if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override { return grille_->IndexCurseur() == index_; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % 9; }
    int rowIndex() const override { return index_ / 9; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return grille_; }

    // Only what may change the cell: a given takes nothing, a digit is erased before anything
    // else goes there, and creation mode knows no pencil marks.
    QStringList actionNames() const override {
        frmMain *f = grille_->Fenetre();
        if (!f) return {};
        const Jeu &j = f->jeu();
        const bool creation = j.ModeJeu == ModeCreation;
        if (!creation && j.CasesDonnees(C(), R())) return {};
        const CaseAffichee &v = j.Affichage(C(), R());
        QStringList noms;
        if (v.chiffre == 0) {
            noms << ActionPlacer;
            if (!creation) noms << ActionCrayon;
        }
        if (v.chiffre != 0 || v.crayons != 0) noms << ActionEffacer;
        return noms;
    }
    QString localizedActionName(const QString &action) const override { return action; }
    QString localizedActionDescription(const QString &action) const override { return action; }
    void doAction(const QString &action) override {
        frmMain *f = grille_->Fenetre();
        if (!f || !actionNames().contains(action)) return;
        // After the request has returned: the last digit ends the game with a modal message,
        // and the reader that asked must not wait for it to close.
        QMetaObject::invokeMethod(
            f, [f, c = C(), r = R(), action] { AgirSurCase(*f, c, r, action); }, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString &action) const override {
        if (action == ActionEffacer) return {QStringLiteral("Suppr"), QStringLiteral("Espace")};
        return {};
    }

  private:
    int C() const { return index_ % 9 + 1; }
    int R() const { return index_ / 9 + 1; }

    GrillePlateau *grille_;
    int index_;
};

} // namespace

// ---------------------------------------------------------------- GrillePlateau

GrillePlateau::GrillePlateau(QWidget *coupN) : QAccessibleWidget(coupN, QAccessible::Table) {}

GrillePlateau::~GrillePlateau() {
    for (QAccessible::Id id : cases_)
        if (id) QAccessible::deleteAccessibleInterface(id);
}

frmMain *GrillePlateau::Fenetre() const {
    return isValid() ? qobject_cast<frmMain *>(widget()->window()) : nullptr;
}

int GrillePlateau::IndexCurseur() const {
    frmMain *f = Fenetre();
    return f ? IndexDuCurseur(f->jeu()) : -1;
}

bool GrillePlateau::AuClavier() const {
    return isValid() && widget()->hasFocus();
}

QRect GrillePlateau::RectCase(int c, int r) const {
    frmMain *f = Fenetre();
    if (!f) return {};
    const Jeu &j = f->jeu();
    const QPoint coin =
        f->zone().mapToGlobal(QPoint(j.OrigineX + TailleCase * (c - 1), j.OrigineY + TailleCase * (r - 1)));
    return {coin, QSize(TailleCase, TailleCase)};
}

QAccessible::State GrillePlateau::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    // The holder itself sits outside the window; what it stands for is the board.
    s.offscreen = false;
    s.invisible = !widget()->isVisible();
    s.editable = false;
    return s;
}

QRect GrillePlateau::rect() const {
    return RectCase(1, 1).united(RectCase(9, 9));
}

QAccessibleInterface *GrillePlateau::child(int index) const {
    if (index < 0 || index >= 81) return nullptr;
    QAccessible::Id &id = cases_[std::size_t(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(
            new CasePlateau(const_cast<GrillePlateau *>(this), index));
    return QAccessible::accessibleInterface(id);
}

int GrillePlateau::indexOfChild(const QAccessibleInterface *child) const {
    for (int k = 0; k < 81; ++k)
        if (cases_[std::size_t(k)] && QAccessible::accessibleInterface(cases_[std::size_t(k)]) == child)
            return k;
    return -1;
}

QAccessibleInterface *GrillePlateau::childAt(int x, int y) const {
    frmMain *f = Fenetre();
    if (!f) return nullptr;
    const QPoint p = f->zone().mapFromGlobal(QPoint(x, y));
    int c = 0, r = 0;
    return f->jeu().CaseAuPoint(p.x(), p.y(), c, r) ? child(Index(c, r)) : nullptr;
}

QAccessibleInterface *GrillePlateau::focusChild() const {
    const int k = IndexCurseur();
    return AuClavier() && k >= 0 ? child(k) : nullptr;
}

// ---------------------------------------------------------------- AnnonceurPlateau

AnnonceurPlateau::AnnonceurPlateau(frmMain &fenetre, BarreEtat &barre, Avis &avis)
    : fenetre_(fenetre), barre_(barre), avis_(avis) {
    attente_.setSingleShot(true);
    attente_.setInterval(0);
    connect(&attente_, &QTimer::timeout, this, &AnnonceurPlateau::Annoncer);
    Jeu &j = fenetre_.jeu();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            noms_[std::size_t(GrillePlateau::Index(c, r))] = QString::fromStdString(j.NomCase(c, r));
    for (int i = 1; i <= 9; ++i)
        nomsPalette_[std::size_t(i - 1)] = QString::fromStdString(j.NomPalette(i));
    j.observateur = this;
    // Back on the board, the reader hears where the cursor is, after the board's own name, then
    // what was left to say while a box was open.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *avant, QWidget *apres) {
        if (avant == fenetre_.CoupN()) focus_ = -1;
        if (apres && apres->window() == &fenetre_) Planifier();
    });
    // The window may become the active one only after its focus has settled.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] { Planifier(); });
}

void AnnonceurPlateau::Annonce(const std::string &phrase) {
    phrases_ << QString::fromStdString(phrase);
    Planifier();
}

AnnonceurPlateau::~AnnonceurPlateau() {
    fenetre_.jeu().observateur = nullptr;
}

void AnnonceurPlateau::LibelleChange() {
    barre_.Suivre(QString::fromStdString(PhraseChiffreChoisi(fenetre_.jeu())));
}

void AnnonceurPlateau::Planifier() {
    if (!attente_.isActive()) attente_.start();
}

void AnnonceurPlateau::Annoncer() {
    attente_.stop();
    Jeu &j = fenetre_.jeu();
    QLineEdit *coupN = fenetre_.CoupN();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            const int k = GrillePlateau::Index(c, r);
            const QString nom = QString::fromStdString(j.NomCase(c, r));
            if (nom == noms_[std::size_t(k)]) continue;
            noms_[std::size_t(k)] = nom;
            QAccessibleEvent e(coupN, QAccessible::NameChanged);
            e.setChild(k);
            QAccessible::updateAccessibility(&e);
        }
    for (int i = 1; i <= 9; ++i) {
        const QString nom = QString::fromStdString(j.NomPalette(i));
        if (nom == nomsPalette_[std::size_t(i - 1)]) continue;
        nomsPalette_[std::size_t(i - 1)] = nom;
        QAccessibleEvent e(fenetre_.imgChiffre(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
    barre_.Suivre(QString::fromStdString(PhraseChiffreChoisi(j)));
    const int k = IndexDuCurseur(j);
    // A modal window opening over the board (the best times after a victory) takes the focus next.
    const QWidget *modale = QApplication::activeModalWidget();
    const bool ailleurs = modale && modale != coupN->window();
    if (k >= 0 && coupN->hasFocus() && k != focus_ && !ailleurs) {
        focus_ = k;
        QAccessibleEvent e(coupN, QAccessible::Focus);
        e.setChild(k);
        QAccessible::updateAccessibility(&e);
    }
    // Spoken over a box, a sentence would be cut short by the box's own: it waits for the window
    // to be the player's again, and comes after the cell the focus lands on.
    if (phrases_.isEmpty() || ailleurs || !fenetre_.isActiveWindow()) return;
    avis_.Dire(phrases_.join(QLatin1Char(' ')));
    phrases_.clear();
}

} // namespace lumio
