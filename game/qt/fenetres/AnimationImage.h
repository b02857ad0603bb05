// A picture of a window that shows a cycle of frames, only while someone can see it.
#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <functional>
#include <vector>

class QLabel;
class QWidget;
class QWindow;

namespace lumio {

// Shows the frames of `image` in turn, one every `intervalle` ms. Each frame is drawn once, at the
// picture's device pixel ratio (and again only if that ratio changes), and the animation holds
// still while the picture cannot be seen: hidden, its window minimised, hidden or not exposed.
// A game left on the desktop then costs no drawing and no timer at all. It belongs to the picture.
class AnimationImage : public QObject {
    Q_OBJECT
  public:
    using Dessin = std::function<QPixmap(int image, qreal ratio)>;
    AnimationImage(QLabel *image, int nombre, int intervalle, Dessin dessiner);

    // The next frame, as the timer shows it.
    void Avancer();
    bool EnMarche() const { return minuterie_.isActive(); }
    int ImageCourante() const { return courante_; }

  protected:
    bool eventFilter(QObject *objet, QEvent *e) override;
    void timerEvent(QTimerEvent *e) override;

  private:
    bool Visible() const;
    void Reconsiderer();
    void Suivre();
    void Montrer();

    QLabel *image_;
    int intervalle_;
    Dessin dessiner_;
    std::vector<QPixmap> images_;
    qreal ratio_ = 0;
    int courante_ = 0;
    QBasicTimer minuterie_;
    // The top-level window and its native window, watched for minimising and exposure.
    QPointer<QWidget> fenetre_;
    QPointer<QWindow> surface_;
};

} // namespace lumio
