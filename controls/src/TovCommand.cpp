// TovCommand: its properties, their persistence, and the mouse, keyboard, focus and access-key input.
#include "tovxp/TovCommand.h"
#include "tovxp/PropertyBag.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <atomic>

namespace tovxp {

namespace {

std::atomic<quint32> nextId{1};

// Names of the stored entries; "Checkbox" is spelt with a lower-case b on purpose, as stored
// controls already use it.
const QString kEnabled = QStringLiteral("Enabled");
const QString kCenterPicture = QStringLiteral("CenterPicture");
const QString kCenterText = QStringLiteral("CenterText");
const QString kMustDrawFocus = QStringLiteral("MustDrawFocus");
const QString kUseMask = QStringLiteral("UseMask");
const QString kCheckbox = QStringLiteral("Checkbox");
const QString kHandPointer = QStringLiteral("HandPointer");
const QString kCaption = QStringLiteral("Caption");
const QString kBackColor = QStringLiteral("BackColor");
const QString kMaskColor = QStringLiteral("MaskColor");
const QString kForeColor = QStringLiteral("ForeColor");
const QString kButtonType = QStringLiteral("ButtonType");
const QString kFont = QStringLiteral("Font");
const QString kPicture = QStringLiteral("Picture");
const QString kOfficeOverColor = QStringLiteral("OfficeOverColor");
const QString kBackStyle = QStringLiteral("BackStyle");
const QString kValue = QStringLiteral("Value");

// Values read back from an INI file are text; these accept both that and the native types.
Color toColor(const QVariant &v, Color fallback) {
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    return ok ? Color(quint32(n)) : fallback;
}

int toInt(const QVariant &v, int fallback) {
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : fallback;
}

QFont toFont(const QVariant &v, const QFont &fallback) {
    if (v.metaType().id() == QMetaType::QFont) return v.value<QFont>();
    QFont f;
    if (v.metaType().id() == QMetaType::QString && f.fromString(v.toString())) return f;
    return fallback;
}

QVariant colorVariant(Color c) {
    return QVariant::fromValue<uint>(c);
}

} // namespace

TovCommand::TovCommand(QWidget *parent) : QWidget(parent) {
    setUp();
}

TovCommand::TovCommand(const QString &name, QWidget *parent) : QWidget(parent) {
    setObjectName(name);
    setUp();
}

TovCommand::~TovCommand() = default;

void TovCommand::setUp() {
    m_id = nextId++;
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InitProperties();
    // A screen reader already listening may have been given a plain widget for this control
    // while its base was being built; from now on it is presented as the button it is.
    if (QAccessible::isActive())
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(this))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QSize TovCommand::sizeHint() const {
    return {89, 25};
}

void TovCommand::InitProperties() {
    m_ready = false;
    setEnabled(true);
    setCaption(objectName());
    setFont(hostFont());
    setBackColor(SysButtonFace);
    setForeColor(SysButtonText);
    setCheckBox(false);
    setButtonType(WindowsXp);
    setHandPointer(false);
    clearPicture();
    setUseMask(true);
    setMaskColor(SysButtonFace);
    setMustDrawFocus(true);
    setCenterPicture(true);
    setCenterText(true);
    setBackStyle(Opaque);
    setOfficeOverColor(SysHighlight);
    setValue(false);
    m_ready = true;
    Refresh();
}

void TovCommand::ReadProperties(const PropertyBag &bag) {
    m_ready = false;
    setEnabled(bag.read(kEnabled, true).toBool());
    setCenterPicture(bag.read(kCenterPicture, true).toBool());
    setCenterText(bag.read(kCenterText, true).toBool());
    setMustDrawFocus(bag.read(kMustDrawFocus, true).toBool());
    setUseMask(bag.read(kUseMask, true).toBool());
    setCheckBox(bag.read(kCheckbox, false).toBool());
    setHandPointer(bag.read(kHandPointer, false).toBool());
    setCaption(bag.read(kCaption, objectName()).toString());
    setBackColor(toColor(bag.read(kBackColor, colorVariant(SysButtonFace)), SysButtonFace));
    setMaskColor(toColor(bag.read(kMaskColor, colorVariant(SysButtonFace)), SysButtonFace));
    setForeColor(toColor(bag.read(kForeColor, colorVariant(SysButtonText)), SysButtonText));
    setButtonType(TovButtonTypes(toInt(bag.read(kButtonType, int(WindowsXp)), WindowsXp)));
    setFont(toFont(bag.read(kFont, hostFont()), hostFont()));
    setPicture(bag.read(kPicture, QVariant()));
    setOfficeOverColor(toColor(bag.read(kOfficeOverColor, colorVariant(SysHighlight)), SysHighlight));
    setBackStyle(BackStyleConstants(toInt(bag.read(kBackStyle, int(Opaque)), Opaque)));
    setValue(bag.read(kValue, false).toBool());
    m_ready = true;
    Refresh();
}

void TovCommand::WriteProperties(PropertyBag &bag) const {
    bag.write(kEnabled, isEnabled(), true);
    bag.write(kOfficeOverColor, colorVariant(m_officeOverColor), colorVariant(SysHighlight));
    bag.write(kCenterPicture, m_centerPicture, true);
    bag.write(kCenterText, m_centerText, true);
    bag.write(kMustDrawFocus, m_mustDrawFocus, true);
    bag.write(kUseMask, m_useMask, true);
    bag.write(kCheckbox, m_checkBox, false);
    bag.write(kHandPointer, m_handPointer, false);
    bag.write(kBackStyle, int(m_backStyle), int(Opaque));
    bag.write(kCaption, m_caption, objectName());
    bag.write(kFont, font(), hostFont());
    bag.write(kPicture, Picture(), QVariant());
    bag.write(kBackColor, colorVariant(m_backColor), colorVariant(SysButtonFace));
    bag.write(kMaskColor, colorVariant(m_maskColor), colorVariant(SysButtonFace));
    bag.write(kForeColor, colorVariant(m_foreColor), colorVariant(SysButtonText));
    bag.write(kButtonType, int(m_buttonType), int(WindowsXp));
    bag.write(kValue, m_value, false);
}

QFont TovCommand::hostFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

QColor TovCommand::hostBackground() const {
    const QWidget *host = parentWidget();
    return host ? host->palette().color(host->backgroundRole()) : palette().color(QPalette::Window);
}

// ---- properties ----

void TovCommand::setHandPointer(bool on) {
    m_handPointer = on;
    updateCursor();
}

void TovCommand::setValue(bool on) {
    m_value = on;
    Refresh();
}

void TovCommand::setMustDrawFocus(bool on) {
    m_mustDrawFocus = on;
    Refresh();
}

void TovCommand::setCheckBox(bool on) {
    m_checkBox = on;
    Refresh();
}

void TovCommand::setCaption(const QString &caption) {
    m_caption = caption;
    Refresh();
    deriveAccessKey();
    // The caption is the button's name for a screen reader, unless the host gave it another.
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TovCommand::setBackColor(Color color) {
    m_backColor = color;
    Refresh();
}

void TovCommand::setButtonType(TovButtonTypes type) {
    m_buttonType = type;
    applyShape();
}

void TovCommand::setForeColor(Color color) {
    m_foreColor = color;
    Refresh();
}

void TovCommand::setOfficeOverColor(Color color) {
    m_officeOverColor = color;
    Refresh();
}

void TovCommand::setMaskColor(Color color) {
    m_maskColor = color;
    Refresh();
}

void TovCommand::setBackStyle(BackStyleConstants style) {
    m_backStyle = style;
    Refresh();
}

void TovCommand::setCenterText(bool on) {
    m_centerText = on;
    Refresh();
}

void TovCommand::setCenterPicture(bool on) {
    m_centerPicture = on;
    Refresh();
    emit PropertyChanged(kCenterPicture);
}

void TovCommand::setUseMask(bool on) {
    m_useMask = on;
    Refresh();
    emit PropertyChanged(kUseMask);
}

QVariant TovCommand::Picture() const {
    if (!m_icon.isNull()) return QVariant::fromValue(m_icon);
    if (!m_bitmap.isNull()) return QVariant::fromValue(m_bitmap);
    return {};
}

void TovCommand::setPicture(const QVariant &picture) {
    switch (picture.metaType().id()) {
    case QMetaType::QIcon:
        setPicture(picture.value<QIcon>());
        break;
    case QMetaType::QPixmap:
        setPicture(picture.value<QPixmap>());
        break;
    case QMetaType::QImage:
        setPicture(QPixmap::fromImage(picture.value<QImage>()));
        break;
    default:
        clearPicture();
    }
}

void TovCommand::setPicture(const QIcon &icon) {
    m_icon = icon;
    m_bitmap = QPixmap();
    Refresh();
    emit PropertyChanged(kPicture);
}

void TovCommand::setPicture(const QPixmap &bitmap) {
    m_icon = QIcon();
    m_bitmap = bitmap;
    Refresh();
    emit PropertyChanged(kPicture);
}

void TovCommand::clearPicture() {
    m_icon = QIcon();
    m_bitmap = QPixmap();
    Refresh();
    emit PropertyChanged(kPicture);
}

void TovCommand::setReady(bool on) {
    m_ready = on;
    Refresh();
}

void TovCommand::setMouseIsOver(bool on) {
    m_mouseIsOver = on;
    Refresh();
}

void TovCommand::setDefault(bool on) {
    m_default = on;
    Refresh();
}

void TovCommand::updateCursor() {
    if (m_handPointer && isEnabled())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

// ---- access key ----

QChar TovCommand::AccessKeyOf(const QString &caption) {
    qsizetype i = caption.indexOf(QLatin1Char('&'));
    while (i >= 0 && i < caption.size() - 1) {
        if (caption.at(i + 1) != QLatin1Char('&')) return caption.at(i + 1);
        i = caption.indexOf(QLatin1Char('&'), i + 2);
    }
    return {};
}

QString TovCommand::DisplayedCaption(const QString &caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            shown += caption.at(i);
        else if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&'))
            shown += caption.at(++i);
    }
    return shown;
}

void TovCommand::deriveAccessKey() {
    m_accessKey = AccessKeyOf(m_caption);
    if (m_accessKey.isNull()) {
        delete m_shortcut;
        m_shortcut = nullptr;
        return;
    }
    if (!m_shortcut) {
        m_shortcut = new QShortcut(this);
        connect(m_shortcut, &QShortcut::activated, this, &TovCommand::accessKeyPressed);
        connect(m_shortcut, &QShortcut::activatedAmbiguously, this, &TovCommand::accessKeyPressed);
    }
    // Letter key codes are the upper-case characters.
    m_shortcut->setKey(QKeyCombination(Qt::AltModifier, Qt::Key(m_accessKey.toUpper().unicode())));
}

void TovCommand::accessKeyPressed() {
    if (isEnabled()) emit Click();
}

// ---- input ----

bool TovCommand::event(QEvent *event) {
    // On a screen of another ratio the face, its see-through corners and its mask are made anew
    // together: the painter alone would redraw the face but leave the host unpainted beneath it.
    if (event->type() == QEvent::ScreenChangeInternal) Refresh();
    return QWidget::event(event);
}

void TovCommand::changeEvent(QEvent *event) {
    switch (event->type()) {
    case QEvent::EnabledChange:
        updateCursor();
        Refresh();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::ParentChange:
        Refresh();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TovCommand::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return QWidget::mousePressEvent(event);
    m_mouseDown = true;
    if (!m_checkBox) m_value = true;
    Refresh();
}

void TovCommand::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return QWidget::mouseReleaseEvent(event);
    if (!m_mouseDown) return;
    m_mouseDown = false;
    const bool inside = rect().contains(event->position().toPoint());
    if (m_checkBox) {
        if (inside) m_value = !m_value;
    } else {
        m_value = false;
    }
    Refresh();
    if (inside) emit Click();
}

void TovCommand::mouseMoveEvent(QMouseEvent *event) {
    if (!isEnabled()) return;
    if (!m_checkBox && m_mouseDown && (event->buttons() & Qt::LeftButton)) {
        // Dragging out lifts the button, dragging back presses it again.
        const bool inside = rect().contains(event->position().toPoint());
        if (inside != m_value) {
            m_value = inside;
            Refresh();
        }
    }
}

void TovCommand::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double click only reports it; its release still clicks.
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    m_mouseDown = true;
    emit DblClick();
}

void TovCommand::keyPressEvent(QKeyEvent *event) {
    if (!isEnabled()) return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Space:
        // A held key repeats; only the first press acts.
        if (!event->isAutoRepeat()) {
            m_keyDown = Qt::Key_Space;
            m_value = m_checkBox ? !m_value : true;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) m_keyDown = event->key();
        break;
    default:
        Refresh();
        return QWidget::keyPressEvent(event);
    }
    Refresh();
}

