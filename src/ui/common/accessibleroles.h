#pragma once

class QFrame;

namespace quarnix::ui {

// A horizontal or vertical line, as the layouts draw their frame lines.
bool isFrameLine(const QFrame* frame);

// What assistive technology takes the windows' plain widgets for, once this has
// run: a window that is not a dialog reads as a window (not as an unnamed filler),
// a frame line as a separator (not as an unnamed frame), and a frame without lines
// that holds controls, such as the main window's row of split modes, as a grouping
// (not as a frame, which screen readers take for a window of its own). Safe to
// call any number of times.
void readPlainWidgetsByTheirRoles();

} // namespace quarnix::ui
