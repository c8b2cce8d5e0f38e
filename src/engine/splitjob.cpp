#include "engine/splitjob.h"

#include "engine/batchfile.h"
#include "engine/chunkcopier.h"
#include "engine/chunkplan.h"
#include "engine/freshfile.h"
#include "engine/jobfailure.h"
#include "engine/jobtexts.h"
#include "engine/numbertext.h"
#include "engine/removablemedia.h"
#include "engine/splitwindow.h"
#include "platform/devicesync.h"
#include "platform/fileentry.h"
#include "platform/filenamelimit.h"
#include "platform/pathrules.h"
#include "platform/volumes.h"
#include "platform/writeguard.h"

#include <QFile>
#include <QFileInfo>
#include <new>

namespace quarnix::engine {

using platform::MessageButtons;
using platform::MessageIcon;

namespace {

// Where the file system makes no unnamed files, the batch file is written under its
// own name and seven more characters until it is complete.
constexpr qsizetype batchDraftSuffix = 7;

} // namespace

SplitJob::SplitJob(SplitWindow& window, const platform::Volumes& volumes, const QLocale& locale)
    : window_(window)
    , volumes_(volumes)
    , locale_(locale)
{
}

SplitOutcome SplitJob::run()
{
    RemovableMedia media(window_, volumes_);
    if (media.isFloppyDestination() && !media.floppyConfirmed())
        return SplitOutcome::Stopped;
    if (!entriesGiven())
        return SplitOutcome::Stopped;
    try {
        return split(media);
    } catch (const JobFailure& failure) {
        fail(failure.cause);
    } catch (const std::bad_alloc&) {
        fail(texts::outOfMemory);
    }
    return SplitOutcome::Failed;
}

bool SplitJob::entriesGiven()
{
    const platform::PathStyle style = volumes_.pathStyle();
    if (window_.sourceText().isEmpty()) {
        window_.showMessage(texts::sourceMissingTitle, texts::sourceMissing, MessageIcon::Warning, MessageButtons::Ok);
        window_.focusBrowseSource();
        return false;
    }
    window_.setSourceText(platform::trimmedPath(window_.sourceText(), style));
    if (window_.destinationText().isEmpty()) {
        window_.showMessage(
            texts::destinationMissingTitle, texts::destinationMissing, MessageIcon::Warning, MessageButtons::Ok);
        window_.focusBrowseDestination();
        return false;
    }
    window_.setDestinationText(platform::trimmedPath(window_.destinationText(), style));
    return true;
}

SplitOutcome SplitJob::split(RemovableMedia& media)
{
    window_.setStatus(texts::inProgress);
    window_.repaintWindow();
    window_.setBusyPointer(true);

    const QString fileName = platform::fileNameOf(window_.sourceText(), volumes_.pathStyle());
    if (!isBatchSafeName(fileName))
        return refuse(texts::unsafeName(fileName));
    const qint64 length = sourceLength();
    const qint64 size = chunkSize(length);
    if (length < size)
        return refuse(texts::tooSmall(fileName, numberText(double(size) / 1024 / 1024, locale_)));
    if (media.becomesFloppySplit() && !media.roomForFirstChunk(size))
        return SplitOutcome::Stopped;

    const auto prefix = chunkPrefix(fileName);
    if (!prefix)
        throw JobFailure {texts::nameTooShort(fileName)};
    const auto plan = planChunks(length, size);
    if (!plan)
        throw JobFailure {texts::tooManyChunks(maxChunkCount)};
    checkNameLength(*prefix);
    checkSourceIsNoOutput(*plan, *prefix);
    // A floppy or a stick is taken out when the job says so: what it holds by then
    // must be on it, not in the system's memory. A fixed disk is left to the system.
    const bool sync = volumes_.isRemovable(window_.destinationText());
    writeChunks(*plan, *prefix, media, sync);

    const QString batchName = batchFileName(*prefix);
    window_.setStatus(texts::completing + batchName);
    window_.repaintStatus();
    media.checkDiskInDrive();
    writeBatchFile(
        outputPath(batchName), {*prefix, *plan, fileName, !volumes_.isFirstFloppyRoot(window_.destinationText())});
    if (sync)
        syncDestination();

    window_.setStatus(texts::completed);
    window_.setBusyPointer(false);
    window_.showMessage(texts::doneTitle, texts::done(*prefix, fileName), MessageIcon::Information, MessageButtons::Ok);
    window_.setStatus(QString());
    return SplitOutcome::Done;
}

qint64 SplitJob::sourceLength()
{
    const QString path = window_.sourceText();
    const QFileInfo source(path);
    if (source.exists() && !source.isFile())
        throw JobFailure {texts::notAFile(path)};
    // Opened here for the system's own words when it is missing or unreadable.
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        throw JobFailure {texts::cannotRead(path, probe.errorString())};
    sourceModified_ = source.lastModified();
    return source.size();
}

qint64 SplitJob::chunkSize(qint64 sourceLength) const
{
    const bool bySize = window_.isSizeSelected();
    const QString text = bySize ? window_.sizeText() : window_.numberText();
    const auto value = readNumber(text, locale_);
    if (!value)
        throw JobFailure {texts::notANumber(text)};
    const auto size = bySize ? chunkSizeForMegabytes(*value) : chunkSizeForCount(sourceLength, *value);
    if (!size)
        throw JobFailure {texts::unusableValue(text)};
    return *size;
}

// The hourglass stays up while the box is shown; nothing has been written.
SplitOutcome SplitJob::refuse(const QString& text)
{
    window_.showMessage(texts::errorTitle, text, MessageIcon::Error, MessageButtons::Ok);
    window_.setBusyPointer(false);
    window_.setStatus(QString());
    return SplitOutcome::Stopped;
}

// Before any file is written: a name the destination cannot hold would otherwise
// stop the job halfway, with the chunks written so far left without a batch file.
// The batch file's draft name is the longest the job writes: a chunk number has at
// most five digits.
void SplitJob::checkNameLength(const QString& prefix) const
{
    const QString batchName = batchFileName(prefix);
    if (!platform::fitsFileNameLimit(window_.destinationText(), batchName + QString(batchDraftSuffix, u'x')))
        throw JobFailure {texts::nameTooLong(batchName, window_.destinationText())};
}

// Every chunk file and the batch file replace whatever has their names. The source
// may be one of those files, reached through a link (report.doc leading to
// reportdoc.2): replacing it would destroy the very file being split.
void SplitJob::checkSourceIsNoOutput(const ChunkPlan& plan, const QString& prefix) const
{
    QStringList names {batchFileName(prefix)};
    for (int number = 1; number <= plan.count; ++number)
        names << chunkFileName(prefix, number);
    if (const auto name = platform::entryOf(window_.sourceText(), window_.destinationText(), names))
        throw JobFailure {texts::overwritesSource(outputPath(*name), window_.sourceText())};
}

void SplitJob::writeChunks(const ChunkPlan& plan, const QString& prefix, RemovableMedia& media, bool sync)
{
    QFile source(window_.sourceText());
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw JobFailure {texts::cannotRead(source.fileName(), source.errorString())};
    // Length and time alone miss a rewrite whose writer put them back.
    platform::WriteGuard guard;
    if (const auto guarded = guard.start(source); !guarded)
        throw JobFailure {texts::cannotRead(source.fileName(), guarded.reason())};
    ChunkCopier copier(source);
    const bool floppy = media.isFloppySplit();
    // A batch file of this job's name describes chunks from an earlier job, which
    // this one is about to replace: it goes first, so that no failure can leave it
    // beside chunks it does not describe. A floppy split clears every disk of it.
    const QString batchPath = outputPath(batchFileName(prefix));
    const auto makeWayFor = [&](int number) {
        media.checkDiskInDrive();
        if (number == 1 || floppy)
            clearName(batchPath);
    };
    for (int number = 1; number < plan.count; ++number) {
        const QString name = chunkFileName(prefix, number);
        showProcessing(name);
        copier.read(plan.offsetOf(number), plan.lengthOf(number));
        makeWayFor(number);
        copier.write(outputPath(name), sync);
        if (floppy) {
            // The user changes the disk at the prompt: the chunk must be on it by name too.
            syncDestination();
            media.waitForNextDisk(plan.chunkSize);
        }
    }
    if (floppy)
        media.waitForLastDisk(plan.lengthOf(plan.count) - 1);

    // The last chunk is read before its name goes up in the status line.
    const QString name = chunkFileName(prefix, plan.count);
    copier.read(plan.offsetOf(plan.count), plan.lengthOf(plan.count));
    showProcessing(name);
    makeWayFor(plan.count);
    copier.write(outputPath(name), sync);

    // Chunks cut from a file that changed under the job would not join into it. The
    // guard sees writes; length and time still tell where it cannot watch.
    const QFileInfo after(source.fileName());
    if (guard.wasWritten() || !after.isFile() || after.size() != plan.sourceLength
        || after.lastModified() != sourceModified_)
        throw JobFailure {texts::sourceChanged(source.fileName())};
}

void SplitJob::syncDestination() const
{
    if (const auto synced = platform::syncFolderToDevice(window_.destinationText()); !synced)
        throw JobFailure {texts::cannotWrite(window_.destinationText(), synced.reason())};
}

void SplitJob::showProcessing(const QString& chunkName)
{
    window_.setStatus(texts::processing + chunkName);
    window_.repaintStatus();
}

void SplitJob::fail(const QString& cause)
{
    window_.setStatus(texts::failedStatus);
    window_.setBusyPointer(false);
    window_.showMessage(texts::errorTitle, texts::failed, MessageIcon::Error, MessageButtons::Ok, cause);
    window_.setStatus(QString());
}

QString SplitJob::outputPath(const QString& name) const
{
    return platform::joinPath(window_.destinationText(), name, volumes_.pathStyle());
}

} // namespace quarnix::engine
