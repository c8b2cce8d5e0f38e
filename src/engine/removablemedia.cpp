#include "engine/removablemedia.h"

#include "engine/jobfailure.h"
#include "engine/jobtexts.h"
#include "engine/splitwindow.h"
#include "platform/volumes.h"

namespace quarnix::engine {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

RemovableMedia::RemovableMedia(SplitWindow& window, const platform::Volumes& volumes)
    : window_(window)
    , volumes_(volumes)
{
}

bool RemovableMedia::isFloppyDestination() const
{
    return volumes_.isFloppyDestination(window_.destinationText());
}

bool RemovableMedia::floppyConfirmed()
{
    const auto answer = window_.showMessage(
        texts::floppyQuestionTitle, texts::floppyQuestion, MessageIcon::Question, MessageButtons::YesNo);
    floppy_ = answer == MessageAnswer::Yes;
    if (floppy_)
        return true;
    window_.openFolderPicker();
    return false;
}

bool RemovableMedia::becomesFloppySplit()
{
    floppy_ = floppy_ || isFloppyDestination();
    return floppy_;
}

void RemovableMedia::checkDiskInDrive() const
{
    if (floppy_ && !isFloppyDestination())
        throw JobFailure {texts::noLongerOnFloppy(window_.destinationText())};
}

bool RemovableMedia::roomForFirstChunk(qint64 chunkSize)
{
    if (freeSpace() > chunkSize)
        return true;
    window_.showMessage(texts::lackOfSpaceTitle, texts::lackOfSpace, MessageIcon::Warning, MessageButtons::Ok);
    window_.setBusyPointer(false);
    window_.openFolderPicker();
    window_.setStatus(QString());
    return false;
}

void RemovableMedia::waitForNextDisk(qint64 threshold)
{
    waitForDisk(threshold, texts::nextFloppyTitle, texts::nextFloppy);
}

void RemovableMedia::waitForLastDisk(qint64 threshold)
{
    waitForDisk(threshold, texts::lastFloppyTitle, texts::lastFloppy);
}

qint64 RemovableMedia::freeSpace() const
{
    checkDiskInDrive();
    const auto free = volumes_.freeSpace(window_.destinationText());
    if (!free)
        throw JobFailure {texts::driveNotReady(window_.destinationText())};
    return *free;
}

void RemovableMedia::waitForDisk(qint64 threshold, const QString& title, const QString& text)
{
    while (freeSpace() <= threshold) {
        const QString mountFolder = volumes_.remountFolder(window_.destinationText());
        window_.setBusyPointer(false);
        window_.showMessage(title, text, MessageIcon::Information, MessageButtons::Ok,
            mountFolder.isEmpty() ? QString() : texts::changeDisk(mountFolder));
        window_.setBusyPointer(true);
    }
}

} // namespace quarnix::engine
