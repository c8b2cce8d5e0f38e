#pragma once

// src/ui/common: what more than one of the four windows uses (their look and
// placing, fonts and caption fitting, pictures, the link label, the program's
// addresses, the main window's fields as the picker sees them). It may include
// src/platform and Qt's widgets, never a window's own folder.

#include <QCursor>
#include <QIcon>

class QLabel;
class QWidget;

// The look and the window behaviour all four windows share: icon, fonts, frame
// lines, headings, links, their fixed, unresizable frame, and where they appear.
namespace quarnix::ui::look {

// The window type of the help window, the About window and the folder picker. A
// dialog, because only a dialog tells the window system which window it belongs
// to (WM_TRANSIENT_FOR on X11), and that keeps it in front of the main window and
// minimises it with it; a plain window carries no owner there. Not a tool window
// either: Qt lets the main window's access keys answer inside an owned tool
// window, so Alt+S in the folder picker would start a split.
inline constexpr Qt::WindowType secondaryWindowType = Qt::Dialog;

// The pointing hand shown over links, its hot spot at the fingertip.
QCursor linkPointer();

// Fixed at the size its form gives it, no minimize or maximize button, the button
// face background, the program icon, the layout's default font; to assistive
// technology a window (or a dialog), its plain frames read by their roles.
void prepareWindow(QWidget* window);

// The one rule for every window that is centred: once, when it is first shown,
// the whole window goes to the middle of the free area of the screen it appears on
// (its owner's screen, for an owned window), frame included as far as the window
// system has made it known by then. Afterwards it stays where the user puts it.
void centreOnFirstShow(QWidget* window);

// Frame lines are decoration: drawn above the labels they surround, the pointer
// passes through them to the window's surface, and assistive technology reads
// them as separators.
void prepareFrameLines(QWidget* window);

// Centred Arial bold underlined, window colour on the inactive highlight colour.
void styleHeading(QLabel* label);

// Pure blue, underlined.
void styleLink(QLabel* label);

// A disabled label that tells the user something (the status line, a hint) keeps
// its greyed look, in the grey nearest the background that still stands at 4.5 : 1
// against it, the least contrast text should have to be read with ease. Worked out
// from the colours of the scheme in use, and again whenever the scheme changes.
void keepReadableWhenDisabled(QLabel* label);

// Shows a window that may already be open, and brings it to the front.
void bringToFront(QWidget* window);

} // namespace quarnix::ui::look
