#include "engine/splitjob.h"

#include "engine/batchfile.h"
#include "engine/chunkcopier.h"
#include "engine/chunkplan.h"
#include "engine/jobtexts.h"
#include "engine/numbertext.h"
#include "engine/removablemedia.h"
#include "engine/splitwindow.h"
#include "platform/pathrules.h"
#include "platform/volumes.h"

#include <QFile>
#include <QFileInfo>
#include <new>

namespace quarnix::engine {

using platform::MessageButtons;
using platform::MessageIcon;

namespace {

// Only blanks count: a tab or line break in a path is the user's business.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

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
    if (media.isFloppyDestination() && !media.confirmFloppy())
        return SplitOutcome::Stopped;
    if (!checkEntries())
        return SplitOutcome::Stopped;
    try {
        return split(media);
    } catch (const Failure&) {
    } catch (const RemovableMedia::DriveNotReady&) {
    } catch (const std::bad_alloc&) {
    }
    fail();
    return SplitOutcome::Failed;
}

bool SplitJob::checkEntries()
{
    if (window_.sourceText().isEmpty()) {
        window_.showMessage(texts::sourceMissingTitle, texts::sourceMissing, MessageIcon::Warning,
                            MessageButtons::Ok);
        window_.focusBrowseSource();
        return false;
    }
    window_.setSourceText(trimBlanks(window_.sourceText()));
    if (window_.destinationText().isEmpty()) {
        window_.showMessage(texts::destinationMissingTitle, texts::destinationMissing,
                            MessageIcon::Warning, MessageButtons::Ok);
        window_.focusBrowseDestination();
        return false;
    }
    window_.setDestinationText(trimBlanks(window_.destinationText()));
    return true;
}

SplitOutcome SplitJob::split(RemovableMedia& media)
{
    window_.setStatus(texts::inProgress);
    window_.repaintWindow();
    window_.setBusyPointer(true);

    const QString fileName = platform::fileNameOf(window_.sourceText(), volumes_.pathStyle());
    if (refuseUnsafeName(fileName))
        return SplitOutcome::Stopped;
    const qint64 length = sourceLength();
    const qint64 size = chunkSize(length);
    if (refuseTooSmall(fileName, length, size))
        return SplitOutcome::Stopped;
    if (media.isFloppyDestination() && !media.checkInitialSpace(size))
        return SplitOutcome::Stopped;

    const auto prefix = chunkPrefix(fileName);
    const auto plan = planChunks(length, size);
    if (!prefix || !plan)
        throw Failure{};
    writeChunks(*plan, *prefix, media);

    const QString batchName = batchFileName(*prefix);
    window_.setStatus(texts::completing + batchName);
    window_.repaintStatus();
    const BatchFileContent batch{*prefix, plan->count, fileName,
                                 !volumes_.isFirstFloppyRoot(window_.destinationText())};
    if (!writeBatchFile(outputPath(batchName), batch))
        throw Failure{};

    window_.setStatus(texts::completed);
    window_.setBusyPointer(false);
    window_.showMessage(texts::doneTitle, texts::done(*prefix, fileName), MessageIcon::Information,
                        MessageButtons::Ok);
    window_.setStatus(QString());
    return SplitOutcome::Done;
}

qint64 SplitJob::sourceLength()
{
    const QFileInfo source(window_.sourceText());
    if (!source.isFile())
        throw Failure{};
    sourceModified_ = source.lastModified();
    return source.size();
}

qint64 SplitJob::chunkSize(qint64 sourceLength) const
{
    const bool bySize = window_.isSizeSelected();
    const auto value = readNumber(bySize ? window_.sizeText() : window_.numberText(), locale_);
    if (!value)
        throw Failure{};
    const auto size = bySize ? chunkSizeForMegabytes(*value) : chunkSizeForCount(sourceLength, *value);
    if (!size)
        throw Failure{};
    return *size;
}

bool SplitJob::refuseUnsafeName(const QString& fileName)
{
    if (isBatchSafeName(fileName))
        return false;
    window_.showMessage(texts::errorTitle, texts::unsafeName(fileName), MessageIcon::Error,
                        MessageButtons::Ok);
    window_.setBusyPointer(false);
    window_.setStatus(QString());
    return true;
}

bool SplitJob::refuseTooSmall(const QString& fileName, qint64 sourceLength, qint64 chunkSize)
{
    if (sourceLength >= chunkSize)
        return false;
    const QString megabytes = numberText(double(chunkSize) / 1024 / 1024, locale_);
    window_.showMessage(texts::errorTitle, texts::tooSmall(fileName, megabytes), MessageIcon::Error,
                        MessageButtons::Ok);
    window_.setBusyPointer(false);
    window_.setStatus(QString());
    return true;
}

void SplitJob::writeChunks(const ChunkPlan& plan, const QString& prefix, RemovableMedia& media)
{
    QFile source(window_.sourceText());
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw Failure{};
    ChunkCopier copier(source);
    // Asking the mount table after every chunk would cost an ordinary split dearly.
    const bool floppy = media.isFloppyDestination();
    for (int number = 1; number < plan.count; ++number) {
        const QString name = chunkFileName(prefix, number);
        showProcessing(name);
        if (!copier.read(plan.offsetOf(number), plan.lengthOf(number)) || !copier.write(outputPath(name)))
            throw Failure{};
        if (floppy)
            media.waitForNextDisk(plan.chunkSize);
    }
    if (floppy)
        media.waitForLastDisk(plan.lengthOf(plan.count) - 1);

    // The last chunk is read before its name goes up in the status line.
    const QString name = chunkFileName(prefix, plan.count);
    if (!copier.read(plan.offsetOf(plan.count), plan.lengthOf(plan.count)))
        throw Failure{};
    showProcessing(name);
    if (!copier.write(outputPath(name)))
        throw Failure{};

    // Chunks cut from a file that changed under the job would not join into it.
    const QFileInfo after(source.fileName());
    if (!after.isFile() || after.size() != plan.sourceLength || after.lastModified() != sourceModified_)
        throw Failure{};
}

void SplitJob::showProcessing(const QString& chunkName)
{
    window_.setStatus(texts::processing + chunkName);
    window_.repaintStatus();
}

void SplitJob::fail()
{
    window_.setStatus(texts::failedStatus);
    window_.setBusyPointer(false);
    window_.showMessage(texts::errorTitle, texts::failed, MessageIcon::Error, MessageButtons::Ok);
    window_.setStatus(QString());
}

QString SplitJob::outputPath(const QString& name) const
{
    return platform::joinPath(window_.destinationText(), name, volumes_.pathStyle());
}

} // namespace quarnix::engine
