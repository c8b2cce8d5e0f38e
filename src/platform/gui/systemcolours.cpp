#include "platform/gui/systemcolours.h"

#include <QPalette>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quarnix::platform {

QColor inactiveTitleBarColour(const QPalette& palette)
{
#ifdef Q_OS_WIN
    Q_UNUSED(palette);
    const COLORREF colour = GetSysColor(COLOR_INACTIVECAPTION);
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
#else
    return palette.color(QPalette::Inactive, QPalette::Highlight);
#endif
}

} // namespace quarnix::platform
