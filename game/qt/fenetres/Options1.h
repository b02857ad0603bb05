// The options dialog "Parametres du jeu": mode, level, player name, checking, digit limit,
// colour theme and sounds.
#pragma once

#include "Options.h"
#include "Themes.h"
#include "apparence/FormulaireTwips.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace lumio {

class Jeu;

class Options1 : public QDialog {
    Q_OBJECT
  public:
    // The two widths, in twips: all three columns, or the left one alone.
    static constexpr int LargeurComplete = 9810, LargeurGauche = 3735;

    // `principale` is the main window: the dialog stays above it and lines up with its left edge.
    Options1(Jeu &jeu, QWidget *principale);

    // Each opening: lines up with the main window and shows what the settings store holds.
    void Form_Load();
    // All three columns again, as an opening asks.
    void Elargir();
    int LargeurTwips() const { return width() * TwipsParPixel; }

    // The four buttons.
    void Valider();          // TovCommand1, "OK"
    void BasculerLargeur();  // TovCommand3, "<<" / ">>"
    void ValeursParDefaut(); // TovCommand4

    // The choices as "OK" would write them.
    ChoixOptions Choix() const;

    QRadioButton *Option1(int i) const { return niveaux_.at(std::size_t(i - 1)); } // 1..4
    QRadioButton *Option2(int i) const { return modes_.at(std::size_t(i - 1)); }   // 1..2
    QRadioButton *Option4(int i) const { return couleurs_.at(std::size_t(i)); }    // a theme

  private:
    void Option2_Click(int index);
    void DefinirLargeur(int twips);

    Jeu &jeu_;
    ChoixOptions choix_;
    std::array<QRadioButton *, 4> niveaux_{};
    std::array<QRadioButton *, 2> modes_{};
    std::array<QRadioButton *, NombreThemes> couleurs_{};
    QCheckBox *veri_ = nullptr, *check1_ = nullptr, *check2_ = nullptr;
    QLineEdit *nomJoueur_ = nullptr;
    QLabel *label5_ = nullptr;
    QWidget *bascule_ = nullptr;
    QWidget *colonneMilieu_ = nullptr, *colonneDroite_ = nullptr;
};

} // namespace lumio
