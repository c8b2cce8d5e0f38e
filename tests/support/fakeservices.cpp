#include "fakeservices.h"

namespace quarnix::testing {

using platform::MessageAnswer;

MessageAnswer FakeMessageBoxes::show(QWidget*, const QString& title, const QString& text, platform::MessageIcon icon,
    platform::MessageButtons buttons, const QString&)
{
    const char* const icons[] = {"error", "warning", "information", "question"}; // as MessageIcon
    const bool yesNo = buttons == platform::MessageButtons::YesNo;
    shown << title + u'|' + text + u'|' + QLatin1String(icons[int(icon)]) + (yesNo ? "|Yes No" : "|OK");
    onShow();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? MessageAnswer::Yes : answers.takeFirst();
}

} // namespace quarnix::testing
