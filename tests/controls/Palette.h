// A fixed application palette, so that system colours give the same RGB values on every machine.
#pragma once

#include <QApplication>
#include <QPalette>

namespace tovxptest {

inline const QColor kFace(200, 180, 160);     // system colour 15
inline const QColor kButtonText(10, 20, 30);  // system colour 18
inline const QColor kHighlight(49, 106, 197); // system colour 13
inline const QColor kWindow(90, 100, 110);    // behind the controls
inline const QColor kTipBack(255, 255, 225);  // system colour 24
inline const QColor kTipText(5, 6, 7);        // system colour 23

inline void useFixedPalette() {
    QPalette pal = QApplication::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Button, kFace);
        pal.setColor(group, QPalette::ButtonText, kButtonText);
        pal.setColor(group, QPalette::Highlight, kHighlight);
        pal.setColor(group, QPalette::Window, kWindow);
        pal.setColor(group, QPalette::ToolTipBase, kTipBack);
        pal.setColor(group, QPalette::ToolTipText, kTipText);
    }
    QApplication::setPalette(pal);
}

} // namespace tovxptest
