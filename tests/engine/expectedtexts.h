#pragma once

// What the user must see, written out here on its own so that a changed word in
// the program fails the tests. Event lines follow FakeSplitWindow.

#include "fakeservices.h"

#include <QString>
#include <QStringList>

namespace quarnix::testing::expected {

inline const QString inProgress = QStringLiteral("Wait... split operation is in progress...");
inline const QString failedText =
    QStringLiteral("Some error occured while doing the so job. Make sure that you have enough disk space.");

inline QString tooSmallText(const QString& name, const QString& megabytes)
{
    return QStringLiteral("The file size of ") + name + QStringLiteral(" is less than ") + megabytes
        + QStringLiteral(" MegaBytes. Hence cannot be splitted.\r\nThis is because, you can store the orginal "
                         "file on to the floppy without splitting it up.");
}

inline QString doneText(const QString& prefix, const QString& name)
{
    return QStringLiteral("Job was done successfully. Run ") + prefix + QStringLiteral(".bat file to re-assemble ")
        + name + u'.';
}

inline QString unsafeNameText(const QString& name)
{
    return QStringLiteral("The file name ") + name
        + QStringLiteral(" cannot be written into the re-assembly batch file. Rename the file and try again.");
}

inline const QString floppyQuestion = QStringLiteral(
    "You have chosen to split the source file directly to the floppy. Although this operation can be performed "
    "efficiently and smoothly, yet due to the low speed of the floppy-drive the application might seem "
    "'Not-Responding' during the split operation. Would you like to continue?");
inline const QString lackOfSpace = QStringLiteral(
    "The selected drive doesn't have enough space, to hold the split. Either reduce the split size or try "
    "selecting another location.");
inline const QString nextFloppy = QStringLiteral(
    "The current disk in the drive is full. Enter another floppy in the drive and press Ok when ready.");
inline const QString lastFloppy = QStringLiteral(
    "The current disk in the drive is full. Enter last floppy in the drive and press Ok when ready.");

// One message box in one line, so a QCOMPARE shows every difference at once.
inline QString describe(const QString& title, const QString& text, platform::MessageIcon icon,
                        platform::MessageButtons buttons)
{
    static const char* const icons[] = {"error", "warning", "information", "question"};
    return QStringLiteral("[%1] %2 {%3, %4}")
        .arg(title, text, QLatin1String(icons[int(icon)]),
             buttons == platform::MessageButtons::Ok ? QLatin1String("OK") : QLatin1String("Yes/No"));
}

inline QString describe(const ShownMessage& box)
{
    return describe(box.title, box.text, box.icon, box.buttons);
}

// The fields written back, trimmed.
inline QStringList entry(const QString& source, const QString& destination)
{
    return {QStringLiteral("source=") + source, QStringLiteral("destination=") + destination};
}

// Status line, whole-window repaint, hourglass.
inline QStringList start()
{
    return {QStringLiteral("status=") + inProgress, QStringLiteral("repaint window"), QStringLiteral("pointer busy")};
}

inline QStringList processing(const QStringList& chunkNames)
{
    QStringList events;
    for (const QString& name : chunkNames)
        events << QStringLiteral("status=Wait... split operation is in progress...Processing ") + name
               << QStringLiteral("repaint status");
    return events;
}

inline QStringList finish(const QString& prefix)
{
    return {QStringLiteral("status=Wait... split operation completed...Processing ") + prefix
                + QStringLiteral(".bat"),
            QStringLiteral("repaint status"),
            QStringLiteral("status=The split operation has been completed."),
            QStringLiteral("pointer default"),
            QStringLiteral("box [Done]"),
            QStringLiteral("status=")};
}

// The one error report.
inline QStringList failure()
{
    return {QStringLiteral("status=Some error occured, during operation."), QStringLiteral("pointer default"),
            QStringLiteral("box [Error]"), QStringLiteral("status=")};
}

// A box that ends the job after the hourglass went up: pointer back, status cleared.
inline QStringList stop(const QString& title)
{
    return {QStringLiteral("box [") + title + u']', QStringLiteral("pointer default"), QStringLiteral("status=")};
}

} // namespace quarnix::testing::expected
