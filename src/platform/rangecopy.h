#pragma once

#include "platform/outcome.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class QFile;

namespace quarnix::platform {

// Empty where the system cannot copy between the two files (nothing was copied);
// else the bytes copied, fewer than asked where the source ended, or why it failed.
using KernelCopyResult = std::optional<Outcome<qint64>>;

// Copies ranges of files inside the kernel: the bytes go once from the source's
// cached pages into the target's, never through user memory, whatever the offset
// and between any two file systems. Where the system cannot do that a copy gives
// no result and the caller copies through a buffer instead.
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
