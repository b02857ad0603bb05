// Enumerations and the colour value type shared by every public class of TovXp.
#pragma once

#include "tovxp/tovxp_global.h"

#include <QObject>

namespace tovxp {
Q_NAMESPACE_EXPORT(TOVXP_EXPORT)

/// A colour value: 0x00BBGGRR, or 0x80000000 + n for the system colour number n
/// (resolved through the application palette, see ResolveColor()).
using Color = quint32;

/// Well-known system colour values.
enum SystemColors : Color {
    SysWindow = 0x80000005,
    SysHighlight = 0x8000000D,
    SysButtonFace = 0x8000000F,
    SysButtonText = 0x80000012,
    SysInfoText = 0x80000017,
    SysInfoBackground = 0x80000018,
};

/// The look of a TovCommand: "Windows Xp" = 0, "Office Xp" = 1.
enum TovButtonTypes { WindowsXp = 0, OfficeXp = 1 };
Q_ENUM_NS(TovButtonTypes)

/// Background of the "Office Xp" look when it is neither hovered nor pressed.
enum BackStyleConstants { Transparent = 0, Opaque = 1 };
Q_ENUM_NS(BackStyleConstants)

/// Icon shown before the title of a tooltip.
enum TovToolTip_Icon { TTI_None = 0, TTI_Info = 1, TTI_Warning = 2, TTI_Error = 3 };
Q_ENUM_NS(TovToolTip_Icon)

} // namespace tovxp
