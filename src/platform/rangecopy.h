#pragma once

#include <QString>
#include <QtGlobal>

class QFile;

namespace quarnix::platform {

enum class KernelCopyStatus {
    Done,        // `copied` bytes were copied; fewer than asked means the source ended
    Unsupported, // nothing was copied: the system cannot copy between these files
    Failed,      // a read or write failed; `copied` bytes were copied before it
};

struct KernelCopyResult {
    KernelCopyStatus status;
    qint64 copied;
    QString reason = {}; // the system's words for a failure
};

// Copies ranges of files inside the kernel: the bytes go once from the source's
// cached pages into the target's, never through user memory, whatever the offset
// and between any two file systems. Where the system cannot do that a copy is
// Unsupported and the caller copies through a buffer instead.
//
// It keeps what it copies through (a pipe on Linux) from one copy to the next,
// since setting that up again for every small chunk cost more than the copy.
class KernelCopier {
public:
    KernelCopier();
    ~KernelCopier();
    KernelCopier(const KernelCopier&) = delete;
    KernelCopier& operator=(const KernelCopier&) = delete;

    // Copies `length` bytes of `source` from `offset` to the current end of
    // `target`. Both files must be open and unbuffered. Fastest where the target's
    // end lies on a page boundary: the kernel then reads across the source's page
    // boundaries and writes whole pages, whereas the other way round costs over
    // twice as much.
    [[nodiscard]] KernelCopyResult copy(QFile& source, qint64 offset, QFile& target, qint64 length);

private:
    void open();
    void close();

    int pipeRead_ = -1;
    int pipeWrite_ = -1;
    qint64 pipeCapacity_ = 0;
};

} // namespace quarnix::platform
