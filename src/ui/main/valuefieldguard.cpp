#include "ui/main/valuefieldguard.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace quarnix::ui {

ValueFieldGuard::ValueFieldGuard(QWidget* window, const QList<QLineEdit*>& fields, Check check)
    : QObject(window)
    , window_(window)
    , fields_(fields)
    , check_(std::move(check))
{
    // Every control, so that the press which took the focus from a wrong value can
    // be dropped wherever it landed.
    for (QWidget* control : window->findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool ValueFieldGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (dropFocusingPress_) {
            dropFocusingPress_ = false;
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (auto* field = qobject_cast<QLineEdit*>(watched); field && fields_.contains(field)) {
            // The field's own handling first: it clears the selection that a
            // failed check puts back.
            watched->event(event);
            fieldLosesFocus(field, *static_cast<QFocusEvent*>(event));
            return true;
        }
        break;
    case QEvent::Shortcut:
        // An access key clicks its button right after taking the focus; a wrong
        // value has to be caught before that, or the click would still happen.
        return focusedFieldFails();
    default:
        break;
    }
    return false;
}

void ValueFieldGuard::fieldLosesFocus(QLineEdit* field, const QFocusEvent& event)
{
    switch (event.reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        break;
    default:
        return;
    }
    if (!field->isEnabled() || !window_->isVisible() || check_(field))
        return;
    if (event.reason() != Qt::MouseFocusReason)
        return;
    // The press that moved the focus is still on its way to its control. Should it
    // land elsewhere, the next turn of the event loop forgets it, so that no later
    // click is lost.
    dropFocusingPress_ = true;
    QTimer::singleShot(0, this, [this] { dropFocusingPress_ = false; });
}

bool ValueFieldGuard::focusedFieldFails()
{
    auto* focused = qobject_cast<QLineEdit*>(window_->focusWidget());
    return focused && fields_.contains(focused) && !check_(focused);
}

} // namespace quarnix::ui
