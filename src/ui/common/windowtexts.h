#pragma once

#include <QString>

// The windows' words to the user, in one place (the split job keeps its own in
// engine/jobtexts.h; the program's names and addresses are in addresses.h).
namespace quarnix::ui::texts {

// The main window.
inline const QString notice = QStringLiteral("Quarnix is free to use and to share. It comes with no warranty.");
inline const QString chooseSourceTitle = QStringLiteral("Select file to split...");
inline const QString sourceFirst
    = QStringLiteral("First select a source file to split and then the destination folder.");
inline const QString unexpectedValueTitle = QStringLiteral("Unexpected value");
inline const QString countNotANumber = QStringLiteral("Invalid number. Specify number of chunks in integer only.");
inline const QString countBelowMinimum = QStringLiteral("The minimum number of splits for a file need to be 2.");
inline const QString sizeNotANumber = QStringLiteral("Invalid number. Specify file size in either integer or float.");
inline const QString sizeBelowMinimum = QStringLiteral(
    "The minimum split size for a file need to be 1.25 MB. Go through readme.txt in the installation for details.");

// F1 without a help file.
inline const QString helpTitle = QStringLiteral("Help");
inline QString helpFileNotOpened(const QString& fileName)
{
    return QStringLiteral("The help file %1 could not be opened. The help window tells where to download it.")
        .arg(fileName);
}

// The folder picker's OK and drive list.
inline const QString freeSpaceUnknownTitle = QStringLiteral("Free space unknown");
inline const QString freeSpaceUnknown
    = QStringLiteral("The free space of the selected drive could not be found out. Try selecting another location.");
inline const QString sourceUnreadableTitle = QStringLiteral("Source file unreadable");
inline const QString sourceUnreadable = QStringLiteral("The source file cannot be read, so the space it needs is "
                                                       "unknown. Select the source file again and then the "
                                                       "destination folder.");
inline const QString lackOfSpaceTitle = QStringLiteral("Lack of space");
inline const QString lackOfSpace = QStringLiteral(
    "The selected drive doesn't have enough space, to hold the entire split. Try selecting another location.");
inline const QString deviceNotReadyTitle = QStringLiteral("Device not ready");
inline const QString deviceNotReady
    = QStringLiteral("There is no media in the drive. Please insert the media and try again.");

} // namespace quarnix::ui::texts
