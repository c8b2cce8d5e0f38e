#pragma once

#include <QString>

// The split job's words to the user, in one place.
namespace quarnix::engine::texts {

inline const QString sourceMissingTitle = QStringLiteral("Source file missing");
inline const QString sourceMissing
    = QStringLiteral("Please specify a source file name before proceeding to this step.");
inline const QString destinationMissingTitle = QStringLiteral("Destination folder missing");
inline const QString destinationMissing
    = QStringLiteral("Please specify a destination folder before proceeding to this step.");

inline const QString inProgress = QStringLiteral("Wait... split operation is in progress...");
inline const QString processing = QStringLiteral("Wait... split operation is in progress...Processing ");
inline const QString completing = QStringLiteral("Wait... split operation completed...Processing ");
inline const QString completed = QStringLiteral("The split operation has been completed.");
inline const QString failedStatus = QStringLiteral("Some error occured, during operation.");

inline const QString errorTitle = QStringLiteral("Error");
inline const QString failed
    = QStringLiteral("Some error occured while doing the so job. Make sure that you have enough disk space.");
inline const QString doneTitle = QStringLiteral("Done");

QString tooSmall(const QString& fileName, const QString& megabytes);
QString done(const QString& chunkPrefix, const QString& fileName);
QString unsafeName(const QString& fileName);

// The error report's detail: what failed, for the user to tell a full disk from a
// missing folder. Paths are written as the path fields show them.
QString cannotRead(const QString& path, const QString& reason);
QString cannotCreate(const QString& path, const QString& reason);
QString cannotWrite(const QString& path, const QString& reason);
QString notAFile(const QString& path);
QString sourceChanged(const QString& path);
QString notANumber(const QString& text);
QString unusableValue(const QString& text);
QString nameTooShort(const QString& fileName);
QString tooManyChunks(int maximum);
QString nameTooLong(const QString& fileName, const QString& folder);
QString driveNotReady(const QString& destination);
QString noLongerOnFloppy(const QString& destination);
QString overwritesSource(const QString& path, const QString& source);
inline const QString outOfMemory = QStringLiteral("There is not enough memory for the split.");

inline const QString floppyQuestionTitle = QStringLiteral("Suggestion");
inline const QString floppyQuestion
    = QStringLiteral("You have chosen to split the source file directly to the floppy. Although this operation can be "
                     "performed efficiently and smoothly, yet due to the low speed of the floppy-drive the application "
                     "might seem 'Not-Responding' during the split operation. Would you like to continue?");
inline const QString lackOfSpaceTitle = QStringLiteral("Lack of space");
inline const QString lackOfSpace
    = QStringLiteral("The selected drive doesn't have enough space, to hold the split. Either reduce the split size or "
                     "try selecting another location.");
inline const QString nextFloppyTitle = QStringLiteral("Enter next floppy");
inline const QString nextFloppy = QStringLiteral(
    "The current disk in the drive is full. Enter another floppy in the drive and press Ok when ready.");
inline const QString lastFloppyTitle = QStringLiteral("Enter last floppy");
inline const QString lastFloppy
    = QStringLiteral("The current disk in the drive is full. Enter last floppy in the drive and press Ok when ready.");
// The disk prompts' detail where disks are changed by mounting them.
QString changeDisk(const QString& mountFolder);

} // namespace quarnix::engine::texts