void TovCommand::keyReleaseEvent(QKeyEvent *event) {
    const int key = event->key();
    if (!isEnabled() || event->isAutoRepeat() ||
        (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter))
        return QWidget::keyReleaseEvent(event);
    // The Enter that accepted the previous window comes up here once this one has the focus.
    if (m_keyDown != key) return;
    m_keyDown = 0;
    if (!m_checkBox) m_value = false;
    Refresh();
    emit Click();
}

void TovCommand::focusInEvent(QFocusEvent *event) {
    m_hasFocus = true;
    Refresh();
    QWidget::focusInEvent(event);
}

void TovCommand::focusOutEvent(QFocusEvent *event) {
    m_hasFocus = false;
    // A press interrupted by the focus going away ends here; its release clicks nothing.
    m_keyDown = 0;
    m_mouseDown = false;
    if (!m_checkBox) m_value = false;
    Refresh();
    QWidget::focusOutEvent(event);
}

void TovCommand::enterEvent(QEnterEvent *event) {
    m_mouseIsOver = true;
    Refresh();
    emit MouseOver();
    QWidget::enterEvent(event);
}

void TovCommand::leaveEvent(QEvent *event) {
    m_mouseIsOver = false;
    Refresh();
    emit MouseLeave();
    QWidget::leaveEvent(event);
}

