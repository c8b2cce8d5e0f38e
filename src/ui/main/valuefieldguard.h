#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QFocusEvent;
class QLineEdit;
class QWidget;

namespace quarnix::ui {

// Keeps the user in a value field whose entry fails its check. The check runs when
// the user leaves the field by Tab, a click or an access key; when it fails, the
// click that left it is dropped wherever it landed, and an access key presses
// nothing, so that no split, browse or exit happens on a wrong value. Focus that
// leaves with the window (another window, a message box) has not left the value.
class ValueFieldGuard final : public QObject {
public:
    // Shows what is wrong, puts the field's default back and returns false; true
    // when the entry passes.
    using Check = std::function<bool(QLineEdit* field)>;

    // Watches `fields` and every other control of `window`.
    ValueFieldGuard(QWidget* window, const QList<QLineEdit*>& fields, Check check);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fieldLosesFocus(QLineEdit* field, const QFocusEvent& event);
    bool focusedFieldFails();

    QWidget* window_;
    QList<QLineEdit*> fields_;
    Check check_;
    // Set when a check failed on a mouse press that moved the focus away: that press
    // is dropped instead of reaching its control.
    bool dropFocusingPress_ = false;
};

} // namespace quarnix::ui
