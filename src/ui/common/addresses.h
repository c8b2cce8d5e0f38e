#pragma once

#include <QString>

// The program's own names and addresses, in one place so that the main window, the
// help window and the About window cannot drift apart. They sit on reserved
// example domains.
namespace quarnix::ui::addresses {

inline QString authorName()
{
    return QStringLiteral("The Quarnix developers");
}

inline QString website()
{
    return QStringLiteral("https://quarnix.example.org");
}

inline QString email()
{
    return QStringLiteral("quarnix@example.org");
}

// Where the help archive holding the F1 help file can be downloaded.
inline QString helpDownload()
{
    return website() + QStringLiteral("/downloads/Qxhelp.zip");
}

// The F1 help file. A bare name: the help opener looks for it beside the program.
inline QString helpFileName()
{
    return QStringLiteral("Qxhelp.hlp");
}

} // namespace quarnix::ui::addresses
