// Two things only a screen reader perceives on the main window: a status bar where its status
// command finds the mode, the level, the clock and the current digit, and the notice through
// which each action's result is spoken. Neither draws anything nor takes the mouse.
#pragma once

#include <QStatusBar>
#include <QWidget>
#include <array>

class QAccessibleInterface;
class QLabel;

namespace lumio {

class BarreEtat : public QStatusBar {
    Q_OBJECT
  public:
    // Lies over the three captions it repeats, `libelles` (mode, level, clock), inside `parent`.
    BarreEtat(const std::array<QLabel *, 3> &libelles, QWidget *parent);
    // Takes the captions' texts and visibility as they now stand, and the current digit's phrase.
    void Suivre(const QString &chiffreChoisi);
    QLabel *Element(int k) const { return elements_.at(std::size_t(k)); }

  protected:
    void paintEvent(QPaintEvent *) override {}

  private:
    std::array<QLabel *, 3> libelles_;
    std::array<QLabel *, 4> elements_{}; // the three captions, then the current digit
};

// The notice: a sentence a screen reader speaks as soon as it is shown.
class Avis : public QWidget {
    Q_OBJECT
  public:
    explicit Avis(QWidget *parent);
    const QString &Texte() const { return texte_; }
    // Speaks `texte` now; one sentence replaces the other, so what one action says goes at once.
    void Dire(const QString &texte);

  private:
    QString texte_;
};

// The interface that presents an Avis as a notification, named by its sentence.
QAccessibleInterface *InterfaceAvis(Avis *avis);

} // namespace lumio
