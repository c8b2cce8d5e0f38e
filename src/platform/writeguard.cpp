#include "platform/writeguard.h"

#include <QFile>

#if defined(Q_OS_LINUX)
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <QDir>
#include <windows.h>
#endif

namespace quarnix::platform {

#if defined(Q_OS_LINUX)

WriteGuard::~WriteGuard()
{
    if (handle_ >= 0)
        ::close(int(handle_));
}

Outcome<> WriteGuard::start(QFile& file)
{
    handle_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // The open file itself, not whatever its name leads to by now. Only writes to
    // the data count: the job's own removal of a hard link at a chunk's name changes
    // the file's attributes, not its bytes.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.handle());
    if (handle_ >= 0 && ::inotify_add_watch(int(handle_), self.constData(), IN_MODIFY) < 0) {
        ::close(int(handle_));
        handle_ = -1;
    }
    return {};
}

bool WriteGuard::wasWritten() const
{
    // Any event queued is a write, or an overflowing queue, which comes from writes too.
    int queued = 0;
    return handle_ >= 0 && ::ioctl(int(handle_), FIONREAD, &queued) == 0 && queued > 0;
}

#elif defined(Q_OS_WIN)

WriteGuard::~WriteGuard()
{
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

Outcome<> WriteGuard::start(QFile& file)
{
    // A second handle that does not share writing: while it is open no program can
    // open the file for writing, and one that has it open so already makes this fail.
    // Deleting stays allowed, which leaves the data as it is, so that the job can
    // remove a hard link of the source left at a chunk's name.
    const QString path = QDir::toNativeSeparators(file.fileName());
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return Outcome<>::failure(qt_error_string(int(GetLastError())));
    handle_ = reinterpret_cast<qintptr>(handle);
    return {};
}

bool WriteGuard::wasWritten() const
{
    return false;
}

#else

WriteGuard::~WriteGuard() = default;

Outcome<> WriteGuard::start(QFile&)
{
    return {};
}

bool WriteGuard::wasWritten() const
{
    return false;
}

#endif

} // namespace quarnix::platform
