// A picture of a window that shows a cycle of frames, only while someone can see it.
#pragma once

#include <QBasicTimer>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QWindow;

namespace lumio {

// Shows its frames in turn, centred, one every `intervalle` ms. Each frame is drawn once, at the
// picture's device pixel ratio (and again only if that ratio changes), and the picture holds
// still while it cannot be seen: hidden, its window minimised, hidden or not exposed. A game left
// on the desktop then costs no drawing and no timer at all.
// The picture stands on its window's plain ground (the palette's Window colour), which it paints
// itself: at every frame only its own few pixels are drawn again, not the window beneath.
class ImageAnimee : public QWidget {
    Q_OBJECT
  public:
    using Dessin = std::function<QPixmap(int image, qreal ratio)>;
    ImageAnimee(int nombre, int intervalle, Dessin dessiner, QWidget *parent);

    // The next frame, as the timer shows it.
    void Avancer();
    bool EnMarche() const { return minuterie_.isActive(); }
    int ImageCourante() const { return courante_; }
    const QPixmap &Image() const { return images_[std::size_t(courante_)]; }

  protected:
    void paintEvent(QPaintEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objet, QEvent *e) override;
    void timerEvent(QTimerEvent *e) override;

  private:
    bool Visible() const;
    void Reconsiderer();
    void Suivre();
    void SuivreRatio();
    void Preparer();
    QRect Cadre() const;

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
