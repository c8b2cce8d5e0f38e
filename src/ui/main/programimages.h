#pragma once

namespace quarnix::ui {

// Registers the program icon (:/icons/quarnix-16.png, -32, -48) and the main
// window's pictures (:/main/...). The images live in a static library, whose
// resources the linker would otherwise leave out; a window that uses them calls
// this before it loads one. Safe to call any number of times.
void loadProgramImages();

} // namespace quarnix::ui