// ---- showing the face ----

void TovCommand::Refresh() {
    announceChecked();
    if (!m_ready) return;
    showFace();
    update();
}

void TovCommand::announceChecked() {
    // Every change of Value ends in a repaint request, so this sees them all.
    const bool checked = m_checkBox && m_value;
    if (checked == m_announcedChecked) return;
    m_announcedChecked = checked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

// The device pixels the control covers in its window. At a fractional ratio its edges may fall
// between device pixels; the window shows it from the nearest device edge to the nearest one.
QSize TovCommand::deviceSize() const {
    const qreal r = devicePixelRatioF();
    const QPoint at = isWindow() ? QPoint() : mapTo(window(), QPoint());
    return {qRound((at.x() + width()) * r) - qRound(at.x() * r),
            qRound((at.y() + height()) * r) - qRound(at.y() * r)};
}

void TovCommand::showFace() {
    m_face = renderFace(size(), deviceSize(), devicePixelRatioF());
    m_face.setDevicePixelRatio(devicePixelRatioF());
    // A face with see-through pixels lets its host paint beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, !m_face.hasAlphaChannel());
    const QRegion region = regionOf(m_face, size());
    if (region != mask()) setMask(region);
}

void TovCommand::applyShape() {
    Refresh();
}

void TovCommand::resizeEvent(QResizeEvent *event) {
    applyShape();
    QWidget::resizeEvent(event);
}

void TovCommand::paintEvent(QPaintEvent *) {
    QPainter p(this);
    // The face is copied pixel for pixel onto the device pixels the control covers, wherever its
    // edges fall; moved to a screen of another ratio, or to another place at a fractional one, it
    // is drawn afresh for them.
    const QTransform versAppareil = p.deviceTransform();
    const qreal ratio = versAppareil.m11() > 0 ? versAppareil.m11() : devicePixelRatioF();
    const QRectF zone = versAppareil.mapRect(QRectF(rect()));
    const QRect appareil(QPoint(qRound(zone.left()), qRound(zone.top())),
                         QPoint(qRound(zone.right()) - 1, qRound(zone.bottom()) - 1));
    if (m_ready && !m_face.isNull() &&
        (m_face.size() != appareil.size() || !qFuzzyCompare(m_face.devicePixelRatio(), ratio))) {
        m_face = renderFace(size(), appareil.size(), ratio);
        m_face.setDevicePixelRatio(ratio);
    }
    QImage pixels = m_face;
    pixels.setDevicePixelRatio(1.0);
    p.setWorldTransform(versAppareil.inverted());
    p.drawImage(appareil.topLeft(), pixels);
}

} // namespace tovxp
