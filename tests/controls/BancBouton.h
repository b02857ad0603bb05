// The button tests' bench: a host window on the fixed palette and one button on it, put into the
// wanted state.
#pragma once

#include "Palette.h"

#include <tovxp/Module_API.h>
#include <tovxp/TovCommand.h>

#include <QImage>
#include <QTest>
#include <QWidget>

namespace tovxptest {

constexpr int W = 80;
constexpr int H = 25; // 25 / H = 1: every gradient row steps by a whole unit

enum State { Plain, Hover, Focus, Pressed, Disabled, Checked };

// The outline of a Windows Xp button.
inline const QColor kOutline(0, 60, 115);

struct Rig {
    QWidget host;
    tovxp::TovCommand *button;

    explicit Rig(State state, tovxp::TovButtonTypes type = tovxp::WindowsXp,
                 quint32 back = tovxp::SysButtonFace, const QString &caption = QString()) {
        QPalette pal = host.palette();
        pal.setColor(QPalette::Window, kWindow);
        host.setPalette(pal);
        button = new tovxp::TovCommand(QStringLiteral("b"), &host);
        button->setGeometry(0, 0, W, H);
        button->setCaption(caption);
        button->setButtonType(type);
        button->setBackColor(back);
        switch (state) {
        case Hover:
            button->setMouseIsOver(true);
            break;
        case Focus:
            button->setDefault(true); // same edges as the focus, without needing an active window
            break;
        case Pressed:
            button->setValue(true);
            break;
        case Disabled:
            button->setEnabled(false);
            break;
        case Checked:
            button->setCheckBox(true);
            button->setValue(true);
            break;
        case Plain:
            break;
        }
    }
    QImage image() const { return button->renderImage(QSize(W, H)); }
};

// The caption "MWM" in 14-pixel letters without antialiasing, in (1, 2, 3): every pixel of ink is
// exactly that colour.
inline void inkedCaption(tovxp::TovCommand *button) {
    QFont f = button->font();
    f.setPixelSize(14);
    f.setStyleStrategy(QFont::NoAntialias);
    button->setFont(f);
    button->setForeColor(tovxp::RgbColor(1, 2, 3));
    button->setCaption(QStringLiteral("MWM"));
}

// An Office Xp button with the keyboard focus in its shown, active host, the pointer held away
// from it; false when the host or the button never got there.
inline bool officeButtonWithFocus(QWidget &host, tovxp::TovCommand *&b) {
    b = new tovxp::TovCommand(QStringLiteral("b"), &host);
    b->setGeometry(0, 0, W, H);
    b->setCaption(QString());
    b->setButtonType(tovxp::OfficeXp);
    host.show();
    if (!QTest::qWaitForWindowActive(&host)) return false;
    b->setFocus();
    if (!QTest::qWaitFor([b] { return b->HasFocus(); })) return false;
    b->setMouseIsOver(false); // wherever the pointer happens to be
    return true;
}

} // namespace tovxptest
