#pragma once

#include "platform/pathrules.h"
#include "ui/mainfields.h"

#include <QStringList>
#include <optional>

class QWidget;

namespace quarnix::testing {

// The main window's path fields as the folder picker sees them. Every write is
// kept, and the destination field's own rule runs on it as in the real window.
class FakeFields final : public ui::MainFields {
public:
    QString sourceText() const override { return source; }
    void setDestinationText(const QString& text) override
    {
        written.append(text);
        destination = platform::applyDestinationRule(text, platform::nativePathStyle());
    }

    QString source;
    QString destination;
    QStringList written;
};

// Every label and button of `window` whose caption does not fit its box in the
// font it is drawn with, as "name: why" lines; empty when all fit.
QStringList clippedCaptions(const QWidget* window);

// Lets windows closed with WA_DeleteOnClose go.
void deleteClosedWindows();

} // namespace quarnix::testing
