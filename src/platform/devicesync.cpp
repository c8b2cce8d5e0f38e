#include "platform/devicesync.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quarnix::platform {

#ifdef Q_OS_WIN

bool syncToDevice(QFile& file, QString& reason)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle))
        return true;
    reason = qt_error_string(int(GetLastError()));
    return false;
}

bool syncFolderToDevice(const QString&, QString&)
{
    return true;
}

#else

namespace {

bool syncHandle(int handle)
{
    int result;
    do
        result = ::fsync(handle);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

bool syncToDevice(QFile& file, QString& reason)
{
    if (syncHandle(file.handle()))
        return true;
    reason = qt_error_string(errno);
    return false;
}

bool syncFolderToDevice(const QString& folder, QString& reason)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = handle >= 0 && syncHandle(handle);
    if (!synced)
        reason = qt_error_string(errno);
    if (handle >= 0)
        ::close(handle);
    return synced;
}

#endif

} // namespace quarnix::platform
