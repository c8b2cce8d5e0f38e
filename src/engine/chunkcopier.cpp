#include "engine/chunkcopier.h"

#include "engine/freshfile.h"
#include "engine/jobfailure.h"
#include "engine/jobtexts.h"

#include <algorithm>

namespace quarnix::engine {

ChunkCopier::ChunkCopier(QFile& source, KernelCopy kernelCopy)
    : source_(source)
    , kernelCopy_(kernelCopy)
{
}

void ChunkCopier::readBlock(qint64 offset, qint64 length)
{
    if (source_.pos() != offset && !source_.seek(offset))
        throw JobFailure{texts::cannotRead(source_.fileName(), source_.errorString())};
    qint64 filled = 0;
    while (filled < length) {
        const qint64 step = source_.read(buffer_.data() + filled, length - filled);
        if (step < 0)
            throw JobFailure{texts::cannotRead(source_.fileName(), source_.errorString())};
        if (step == 0)
            throw JobFailure{texts::sourceChanged(source_.fileName())}; // it ended before the chunk did
        filled += step;
    }
}

void ChunkCopier::read(qint64 offset, qint64 length)
{
    if (buffer_.isEmpty())
        buffer_.resize(bufferSize);
    offset_ = offset;
    length_ = length;
    firstBlock_ = std::min(length, bufferSize);
    readBlock(offset, firstBlock_);
}

void ChunkCopier::write(const QString& path, bool sync)
{
    FreshFile chunk(path);
    chunk.write(buffer_.constData(), firstBlock_);
    qint64 done = firstBlock_;

    if (kernelCopyWorks_ && offset_ % pageSize == 0 && length_ - done >= kernelCopyThreshold) {
        const qint64 rest = length_ - done;
        const auto result = kernelCopy_(source_, offset_ + done, chunk.file(), rest);
        if (result.status == platform::KernelCopyStatus::Unsupported)
            kernelCopyWorks_ = false; // this pair of file systems will not do it for any chunk
        else if (result.status == platform::KernelCopyStatus::Failed)
            throw JobFailure{texts::cannotWrite(path, result.reason)};
        else if (result.copied < rest)
            throw JobFailure{texts::sourceChanged(source_.fileName())};
        else
            done = length_;
    }

    while (done < length_) {
        const qint64 step = std::min(length_ - done, bufferSize);
        readBlock(offset_ + done, step);
        chunk.write(buffer_.constData(), step);
        done += step;
    }
    if (sync)
        chunk.sync();
    chunk.close();
}

} // namespace quarnix::engine
