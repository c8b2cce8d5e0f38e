#pragma once

class QFrame;

namespace quarnix::ui {

// A horizontal or vertical line, as the layouts draw their frame lines.
bool isFrameLine(const QFrame* frame);

// The windows' frame lines are decoration, yet assistive technology would read
// each one as an unnamed frame. Once this has run, every horizontal or vertical
// line frame of the program is offered to it as a separator instead. Safe to call
// any number of times.
void readLinesAsSeparators();

} // namespace quarnix::ui
