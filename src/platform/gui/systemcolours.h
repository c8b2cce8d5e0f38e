#pragma once

#include <QColor>

class QPalette;

namespace quarnix::platform {

// The inactive title bar's colour, which the windows' headings are drawn on: the
// system's own on Windows; elsewhere the palette's inactive highlight, so that white
// heading text stays readable on it.
QColor inactiveTitleBarColour(const QPalette& palette);

} // namespace quarnix::platform
