#pragma once

#include "platform/rangecopy.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quarnix::engine {

// Copies pieces of one open source file into fresh chunk files. Memory stays at one
// small buffer whatever the chunk length; long pieces go through the kernel's
// file-to-file copy where the system has one.
//
// A piece is copied in two steps so the job can report between them: `read` takes
// the piece's first block from the source, `write` creates the chunk file and
// writes the whole piece. A source that has become unreadable thus leaves no empty
// chunk file behind. Both throw JobFailure; a chunk file that could not be written
// in full is removed before the failure leaves `write`.
class ChunkCopier {
public:
    // Measured on ext4 with a warm page cache: smaller buffers cost more system
    // calls, larger ones no longer gain anything and cost memory.
    static constexpr qint64 bufferSize = 256 * 1024;

    // The kernel copy is worth it only where the piece starts on a page boundary
    // of the source, so that source and chunk file pages line up: every chunk but
    // the first usually starts one byte off (a chunk is one byte longer than the
    // chunk size), and there the buffer loop was faster in our measurements, for
    // 1.25 MB chunks and for half a gigabyte alike.
    static constexpr qint64 pageSize = 4096;

    // Aligned pieces at least this long go through the kernel copy. On short
    // pieces it gained nothing measurable over the buffer, and runs of many
    // 1.25 MB chunks whose first chunk took the kernel path were markedly slower
    // than pure buffer runs in our measurements; the first half of a count of 2
    // of a large file is where it pays.
    static constexpr qint64 kernelCopyThreshold = 64 * 1024 * 1024;

    using KernelCopy = platform::KernelCopyResult (*)(QFile& source, qint64 offset, QFile& target,
                                                      qint64 length);

    explicit ChunkCopier(QFile& source, KernelCopy kernelCopy = platform::kernelCopyRange);

    // Reads the first block of the `length` bytes at `offset`.
    void read(qint64 offset, qint64 length);

    // Writes the piece taken by the last `read` into a new file at `path`, replacing
    // whatever had that name. With `sync`, returns only once the file is on its device.
    void write(const QString& path, bool sync);

private:
    void readBlock(qint64 offset, qint64 length);

    QFile& source_;
    KernelCopy kernelCopy_;
    QByteArray buffer_;
    qint64 offset_ = 0;
    qint64 length_ = 0;
    qint64 firstBlock_ = 0;
    bool kernelCopyWorks_ = true;
};

} // namespace quarnix::engine
