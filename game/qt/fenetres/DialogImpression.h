// The dialog that prints the current grid, with or without its solution.
#pragma once

#include <QDialog>
#include <array>

class QRadioButton;

namespace lumio {

class Jeu;

// Hidden, never destroyed, by its buttons: the choice shown is the one of its first showing
// or of the player's last click, even once a batch has reset the print option.
class DialogImpression : public QDialog {
    Q_OBJECT
  public:
    DialogImpression(Jeu &jeu, QWidget *parent);
    QRadioButton *OptImpression(int i) const { return options_.at(std::size_t(i)); }
    // "Imprimer": prints the grid, then hides the dialog.
    void Imprimer();

  protected:
    // Enter prints, as the dialog's first button; Escape cancels.
    void keyPressEvent(QKeyEvent *e) override;

  private:
    Jeu &jeu_;
    std::array<QRadioButton *, 2> options_{};
};

} // namespace lumio
