#include "engine/chunkcopier.h"

#include "engine/freshfile.h"
#include "platform/rangecopy.h"

#include <algorithm>

namespace quarnix::engine {

ChunkCopier::ChunkCopier(QFile& source)
    : source_(source)
{
}

bool ChunkCopier::readBlock(qint64 offset, qint64 length)
{
    if (source_.pos() != offset && !source_.seek(offset))
        return false;
    qint64 filled = 0;
    while (filled < length) {
        const qint64 step = source_.read(buffer_.data() + filled, length - filled);
        if (step <= 0)
            return false; // an error, or the source ended before the chunk did
        filled += step;
    }
    return true;
}

bool ChunkCopier::read(qint64 offset, qint64 length)
{
    if (buffer_.isEmpty())
        buffer_.resize(bufferSize);
    offset_ = offset;
    length_ = length;
    firstBlock_ = std::min(length, bufferSize);
    return readBlock(offset, firstBlock_);
}

bool ChunkCopier::write(const QString& path)
{
    FreshFile chunk(path);
    if (!chunk.create() || !chunk.write(buffer_.constData(), firstBlock_))
        return false;
    qint64 done = firstBlock_;

    if (kernelCopyWorks_ && offset_ % pageSize == 0 && length_ - done >= kernelCopyThreshold) {
        const qint64 rest = length_ - done;
        const auto result = platform::kernelCopyRange(source_, offset_ + done, chunk.file(), rest);
        if (result.status == platform::KernelCopyStatus::Unsupported)
            kernelCopyWorks_ = false; // this pair of file systems will not do it for any chunk
        else if (result.status == platform::KernelCopyStatus::Failed || result.copied < rest)
            return false;
        else
            done = length_;
    }

    while (done < length_) {
        const qint64 step = std::min(length_ - done, bufferSize);
        if (!readBlock(offset_ + done, step) || !chunk.write(buffer_.constData(), step))
            return false;
        done += step;
    }
    return chunk.close();
}

} // namespace quarnix::engine
