#include "engine/chunkcopier.h"

#include "engine/freshfile.h"
#include "platform/rangecopy.h"

namespace quarnix::engine {

ChunkCopier::ChunkCopier(QFile& source)
    : source_(source)
{
}

bool ChunkCopier::readBlock(qint64 offset, qint64 length)
{
    if (!source_.seek(offset))
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

bool ChunkCopier::copy(qint64 offset, qint64 length, const QString& path)
{
    if (buffer_.isEmpty())
        buffer_.resize(bufferSize);

    // The first block is read before the chunk file is created, so a source that
    // has become unreadable leaves no empty chunk file behind.
    qint64 done = std::min(length, bufferSize);
    if (!readBlock(offset, done))
        return false;
    FreshFile chunk(path);
    if (!chunk.create() || !chunk.write(buffer_.constData(), done))
        return false;

    if (kernelCopyWorks_ && length - done >= kernelCopyThreshold) {
        const auto result = platform::kernelCopyRange(source_, offset + done, chunk.file(), length - done);
        if (result.status == platform::KernelCopyStatus::Unsupported)
            kernelCopyWorks_ = false;
        else if (result.status == platform::KernelCopyStatus::Failed || result.copied < length - done)
            return false;
        else
            done = length;
    }

    while (done < length) {
        const qint64 step = std::min(length - done, bufferSize);
        if (!readBlock(offset + done, step) || !chunk.write(buffer_.constData(), step))
            return false;
        done += step;
    }
    return chunk.close();
}

} // namespace quarnix::engine
