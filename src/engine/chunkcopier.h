#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quarnix::engine {

// Copies pieces of one open source file into fresh chunk files. Memory stays at one
// small buffer whatever the chunk length; long pieces go through the kernel's
// file-to-file copy where the system has one.
class ChunkCopier {
public:
    // Big enough to keep the number of system calls low, small enough to stay in
    // the processor's caches.
    static constexpr qint64 bufferSize = 256 * 1024;

    // Pieces at least this long are worth the kernel copy; shorter ones at odd
    // offsets copy faster through the buffer.
    static constexpr qint64 kernelCopyThreshold = 8 * 1024 * 1024;

    explicit ChunkCopier(QFile& source);

    // Writes `length` bytes of the source from `offset` into a new file at `path`.
    // False when the source cannot be read in full or the file cannot be written;
    // what was written stays.
    bool copy(qint64 offset, qint64 length, const QString& path);

private:
    bool readBlock(qint64 offset, qint64 length);

    QFile& source_;
    QByteArray buffer_;
    bool kernelCopyWorks_ = true;
};

} // namespace quarnix::engine
