#pragma once

#include <QFont>

namespace quarnix::ui {

// The two faces the window layouts were drawn for, or the nearest installed ones.
// Every caption was sized for them, so a substitute must keep their widths.

// "MS Sans Serif" 8.25 pt, the windows' own font. Where it is missing, the
// Arial-metric face (Arial itself, or Liberation Sans through fontconfig) narrowed
// to the width of the original, which is a little more compact than Arial.
QFont dialogFont();

// "Arial" 8.25 pt, for headings; fontconfig maps it to Liberation Sans on Linux.
QFont arialFont();

} // namespace quarnix::ui
