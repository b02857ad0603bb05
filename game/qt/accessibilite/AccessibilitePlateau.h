// The board for assistive technology: 81 cells presented by the board's focus holder, the actions
// of a cell, and the events that keep a screen reader in step with the game.
#pragma once

#include "Affichage.h"

#include <QAccessibleWidget>
#include <QObject>
#include <QTimer>
#include <array>

namespace lumio {

class Avis;
class BarreEtat;
class frmMain;

// The names of the cell actions.
extern const QString ActionPlacer, ActionCrayon, ActionEffacer;

// CoupN, which holds the keyboard while the player is on the board, presented as the board
// itself: 81 cells, child 9 (r - 1) + (c - 1) being cell (c, r), row by row as one reads, each
// named with its row and column. The cursor cell is its selected cell, and its focused one while
// CoupN has the focus. It has a table's role but offers no table interface: a reader that finds
// one reads the whole row each time the cursor changes rows.
class GrillePlateau : public QAccessibleWidget {
  public:
    explicit GrillePlateau(QWidget *coupN);
    ~GrillePlateau() override;

    static int Index(int c, int r) { return 9 * (r - 1) + (c - 1); }
    frmMain *Fenetre() const;
    // The cursor cell's index, -1 before the first game.
    int IndexCurseur() const;
    bool AuClavier() const; // the board has the keyboard focus
    QRect RectCase(int c, int r) const;

    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override;
    QRect rect() const override;
    int childCount() const override { return 81; }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

  private:
    mutable std::array<QAccessible::Id, 81> cases_{};
};

// Tells assistive technology what changed on the board: the cells and palette pictures whose
// names changed, the cursor cell as the focus while the board has the keyboard, the status, and
// what each action did, through the notice. What one action changes is told once it is over, so
// a digit that replaces another is heard once, and an action's sentences are spoken together.
class AnnonceurPlateau : public QObject, public ObservateurPlateau {
  public:
    AnnonceurPlateau(frmMain &fenetre, BarreEtat &barre, Avis &avis);
    ~AnnonceurPlateau() override;

    void CaseChangee(int, int) override { Planifier(); }
    void CurseurPlace(int, int) override { Planifier(); }
    void Annonce(const std::string &phrase) override;
    void PaletteChangee() { Planifier(); }
    // A caption (mode, level, clock) changes no cell: only the status bar follows it.
    void LibelleChange();
    // Tells now what changed since the last time.
    void Annoncer();

  private:
    void Planifier();

    frmMain &fenetre_;
    BarreEtat &barre_;
    Avis &avis_;
    QTimer attente_;
    std::array<QString, 81> noms_;
    std::array<QString, 9> nomsPalette_;
    int focus_ = -1;      // the cell last told as focused; -1 once the board has lost the keyboard
    QStringList phrases_; // waiting for the board to have the keyboard again
};

} // namespace lumio
