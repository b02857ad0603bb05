// TovToolTip: one tooltip, a plain rectangle or a balloon with optional title and icon, for one widget.
#pragma once

#include "tovxp/TovTypes.h"
#include "tovxp/tovxp_global.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace tovxp {

class TipWindow;

/// A tooltip attached to a target widget. After Attach() the tip shows by itself when the pointer
/// rests (HoverDelay milliseconds) over the rectangle the target had at the moment of attachment,
/// and hides when the pointer leaves it, a button is pressed, or after AutoPopDelay milliseconds.
///
/// The tooltip window is a frameless top-most Qt::ToolTip window drawn by the library. It lives
/// until Remove() is called or its target is destroyed; destroying this object leaves it working.
/// Calling Attach() again creates a further window; the previous one keeps working, and the
/// properties and Remove() then act on the newest.
class TOVXP_EXPORT TovToolTip : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(QString Title READ Title WRITE setTitle)
    Q_PROPERTY(tovxp::TovToolTip_Icon Icon READ Icon WRITE setIcon)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 hwnd READ hwnd)

  public:
    static constexpr int HoverDelay = 500;
    static constexpr int AutoPopDelay = 10000;

    explicit TovToolTip(QObject *parent = nullptr);
    ~TovToolTip() override;

    /// Destroys the tooltip window (the properties are kept).
    void Remove();
    /// An identifier of the tooltip window, unique in the process; 0 before Attach() or after Remove().
    quint32 hwnd() const;

    QString ToolTipText() const { return m_text; }
    void setToolTipText(const QString &text);
    TovToolTip_Icon Icon() const { return m_icon; }
    void setIcon(TovToolTip_Icon icon);
    /// The title line, drawn bold above the text with the icon before it; no title, no icon.
    QString Title() const { return m_title; }
    void setTitle(const QString &title);

    /// Creates the tooltip window for `target`. A balloon has rounded corners and a tail pointing
    /// at the pointer (or, when `centered`, at the middle of the target's bottom edge, the tip
    /// being centred below the target).
    void Attach(QWidget *target, const QString &toolTipText = {}, const QString &title = {},
                TovToolTip_Icon icon = TTI_None, bool balloon = true, bool centered = false);

    /// Asks the target to show a balloon with title, text and icon under its text cursor. Only a
    /// QLineEdit target reacts; the balloon goes away at the next key, click or after AutoPopDelay.
    void Show();

    /// Text colour (colour value, system colours resolved when drawn); initially system colour 23.
    Color ForeColor() const { return m_foreColor; }
    void setForeColor(Color color);
    /// Background colour; initially system colour 24.
    Color BackColor() const { return m_backColor; }
    void setBackColor(Color color);

    /// The current tooltip window (null before Attach() or after Remove()); mainly for tests.
    QWidget *window() const;
    /// The target of the last Attach().
    QWidget *target() const { return m_target; }

  private:
    void pushStyle();

    Color m_backColor = SysInfoBackground;
    Color m_foreColor = SysInfoText;
    QString m_title;
    TovToolTip_Icon m_icon = TTI_None;
    QString m_text;
    QPointer<QWidget> m_target;
    QPointer<TipWindow> m_window;
    QPointer<TipWindow> m_editBalloon;
};

} // namespace tovxp
