#include "fakeservices.h"

namespace quarnix::testing {

platform::MessageAnswer FakeMessageBoxes::show(QWidget*, const QString& title, const QString& text,
    platform::MessageIcon icon, platform::MessageButtons buttons, const QString& details)
{
    const ShownMessage message {title, text, icon, buttons, details};
    shown.append(message);
    if (onShow)
        onShow(message);
    if (buttons == platform::MessageButtons::Ok)
        return platform::MessageAnswer::Ok;
    return answers.isEmpty() ? platform::MessageAnswer::Yes : answers.takeFirst();
}

QString FakeFileChooser::chooseFile(QWidget*, const QString& title)
{
    titles.append(title);
    return choices.isEmpty() ? QString() : choices.takeFirst();
}

} // namespace quarnix::testing
