#pragma once

#include <QString>

namespace quarnix::ui {

// The main window's path fields, as the folder picker sees them: it reads the
// source on OK and returns its answer only by writing the destination.
class MainFields {
public:
    virtual ~MainFields() = default;
    virtual QString sourceText() const = 0;
    // Runs the destination field's own change handling before it returns.
    virtual void setDestinationText(const QString& text) = 0;
};

} // namespace quarnix::ui
