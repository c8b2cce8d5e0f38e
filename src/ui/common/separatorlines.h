#pragma once

namespace quarnix::ui {

// The windows' frame lines are decoration, yet assistive technology would read
// each one as an unnamed frame. Once this has run, every horizontal or vertical
// line frame of the program is offered to it as a separator instead. Safe to call
// any number of times.
void readLinesAsSeparators();

} // namespace quarnix::ui
