// TovToolTip: one tooltip attached to one widget, and the edit-box balloon it can ask for.
#include "tovxp/TovToolTip.h"
#include "TipWindow.h"

#include <QLineEdit>

namespace tovxp {

TovToolTip::TovToolTip(QObject *parent) : QObject(parent) {}

// The windows outlive this object on purpose: they belong to their targets.
TovToolTip::~TovToolTip() = default;

void TovToolTip::Remove() {
    delete m_window.data();
    m_window = nullptr;
}

quint32 TovToolTip::hwnd() const {
    return m_window ? m_window->id() : 0;
}

QWidget *TovToolTip::window() const {
    return m_window.data();
}

void TovToolTip::pushStyle() {
    if (!m_window) return;
    m_window->setContent(m_text, m_title, m_icon);
    m_window->setColors(m_backColor, m_foreColor);
}

void TovToolTip::setToolTipText(const QString &text) {
    m_text = text;
    pushStyle();
}

void TovToolTip::setIcon(TovToolTip_Icon icon) {
    m_icon = icon;
    pushStyle();
}

void TovToolTip::setTitle(const QString &title) {
    m_title = title;
    pushStyle();
}

void TovToolTip::setForeColor(Color color) {
    m_foreColor = color;
    pushStyle();
}

void TovToolTip::setBackColor(Color color) {
    m_backColor = color;
    pushStyle();
}

void TovToolTip::Attach(QWidget *target, const QString &toolTipText, const QString &title,
                        TovToolTip_Icon icon, bool balloon, bool centered) {
    m_target = target;
    m_window = new TipWindow(target, TipWindow::Tracking, balloon, centered);
    m_text = toolTipText;
    m_icon = icon;
    m_title = title;
    pushStyle();
}

void TovToolTip::Show() {
    auto *edit = qobject_cast<QLineEdit *>(m_target.data());
    if (!edit) return;
    if (!m_editBalloon) m_editBalloon = new TipWindow(edit, TipWindow::OneShot, true, false);
    // The edit box's own balloon keeps the system tooltip colours.
    m_editBalloon->setContent(m_text, m_title, m_icon);
    const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    m_editBalloon->popAt(edit->mapToGlobal(QPoint(caret.center().x(), caret.bottom() + 1)));
}

} // namespace tovxp
