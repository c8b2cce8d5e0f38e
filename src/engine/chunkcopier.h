#pragma once

#include "platform/rangecopy.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>

namespace quarnix::engine {

class FreshFile;

// Copies pieces of one open source file into fresh chunk files. Memory stays at one
// small buffer whatever the chunk length: the bytes go from the source's cached
// pages to the chunk file's in one copy inside the kernel, and through the buffer
// only where the system cannot do that.
//
// A piece is copied in two steps so the job can report between them: `read` takes
// the piece's first page from the source, `write` creates the chunk file and
// writes the whole piece. A source that has become unreadable thus leaves no empty
// chunk file behind. Both throw JobFailure; a chunk file that could not be written
// in full is removed before the failure leaves `write`.
class ChunkCopier {
public:
    // The fallback's buffer. Measured on ext4 with a warm page cache: smaller
    // buffers cost more system calls, larger ones no longer gain anything and cost
    // memory.
    static constexpr qint64 bufferSize = 256 * 1024;

    // `read` takes a piece's first page, to find a source that has become
    // unreadable before the chunk file is made; the kernel then copies the whole
    // piece. Its copy is fastest into a file's start, wherever the piece starts in
    // the source (every chunk but the first starts off a page boundary, being one
    // byte longer than the chunk size).
    static constexpr qint64 pageSize = 4096;

    // Stands in for the system's copy (platform::KernelCopier::copy) where given.
    using KernelCopy
        = std::function<platform::KernelCopyResult(QFile& source, qint64 offset, QFile& target, qint64 length)>;

    explicit ChunkCopier(QFile& source, KernelCopy kernelCopy = {});

    // Reads the first page of the `length` bytes at `offset`.
    void read(qint64 offset, qint64 length);

    // Writes the piece taken by the last `read` into a new file at `path`, replacing
    // whatever had that name. With `sync`, returns only once the file is on its device.
    void write(const QString& path, bool sync);

private:
    void readBlock(qint64 offset, qint64 length);
    // False where the system cannot copy this piece: nothing was written then.
    bool copyInKernel(FreshFile& chunk);
    void copyThroughBuffer(FreshFile& chunk);

    QFile& source_;
    KernelCopy kernelCopy_;
    platform::KernelCopier kernel_;
    QByteArray buffer_;
    qint64 offset_ = 0;
    qint64 length_ = 0;
    qint64 head_ = 0;
    bool kernelCopyWorks_ = true;
};

} // namespace quarnix::engine
