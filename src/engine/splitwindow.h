#pragma once

#include "platform/messagetypes.h"

#include <QString>

namespace quarnix::engine {

// What the split job needs of the main window. The window implements it; tests
// and the benchmark implement it headless.
class SplitWindow {
public:
    virtual ~SplitWindow() = default;

    virtual QString sourceText() const = 0;
    virtual void setSourceText(const QString& text) = 0;
    virtual QString destinationText() const = 0;
    // Runs the destination field's own change handling before it returns.
    virtual void setDestinationText(const QString& text) = 0;
    virtual QString numberText() const = 0;
    virtual QString sizeText() const = 0;
    virtual bool isSizeSelected() const = 0;

    virtual void setStatus(const QString& text) = 0;
    virtual void repaintStatus() = 0;
    virtual void repaintWindow() = 0;
    virtual void setBusyPointer(bool busy) = 0;

    virtual void focusBrowseSource() = 0;
    virtual void focusBrowseDestination() = 0;

    // `details`, when given, is shown apart from the text, for whoever wants to know
    // more (the error report's cause).
    virtual platform::MessageAnswer showMessage(const QString& title, const QString& text, platform::MessageIcon icon,
        platform::MessageButtons buttons, const QString& details = QString())
        = 0;

    // Opens the folder picker without an owner and without waiting for it.
    virtual void openFolderPicker() = 0;
};

} // namespace quarnix::engine
