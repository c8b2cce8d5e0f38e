#pragma once

#include <QLabel>

namespace quarnix::ui {

// The main window's status line: a label drawn greyed, in which a running split
// tells how it goes. Assistive technology reads it as a status bar named by the
// text it shows now, so a screen reader speaks that text, and each new text reaches
// it as a change of that name (the label sends it for each new text while it has
// no accessible name of its own): on AT-SPI, through this Qt, there is no live
// region to mark a status area with, and a status bar whose name changes is the
// nearest a screen reader is told of. It is greyed for its look only, so it is not
// reported as disabled.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);
};

} // namespace quarnix::ui
