// The board for assistive technology: a table of 81 cells presented by the board's focus holder,
// the actions of a cell, and the events that keep a screen reader in step with the game.
#pragma once

#include "Affichage.h"

#include <QAccessibleWidget>
#include <QObject>
#include <QTimer>
#include <array>

namespace lumio {

class frmMain;

// The names of the cell actions.
extern const QString ActionPlacer, ActionCrayon, ActionEffacer;

// CoupN, which holds the keyboard while the player is on the board, presented as the board
// itself: a 9 x 9 table whose child 9 (r - 1) + (c - 1) is cell (c, r), row by row as one reads.
// The cursor cell is its selected cell, and its focused one while CoupN has the focus.
class TableauPlateau : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit TableauPlateau(QWidget *coupN);
    ~TableauPlateau() override;

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
    void *interface_cast(QAccessible::InterfaceType t) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return IndexCurseur() < 0 ? 0 : 1; }
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 9; }
    int rowCount() const override { return 9; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // The cursor is moved by the game's own keys, not by a selection request.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

  private:
    mutable std::array<QAccessible::Id, 81> cases_{};
};

// Tells assistive technology what changed on the board: the cells and palette pictures whose
// names changed, and the cursor cell as the focus while the board has the keyboard. What one
// action changes is told once it is over, so a digit that replaces another is heard once.
class AnnonceurPlateau : public QObject, public ObservateurPlateau {
  public:
    explicit AnnonceurPlateau(frmMain &fenetre);
    ~AnnonceurPlateau() override;

    void CaseChangee(int, int) override { Planifier(); }
    void CurseurPlace(int, int) override { Planifier(); }
    void PaletteChangee() { Planifier(); }
    // Tells now what changed since the last time.
    void Annoncer();

  private:
    void Planifier();

    frmMain &fenetre_;
    QTimer attente_;
    std::array<QString, 81> noms_;
    std::array<QString, 9> nomsPalette_;
    int focus_ = -1; // the cell last told as focused; -1 once the board has lost the keyboard
};

} // namespace lumio
