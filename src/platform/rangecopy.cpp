#include "platform/rangecopy.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace quarnix::platform {

#ifdef Q_OS_LINUX

namespace {

bool meansUnsupported(int error)
{
    return error == ENOSYS || error == EXDEV || error == EINVAL || error == EOPNOTSUPP
        || error == EBADF || error == EPERM;
}

} // namespace

KernelCopyResult kernelCopyRange(QFile& source, qint64 offset, QFile& target, qint64 length)
{
    const int in = source.handle();
    const int out = target.handle();
    if (in < 0 || out < 0)
        return {KernelCopyStatus::Unsupported, 0};
    off64_t position = offset;
    qint64 copied = 0;
    while (copied < length) {
        const ssize_t step = ::copy_file_range(in, &position, out, nullptr, size_t(length - copied), 0);
        if (step < 0) {
            if (errno == EINTR)
                continue;
            if (copied == 0 && meansUnsupported(errno))
                return {KernelCopyStatus::Unsupported, 0};
            return {KernelCopyStatus::Failed, copied, qt_error_string(errno)};
        }
        if (step == 0 && copied == 0)
            return {KernelCopyStatus::Unsupported, 0}; // some file systems answer 0 for "cannot"
        if (step == 0)
            break; // the source ended early
        copied += step;
    }
    return {KernelCopyStatus::Done, copied};
}

#else

KernelCopyResult kernelCopyRange(QFile&, qint64, QFile&, qint64)
{
    return {KernelCopyStatus::Unsupported, 0};
}

#endif

} // namespace quarnix::platform
