// The window a TovToolTip shows: a painted rectangle or balloon that follows the pointer over its target.
#include "TipWindow.h"
#include "tovxp/Module_API.h"
#include "tovxp/TovToolTip.h"

#include <QApplication>
#include <QBitmap>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <atomic>

namespace tovxp {

namespace {

std::atomic<quint32> nextTipId{1};

constexpr int kPadding = 6;
constexpr int kTail = 12;      // height of the balloon's tail
constexpr int kTailHalf = 8;   // half its width where it meets the body
constexpr int kTailInset = 18; // where the tail sits on an uncentred balloon
constexpr int kRadius = 8;
constexpr int kIconSize = 16;
constexpr int kPointerDrop = 20; // room left for the pointer above an uncentred rectangle tip

QFont titleFont(const QFont &base) {
    QFont f = base;
    f.setBold(true);
    return f;
}

} // namespace

TipWindow::TipWindow(QWidget *target, Mode mode, bool balloon, bool centered)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_id(nextTipId++),
      m_target(target), m_mode(mode), m_balloon(balloon), m_centered(centered) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QApplication::font("QTipLabel"));
    m_hover.setSingleShot(true);
    m_hover.setInterval(TovToolTip::HoverDelay);
    m_autoPop.setSingleShot(true);
    m_autoPop.setInterval(TovToolTip::AutoPopDelay);
    connect(&m_hover, &QTimer::timeout, this, [this] {
        if (m_target && m_target->isVisible() && m_toolRect.contains(m_lastPos)) popForPointer(m_lastPos);
    });
    connect(&m_autoPop, &QTimer::timeout, this, [this] {
        m_spent = true;
        dismiss();
    });
    if (target) {
        // The rectangle is taken once: a later resize of the target does not move the tool.
        m_toolRect = target->rect();
        if (mode == Tracking) target->setMouseTracking(true);
        target->installEventFilter(this);
        connect(target, &QObject::destroyed, this, &QObject::deleteLater);
    }
}

void TipWindow::setContent(const QString &text, const QString &title, TovToolTip_Icon icon) {
    m_text = text;
    m_title = title;
    m_icon = icon;
    if (isVisible()) layoutFor(m_anchor);
    update();
}

void TipWindow::setColors(Color back, Color fore) {
    m_back = back;
    m_fore = fore;
    update();
}

bool TipWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_target) return false;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove: {
        if (m_mode != Tracking) break;
        const QPoint pos = event->type() == QEvent::Enter
                               ? static_cast<QEnterEvent *>(event)->position().toPoint()
                               : static_cast<QMouseEvent *>(event)->position().toPoint();
        m_lastPos = pos;
        if (!m_toolRect.contains(pos)) {
            m_spent = false;
            dismiss();
        } else if (!isVisible() && !m_spent) {
            m_hover.start();
        }
        break;
    }
    case QEvent::Leave:
        m_spent = false;
        dismiss();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Hide:
        dismiss();
        break;
    case QEvent::KeyPress:
    case QEvent::FocusOut:
        if (m_mode == OneShot) dismiss();
        break;
    default:
        break;
    }
    return false;
}

void TipWindow::dismiss() {
    m_hover.stop();
    m_autoPop.stop();
    hide();
}

void TipWindow::popForPointer(const QPoint &local) {
    if (!m_target) return;
    if (m_centered)
        popAt(m_target->mapToGlobal(
            QPoint(m_toolRect.left() + m_toolRect.width() / 2, m_toolRect.bottom() + 1)));
    else
        popAt(m_target->mapToGlobal(local));
}

void TipWindow::popAt(const QPoint &anchor) {
    if (m_text.isEmpty() && m_title.isEmpty()) return;
    layoutFor(anchor);
    show();
    raise();
    m_autoPop.start();
}

