// TovCommand: a self-drawn push button with two looks, hover highlight, picture, caption and toggle mode.
#pragma once

#include "tovxp/TovTypes.h"
#include "tovxp/tovxp_global.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

class QShortcut;

namespace tovxp {

class PropertyBag;

/// A focusable push button drawn entirely by itself.
///
/// Input: a left press and release inside raise Click() (a release outside gives none); Space
/// presses, and Space or Enter released raise Click(), a release only when its press went to
/// this control too; the arrow keys move the focus to the
/// previous (Left, Up) or next (Right, Down) control; Alt + the access key (the character after
/// the first single `&` of the caption, `&&` being a literal ampersand) raises Click(). In
/// check-box mode a complete click or Space flips Value.
///
/// Painting goes through an image (renderImage()) that the widget then shows; setting Ready to
/// false suspends it so that a batch of property changes paints once.
///
/// Enabled and Font are the widget's own `enabled` and `font`, published again under these names.
class TOVXP_EXPORT TovCommand : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool HandPointer READ HandPointer WRITE setHandPointer)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(bool MustDrawFocus READ MustDrawFocus WRITE setMustDrawFocus)
    Q_PROPERTY(bool CheckBox READ CheckBox WRITE setCheckBox)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(tovxp::TovButtonTypes ButtonType READ ButtonType WRITE setButtonType)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(quint32 OfficeOverColor READ OfficeOverColor WRITE setOfficeOverColor)
    Q_PROPERTY(quint32 MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(tovxp::BackStyleConstants BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(quint32 hwnd READ hwnd)
    Q_PROPERTY(bool CenterText READ CenterText WRITE setCenterText)
    Q_PROPERTY(bool CenterPicture READ CenterPicture WRITE setCenterPicture)
    Q_PROPERTY(bool UseMask READ UseMask WRITE setUseMask)
    Q_PROPERTY(QVariant Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Ready READ Ready WRITE setReady)
    Q_PROPERTY(bool MouseIsOver READ MouseIsOver WRITE setMouseIsOver)
    Q_PROPERTY(bool HasFocus READ HasFocus)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)

  public:
    /// A new control with the defaults of InitProperties(); its caption is its object name (empty
    /// here: use the second constructor or call InitProperties() after setObjectName()).
    explicit TovCommand(QWidget *parent = nullptr);
    /// A new control named `name` (its object name and first caption).
    explicit TovCommand(const QString &name, QWidget *parent = nullptr);
    ~TovCommand() override;

    /// Repaints the control now from its state; does nothing while Ready is false.
    void Refresh();

    bool HandPointer() const { return m_handPointer; }
    void setHandPointer(bool on);
    /// Pressed (push mode, while held) or checked (check-box mode).
    bool Value() const { return m_value; }
    void setValue(bool on);
    bool MustDrawFocus() const { return m_mustDrawFocus; }
    void setMustDrawFocus(bool on);
    bool CheckBox() const { return m_checkBox; }
    void setCheckBox(bool on);
    /// Text shown on the control; an `&` marks the access key, `&&` is a literal `&`.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    /// Face colour (a colour value, see ResolveColor()).
    Color BackColor() const { return m_backColor; }
    void setBackColor(Color color);
    TovButtonTypes ButtonType() const { return m_buttonType; }
    void setButtonType(TovButtonTypes type);
    Color ForeColor() const { return m_foreColor; }
    void setForeColor(Color color);
    /// Hover and pressed colour of the "Office Xp" look.
    Color OfficeOverColor() const { return m_officeOverColor; }
    void setOfficeOverColor(Color color);
    /// The colour of a bitmap picture drawn see-through when UseMask is on.
    Color MaskColor() const { return m_maskColor; }
    void setMaskColor(Color color);
    BackStyleConstants BackStyle() const { return m_backStyle; }
    void setBackStyle(BackStyleConstants style);
    /// An identifier of this control, unique in the process and never 0 (not a native window id).
    quint32 hwnd() const { return m_id; }
    bool CenterText() const { return m_centerText; }
    void setCenterText(bool on);
    bool CenterPicture() const { return m_centerPicture; }
    void setCenterPicture(bool on);
    bool UseMask() const { return m_useMask; }
    void setUseMask(bool on);
    /// The picture: a QIcon (drawn at its first available size, or 32 x 32, with its own
    /// transparency), a QPixmap (a bitmap, see UseMask and MaskColor; one with a device pixel ratio
    /// above 1 takes its logical size), or an invalid QVariant.
    QVariant Picture() const;
    void setPicture(const QVariant &picture);
    void setPicture(const QIcon &icon);
    void setPicture(const QPixmap &bitmap);
    void clearPicture();
    /// Painting allowed; false while a batch of properties is being set.
    bool Ready() const { return m_ready; }
    void setReady(bool on);

    /// The pointer is over the control. Driven by enter and leave events; a host may set it to
    /// preview the hover look.
    bool MouseIsOver() const { return m_mouseIsOver; }
    void setMouseIsOver(bool on);
    /// The control has the keyboard focus (mirrored from focus events).
    bool HasFocus() const { return m_hasFocus; }
    /// Marks the control as the default button of its window: the "Windows Xp" look then shows
    /// its focus edges even without the focus.
    bool Default() const { return m_default; }
    void setDefault(bool on);

    /// The access key of the caption (upper-case), or a null QChar when it has none.
    QChar AccessKey() const { return m_accessKey; }
    /// The access key a caption gives: the character after the first single `&`.
    static QChar AccessKeyOf(const QString &caption);
    /// The caption as shown, doubled ampersands made single and marking ones removed.
    static QString DisplayedCaption(const QString &caption);

    /// Sets every property to its default, caption = object name, then repaints once.
    void InitProperties();
    /// Loads the stored properties (missing entries take their defaults), then repaints once.
    void ReadProperties(const PropertyBag &bag);
    /// Saves the properties; values equal to their defaults are not written.
    void WriteProperties(PropertyBag &bag) const;

    /// The control's face drawn at `size` from its current state, pixel for pixel as shown on a
    /// screen of device pixel ratio 1.
    QImage renderImage(const QSize &size) const;
    /// The same face for a screen of device pixel ratio `ratio`: an image of `size * ratio` device
    /// pixels (rounded up) carrying that ratio. Each logical pixel of the face becomes a block of
    /// device pixels, while the caption and pictures are drawn at the device resolution. A ratio
    /// that is not a positive number counts as 1.
    QImage renderImage(const QSize &size, qreal ratio) const;
    /// The window shape of the look at `size`: stepped corners for "Windows Xp", the full
    /// rectangle otherwise.
    QRegion shapeFor(const QSize &size) const;
    /// The region, in logical pixels, the control currently shows itself in: its shape, or for a
    /// transparent "Office Xp" face, the pixels of `image` that are not BackColor. For an image of
    /// a higher device pixel ratio, a logical pixel shows when any device pixel of its block does,
    /// so that nothing drawn at the finer resolution is cut away.
    QRegion visibleRegion(const QImage &image) const;
    /// The caption rectangle and picture position at `size` (empty rect / null point when absent).
    QRect captionRect(const QSize &size) const;
    QPoint picturePosition(const QSize &size) const;

    QSize sizeHint() const override;

  signals:
    void Click();
    void MouseOver();
    void MouseLeave();
    void DblClick();
    /// The host is told that CenterPicture, UseMask or Picture changed.
    void PropertyChanged(const QString &name);

  protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

  private:
    void setUp();
    void applyShape();
    void updateCursor();
    void deriveAccessKey();
    void accessKeyPressed();
    QSize pictureSize() const;
    // The face of logical `size` on exactly `device` pixels: the edges keep whole, equal device
    // widths on every side, the middle takes what is left.
    QImage renderFace(const QSize &size, const QSize &device, qreal ratio) const;
    QRegion regionOf(const QImage &image, const QSize &logical) const;
    QSize deviceSize() const;
    QColor hostBackground() const;
    void showFace();
    QFont hostFont() const;
    // Tells assistive technology that the check-box mode's checked state changed.
    void announceChecked();

    bool m_mouseIsOver = false;
    QString m_caption;
    bool m_value = false;
    bool m_hasFocus = false;
    BackStyleConstants m_backStyle = Opaque;
    Color m_officeOverColor = SysHighlight;
    Color m_backColor = SysButtonFace;
    Color m_foreColor = SysButtonText;
    bool m_checkBox = false;
    bool m_centerPicture = true;
    bool m_centerText = true;
    QIcon m_icon;
    QPixmap m_bitmap;
    Color m_maskColor = SysButtonFace;
    bool m_useMask = true;
    TovButtonTypes m_buttonType = WindowsXp;
    bool m_mustDrawFocus = true;
    bool m_handPointer = false;
    bool m_ready = false;
    bool m_default = false;
    // The press that a release may complete: a release whose press went elsewhere (to the
    // window that was closed by it, say) must not click.
    int m_keyDown = 0;
    bool m_mouseDown = false;
    bool m_announcedChecked = false;

    quint32 m_id = 0;
    QChar m_accessKey;
    QShortcut *m_shortcut = nullptr;
    QImage m_face;
};

} // namespace tovxp
