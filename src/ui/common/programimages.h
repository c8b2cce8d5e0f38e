#pragma once

#include <QCursor>
#include <QIcon>

namespace quarnix::ui {

// Registers the program icon (:/icons/quarnix-16.png, -32, -48) and the windows'
// pictures. The images live in a static library, whose resources the linker would
// otherwise leave out; a window that uses them calls this before it loads one.
// Safe to call any number of times.
void loadProgramImages();

// The program icon in its 16, 32 and 48 pixel images, each with its drawings for
// screens of two and three device pixels to the pixel.
QIcon programIcon();

// The picture at `path` (its 1x name) with its @2x and @3x drawings: painted at any
// device pixel ratio, it takes the drawing it needs instead of blowing up the 1x one.
QIcon picture(const QString& path);

// A pointer from the picture at `path`, in the drawing for the screen's ratio;
// `hotSpot` is in the picture's own pixels.
QCursor picturePointer(const QString& path, QPoint hotSpot);

} // namespace quarnix::ui