QSize TipWindow::contentSize() const {
    const QFontMetrics fm(font());
    QSize size =
        fm.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::TextExpandTabs, m_text).size();
    if (m_text.isEmpty()) size = QSize(0, 0);
    if (!m_title.isEmpty()) {
        const QFontMetrics tfm(titleFont(font()));
        int titleWidth = tfm.horizontalAdvance(m_title);
        int titleHeight = tfm.height();
        if (m_icon != TTI_None) {
            titleWidth += kIconSize + kPadding;
            titleHeight = std::max(titleHeight, kIconSize);
        }
        size = QSize(std::max(size.width(), titleWidth),
                     size.height() + titleHeight + (m_text.isEmpty() ? 0 : 4));
    }
    return size;
}

QRect TipWindow::bodyRect() const {
    const QSize c = contentSize();
    const int pad = m_balloon ? kPadding + 2 : kPadding / 2 + 1;
    return QRect(0, m_balloon ? kTail : 0, c.width() + 2 * pad, c.height() + 2 * pad);
}

void TipWindow::layoutFor(const QPoint &anchor) {
    m_anchor = anchor;
    const QRect body = bodyRect();
    const int w = body.width(), h = body.bottom() + 1;
    int x;
    int y = anchor.y();
    if (m_centered)
        x = anchor.x() - w / 2;
    else if (m_balloon)
        x = anchor.x() - kTailInset;
    else {
        x = anchor.x();
        y = anchor.y() + kPointerDrop;
    }
    if (const QScreen *screen = QGuiApplication::screenAt(anchor)) {
        const QRect avail = screen->availableGeometry();
        x = std::clamp(x, avail.left(), std::max(avail.left(), avail.right() + 1 - w));
    }
    m_tailX = std::clamp(anchor.x() - x, kRadius + kTailHalf,
                         std::max(kRadius + kTailHalf, w - kRadius - kTailHalf));
    setGeometry(x, y, w, h);
    if (m_balloon) {
        QBitmap shape(w, h);
        shape.fill(Qt::color0);
        QPainter p(&shape);
        p.setBrush(Qt::color1);
        p.setPen(Qt::color1);
        p.drawPath(outline());
        p.end();
        setMask(shape);
    } else {
        clearMask();
    }
}

QPainterPath TipWindow::outline() const {
    QPainterPath path;
    const QRect body = bodyRect();
    if (!m_balloon) {
        path.addRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5));
        return path;
    }
    const QRectF b = QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5);
    path.addRoundedRect(b, kRadius, kRadius);
    QPainterPath tail;
    tail.moveTo(m_tailX - kTailHalf, b.top() + 1);
    tail.lineTo(m_tailX + 0.5, 0.5);
    tail.lineTo(m_tailX + kTailHalf, b.top() + 1);
    tail.closeSubpath();
    return path.united(tail);
}

void TipWindow::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QColor back = ToQColor(m_back), fore = ToQColor(m_fore);
    p.fillRect(rect(), back);
    p.setPen(fore);
    p.setBrush(back);
    p.drawPath(outline());

    const QRect body = bodyRect();
    const int pad = m_balloon ? kPadding + 2 : kPadding / 2 + 1;
    int y = body.top() + pad;
    if (!m_title.isEmpty()) {
        int x = body.left() + pad;
        const QFontMetrics tfm(titleFont(font()));
        int lineHeight = tfm.height();
        if (m_icon != TTI_None) {
            static const QStyle::StandardPixmap kinds[] = {
                QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxInformation,
                QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
            const QIcon icon = style()->standardIcon(kinds[std::clamp(int(m_icon), 0, 3)]);
            lineHeight = std::max(lineHeight, kIconSize);
            p.drawPixmap(x, y + (lineHeight - kIconSize) / 2,
                         icon.pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
            x += kIconSize + kPadding;
        }
        p.setFont(titleFont(font()));
        p.drawText(QRect(x, y, body.right() - x, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);
        y += lineHeight + 4;
    }
    if (!m_text.isEmpty()) {
        p.setFont(font());
        p.drawText(QRect(body.left() + pad, y, body.width() - 2 * pad, body.bottom() - y),
                   Qt::AlignLeft | Qt::TextExpandTabs, m_text);
    }
}

} // namespace tovxp
