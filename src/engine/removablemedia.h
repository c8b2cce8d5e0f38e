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
class RemovableMedia {
public:
    RemovableMedia(SplitWindow& window, const platform::Volumes& volumes);

    bool isFloppyDestination() const;

    // Asks whether to go on with the slow drive. On No the folder picker opens.
    [[nodiscard]] bool confirmFloppy();

    // Before the first chunk: the disk must have more than `chunkSize` bytes free.
    // Otherwise tells the user, opens the folder picker and returns false.
    [[nodiscard]] bool checkInitialSpace(qint64 chunkSize);

    // Waits, prompting, until the disk in the drive has more than `threshold` bytes free.
    void waitForNextDisk(qint64 threshold);
    void waitForLastDisk(qint64 threshold);

private:
    qint64 freeSpace() const;
    void waitForDisk(qint64 threshold, const QString& title, const QString& text);

    SplitWindow& window_;
    const platform::Volumes& volumes_;
};

} // namespace quarnix::engine
