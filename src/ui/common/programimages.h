#pragma once

#include <QIcon>

namespace quarnix::ui {

// Registers the program icon (:/icons/quarnix-16.png, -32, -48) and the windows'
// pictures. The images live in a static library, whose resources the linker would
// otherwise leave out; a window that uses them calls this before it loads one.
// Safe to call any number of times.
void loadProgramImages();

// The program icon in its 16, 32 and 48 pixel images.
QIcon programIcon();

} // namespace quarnix::ui
