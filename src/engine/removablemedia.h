#pragma once

#include <QString>
#include <QtGlobal>

namespace quarnix::platform {
class Volumes;
}

namespace quarnix::engine {

class SplitWindow;

// Writing straight to floppy disks, disk by disk: the warning, the room checks and
// the prompts to change disks. Every check asks the drive afresh; a drive that
// cannot tell its free space (no disk, not ready) throws JobFailure.
//
// A split that starts on a floppy stays a floppy split. On Linux a disk is changed by
// unmounting it, swapping it and mounting the next one: a destination asked about in
// between lies on the volume below the mount folder, or nowhere, and is then not
// ready rather than an ordinary folder to write the rest of the job into.
class RemovableMedia {
public:
    RemovableMedia(SplitWindow& window, const platform::Volumes& volumes);

    // The destination is a floppy now.
    bool isFloppyDestination() const;

    // Asks whether to go on with the slow drive. Yes makes the job a floppy split;
    // on No the folder picker opens.
    [[nodiscard]] bool floppyConfirmed();

    // Decides once, with the fields trimmed, whether the job writes disk by disk: it
    // does when the user agreed to the warning or the destination is a floppy now.
    bool becomesFloppySplit();
    bool isFloppySplit() const { return floppy_; }

    // During a floppy split: throws JobFailure (not ready) when the destination is no
    // longer on a floppy disk. Nothing to do for any other split.
    void checkDiskInDrive() const;

    // Before the first chunk: the disk must have more than `chunkSize` bytes free.
    // Otherwise tells the user, opens the folder picker and returns false.
    [[nodiscard]] bool roomForFirstChunk(qint64 chunkSize);

    // Waits, prompting, until the disk in the drive has more than `threshold` bytes free.
    void waitForNextDisk(qint64 threshold);
    void waitForLastDisk(qint64 threshold);

private:
    // Of the disk in the drive, once it is known to be there.
    qint64 freeSpace() const;
    void waitForDisk(qint64 threshold, const QString& title, const QString& text);

    SplitWindow& window_;
    const platform::Volumes& volumes_;
    bool floppy_ = false;
};

} // namespace quarnix::engine
