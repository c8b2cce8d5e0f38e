#pragma once

#include "platform/messagetypes.h"

#include <QString>

class QWidget;

namespace quarnix::platform {

// Modal message boxes. Tests replace this with a script of answers.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // `details`, when given, is kept apart from the text behind the box's details
    // button.
    virtual MessageAnswer show(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
        MessageButtons buttons, const QString& details = QString())
        = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
        MessageButtons buttons, const QString& details) override;
};

} // namespace quarnix::platform
