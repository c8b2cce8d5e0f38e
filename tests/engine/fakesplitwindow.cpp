#include "fakesplitwindow.h"

namespace quarnix::testing {

void FakeSplitWindow::setSourceText(const QString& text)
{
    source = text;
    events.append(QStringLiteral("source=") + text);
}

void FakeSplitWindow::setDestinationText(const QString& text)
{
    // Like the real field, the text is brought into its kept form at once.
    destination = platform::applyDestinationRule(text, style);
    events.append(QStringLiteral("destination=") + destination);
}

void FakeSplitWindow::setStatus(const QString& text)
{
    status = text;
    events.append(QStringLiteral("status=") + text);
    if (onStatus)
        onStatus(text);
}

void FakeSplitWindow::setBusyPointer(bool on)
{
    busy = on;
    events.append(on ? QStringLiteral("pointer busy") : QStringLiteral("pointer default"));
}

platform::MessageAnswer FakeSplitWindow::showMessage(const QString& title, const QString& text,
                                                     platform::MessageIcon icon,
                                                     platform::MessageButtons buttons)
{
    events.append(QStringLiteral("box [") + title + u']');
    return messages.show(nullptr, title, text, icon, buttons);
}

QStringList FakeSplitWindow::boxes() const
{
    QStringList shown;
    for (const QString& event : events) {
        if (event.startsWith(QLatin1String("box ")))
            shown.append(event.mid(4));
    }
    return shown;
}

} // namespace quarnix::testing
