// The best-times window: the record of each level and who holds it.
#pragma once

#include <QDialog>
#include <array>

class QLabel;

namespace lumio {

class Jeu;

class frmScore : public QDialog {
    Q_OBJECT
  public:
    frmScore(Jeu &jeu, QWidget *parent);

    void RafraichirScores();
    void EffacerScores(); // "Effacer les scores"
    QLabel *Lb2(int n) const { return temps_.at(std::size_t(n - 1)); }
    QLabel *LbNom(int n) const { return noms_.at(std::size_t(n - 1)); }

  private:
    // An empty record (99:59) shows as "-".
    void DefinirTemps(int n, const QString &texte);

    Jeu &jeu_;
    std::array<QLabel *, 4> temps_{};
    std::array<QLabel *, 4> noms_{};
};

} // namespace lumio
