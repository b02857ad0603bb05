// A picture of a window that answers a click like a button (the gear, the globe).
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace lumio {

// Turns a press and a release of the left button on `image` into one call of `action`, and shows
// a hand over it. It belongs to the picture and goes with it.
class ClicImage : public QObject {
    Q_OBJECT
  public:
    ClicImage(QWidget *image, std::function<void()> action);
    // What a click does, for a screen reader that presses the picture.
    void Activer() { action_(); }

  protected:
    bool eventFilter(QObject *objet, QEvent *e) override;

  private:
    std::function<void()> action_;
    bool presse_ = false;
};

} // namespace lumio
