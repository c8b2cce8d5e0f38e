#include "fakeservices.h"

#include <QDir>

namespace quarnix::testing {

platform::MessageAnswer FakeMessageBoxes::show(QWidget*, const QString& title, const QString& text,
                                               platform::MessageIcon icon,
                                               platform::MessageButtons buttons, const QString& details)
{
    const ShownMessage message{title, text, icon, buttons, details};
    shown.append(message);
    if (onShow)
        onShow(message);
    if (buttons == platform::MessageButtons::Ok)
        return platform::MessageAnswer::Ok;
    return answers.isEmpty() ? platform::MessageAnswer::Yes : answers.takeFirst();
}

bool FakeVolumes::isFloppyDestination(const QString& destination) const
{
    for (const QString& floppy : floppies) {
        if (destination == floppy || destination.startsWith(floppy + platform::separator(style)))
            return true;
    }
    return false;
}

bool FakeVolumes::isFirstFloppyRoot(const QString& destination) const
{
    return !firstFloppyRoot.isEmpty() && destination == firstFloppyRoot;
}

std::optional<qint64> FakeVolumes::freeSpace(const QString& destination) const
{
    queries.append(destination);
    if (!freeSpaceScript.isEmpty() || scriptStarted_) {
        // A drive that is asked more often than its script says is no longer ready:
        // a job that keeps asking ends instead of prompting for ever.
        scriptStarted_ = true;
        return freeSpaceScript.isEmpty() ? std::nullopt : freeSpaceScript.takeFirst();
    }
    const auto found = freeSpaceOf.constFind(destination);
    if (found != freeSpaceOf.constEnd())
        return *found;
    return std::nullopt;
}

QString FakeFileChooser::chooseFile(QWidget*, const QString& title)
{
    titles.append(title);
    return choices.isEmpty() ? QString() : choices.takeFirst();
}

} // namespace quarnix::testing
