#pragma once

#include <QStringList>

class QWidget;

namespace quarnix::ui {

// Narrows the font of `window` and of every control on it, one step of width at a
// time, until every caption (label, button and option button texts) fits its box
// in the font it is drawn with; never widens it. Each layout was drawn for a
// particular face: where that face is missing, the one found instead may run wider,
// and then the window's tightest caption, measured in that face, decides how far
// the window's text is narrowed. Call it once the window's texts and fonts are set.
void narrowToFitCaptions(QWidget* window);

// The names of the controls on `window` whose caption does not fit its box, by the
// measure narrowToFitCaptions narrows by.
QStringList unfittedCaptions(QWidget* window);

} // namespace quarnix::ui
