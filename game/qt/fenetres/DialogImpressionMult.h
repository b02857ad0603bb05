// The dialog that generates and prints a batch of 1 to 99 new grids of one level.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QComboBox;
class QRadioButton;

namespace lumio {

class Jeu;

// Hidden, never destroyed, by its buttons: its count, level and kind last while the program
// runs. It reads the stored level once, at its first showing, and never writes a setting.
class DialogImpressionMult : public QDialog {
    Q_OBJECT
  public:
    DialogImpressionMult(Jeu &jeu, QWidget *parent);

    QComboBox *Combo1() const { return combo_; }
    QRadioButton *Option1(int i) const { return niveaux_.at(std::size_t(i - 1)); } // 1..4
    QRadioButton *Option2(int i) const { return sortes_.at(std::size_t(i)); }      // 0..1
    int NiveauChoisi() const { return niveauChoisi_; }
    int AvecSolutions() const { return avecSolutions_; }

    // "Imprimer": refuses a count the batch cannot hold, else prints and hides the dialog.
    void Imprimer();

  protected:
    // Enter prints, as the dialog's first button; Escape cancels.
    void keyPressEvent(QKeyEvent *e) override;

  private:
    Jeu &jeu_;
    QComboBox *combo_ = nullptr;
    std::array<QRadioButton *, 4> niveaux_{};
    std::array<QRadioButton *, 2> sortes_{};
    std::int16_t niveauChoisi_ = 0;
    std::int16_t avecSolutions_ = 0;
};

} // namespace lumio
