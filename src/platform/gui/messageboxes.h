#pragma once

#include "platform/messagetypes.h"

#include <QString>

class QWidget;

namespace quarnix::platform {

// Modal message boxes. Tests replace this with a script of answers.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget* parent, const QString& title, const QString& text,
                               MessageIcon icon, MessageButtons buttons) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const QString& title, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
};

} // namespace quarnix::platform
