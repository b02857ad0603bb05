// The about window: name, version and logo of the game, its web page and the author's address.
#pragma once

#include <QDialog>
#include <QLabel>

namespace lumio {

// A text that acts as a link: underlined, a hand over it, reached with Tab and run with Enter or
// Space as well as with a click.
class LibelleLien : public QLabel {
    Q_OBJECT
  public:
    LibelleLien(const QString &texte, const QString &role, QWidget *parent);

  signals:
    void Active();

  protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

  private:
    bool presse_ = false;
};

class Form1 : public QDialog {
    Q_OBJECT
  public:
    explicit Form1(QWidget *parent = nullptr);

  protected:
    void showEvent(QShowEvent *e) override;

  private:
    void Placer();
};

} // namespace lumio
