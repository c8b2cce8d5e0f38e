#pragma once

#include <QFont>

namespace quarnix::ui {

// The faces every window layout was drawn for, or the nearest installed ones.
// Every caption was sized for them, so a substitute keeps their widths.

// "MS Sans Serif" 8.25 pt, the windows' own font. Where it is missing: Arial, a
// face with Arial's metrics, or the desktop's sans-serif, narrowed to the widths
// of the original, which runs a little more compact than Arial.
QFont windowFont();

// "Arial" at `pointSize` (Liberation Sans through fontconfig on Linux), for the
// address line and the headings.
QFont arialFont(qreal pointSize);

} // namespace quarnix::ui
