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

// Copies `length` bytes of `source` from `offset` to the current end of `target`
// inside the kernel, without passing them through user memory. Both files must be
// open and unbuffered. Where the system has no such copy the result is Unsupported
// and the caller copies through a buffer instead.
[[nodiscard]] KernelCopyResult kernelCopyRange(QFile& source, qint64 offset, QFile& target, qint64 length);

} // namespace quarnix::platform
