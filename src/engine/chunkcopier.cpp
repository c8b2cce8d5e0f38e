#include "engine/chunkcopier.h"

#include "engine/freshfile.h"
#include "engine/jobfailure.h"
#include "engine/jobtexts.h"

#include <algorithm>
#include <utility>

namespace quarnix::engine {

ChunkCopier::ChunkCopier(QFile& source, KernelCopy kernelCopy)
    : source_(source)
    , kernelCopy_(std::move(kernelCopy))
{
}

void ChunkCopier::readBlock(qint64 offset, qint64 length)
{
    if (source_.pos() != offset && !source_.seek(offset))
        throw JobFailure {texts::cannotRead(source_.fileName(), source_.errorString())};
    qint64 filled = 0;
    while (filled < length) {
        const qint64 step = source_.read(buffer_.data() + filled, length - filled);
        if (step < 0)
            throw JobFailure {texts::cannotRead(source_.fileName(), source_.errorString())};
        if (step == 0)
            throw JobFailure {texts::sourceChanged(source_.fileName())}; // it ended before the chunk did
        filled += step;
    }
}

void ChunkCopier::read(qint64 offset, qint64 length)
{
    if (buffer_.isEmpty())
        buffer_.resize(bufferSize);
    offset_ = offset;
    length_ = length;
    head_ = std::min(length, pageSize);
    readBlock(offset, head_);
}

void ChunkCopier::write(const QString& path, bool sync)
{
    FreshFile chunk(path);
    if (!kernelCopyWorks_ || length_ <= head_ || !copyInKernel(chunk))
        copyThroughBuffer(chunk);
    if (sync)
        chunk.sync();
    chunk.close();
}

bool ChunkCopier::copyInKernel(FreshFile& chunk)
{
    // The whole piece, its first page again: the chunk file is written from its
    // start in large steps, which the page cache takes in large pieces.
    const auto result = kernelCopy_ ? kernelCopy_(source_, offset_, chunk.file(), length_)
                                    : kernel_.copy(source_, offset_, chunk.file(), length_);
    if (!result) {
        kernelCopyWorks_ = false; // this pair of file systems will not do it for any chunk
        return false;
    }
    const platform::Outcome<qint64>& copied = *result;
    if (!copied)
        throw JobFailure {texts::cannotWrite(chunk.file().fileName(), copied.reason())};
    if (*copied < length_)
        throw JobFailure {texts::sourceChanged(source_.fileName())};
    return true;
}

void ChunkCopier::copyThroughBuffer(FreshFile& chunk)
{
    chunk.write(buffer_.constData(), head_);
    for (qint64 done = head_; done < length_;) {
        // Steps end where the chunk file's offsets are whole buffers: the page cache
        // takes its pages in larger pieces then.
        const qint64 step = std::min(length_ - done, bufferSize - done % bufferSize);
        readBlock(offset_ + done, step);
        chunk.write(buffer_.constData(), step);
        done += step;
    }
}

} // namespace quarnix::engine
