// The game's fixed light palette.
#include "apparence/PaletteClaire.h"

#include <QApplication>

namespace lumio {

namespace {

struct Role {
    QPalette::ColorRole role;
    QRgb actif, grise; // grise: the disabled group's colour
};

// The values of the light palette that Qt's own style shows on a light desktop; the inactive
// group is the active one.
const Role Roles[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},         {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},          {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},          {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},     {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},          {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7}, {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},   {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

} // namespace

QPalette PaletteClaire() {
    QPalette p;
    for (const Role &r : Roles) {
        const QColor actif = QColor::fromRgba(r.actif), grise = QColor::fromRgba(r.grise);
        p.setColor(QPalette::Active, r.role, actif);
        p.setColor(QPalette::Inactive, r.role, actif);
        p.setColor(QPalette::Disabled, r.role, grise);
    }
    return p;
}

void InstallerPaletteClaire() {
    QApplication::setPalette(PaletteClaire());
}

} // namespace lumio
