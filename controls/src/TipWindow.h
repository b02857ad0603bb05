// The window a TovToolTip shows: a painted rectangle or balloon that follows the pointer over its target.
#pragma once

#include "tovxp/TovTypes.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tovxp {

class TipWindow : public QWidget {
    Q_OBJECT

  public:
    /// Tracking: shows itself when the pointer rests on the target's current rectangle.
    /// OneShot: shown once by popAt() and gone at the next key, click or focus loss of the target.
    enum Mode { Tracking, OneShot };

    TipWindow(QWidget *target, Mode mode, bool balloon, bool centered);

    quint32 id() const { return m_id; }
    QRect toolRect() const { return m_toolRect; }
    void setContent(const QString &text, const QString &title, TovToolTip_Icon icon);
    void setColors(Color back, Color fore);
    /// Shows the tip with its tail (balloon) or its top-left corner region (rectangle) at `anchor`,
    /// a global position.
    void popAt(const QPoint &anchor);
    void popForPointer(const QPoint &local);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    void layoutFor(const QPoint &anchor);
    QRect bodyRect() const;
    QSize contentSize() const;
    QPainterPath outline() const;
    void dismiss();

    quint32 m_id;
    QPointer<QWidget> m_target;
    Mode m_mode;
    bool m_balloon;
    bool m_centered;
    QRect m_toolRect;
    QString m_text;
    QString m_title;
    TovToolTip_Icon m_icon = TTI_None;
    Color m_back = SysInfoBackground;
    Color m_fore = SysInfoText;
    int m_tailX = 0;
    QPoint m_anchor;
    QPoint m_lastPos;
    bool m_spent = false;
    QTimer m_hover;
    QTimer m_autoPop;
};

} // namespace tovxp
