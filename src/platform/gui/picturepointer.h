#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPoint>

namespace quarnix::platform {

// A mouse pointer showing `picture`, whose device pixel ratio says how many device
// pixels it has to each of its own; `hotSpot` is in its own pixels. Windows scales
// a pointer's picture and hot spot to the screen by that ratio itself. The X11
// window system takes the picture's device pixels as they are, and Qt hands the hot
// spot over unscaled, so there it is given in device pixels.
QCursor picturePointer(const QPixmap& picture, QPoint hotSpot);

} // namespace quarnix::platform
