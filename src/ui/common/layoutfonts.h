#pragma once

#include <QFont>

namespace quarnix::ui {

// The faces every window layout was drawn for, or the nearest installed ones.
// Every caption was sized for them, so a substitute is kept as narrow as they are
// or narrowed until the captions fit.

// "MS Sans Serif" 8.25 pt, the windows' own font. Where it is missing: Arial or a
// face with Arial's metrics, narrowed to the widths of the original, which runs a
// little more compact than Arial; else the desktop's sans-serif at its own width,
// which each window narrows until its captions fit (captionfit.h).
QFont windowFont();

// "Arial" at `pointSize` (Liberation Sans through fontconfig on Linux), for the
// address line and the headings.
QFont arialFont(qreal pointSize);

} // namespace quarnix::ui
