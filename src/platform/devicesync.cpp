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

Outcome<> syncToDevice(QFile& file)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle))
        return {};
    return Outcome<>::failure(qt_error_string(int(GetLastError())));
}

Outcome<> syncFolderToDevice(const QString&)
{
    return {};
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

Outcome<> syncToDevice(QFile& file)
{
    if (syncHandle(file.handle()))
        return {};
    return Outcome<>::failure(qt_error_string(errno));
}

Outcome<> syncFolderToDevice(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = handle >= 0 && syncHandle(handle);
    const Outcome<> outcome = synced ? Outcome<>() : Outcome<>::failure(qt_error_string(errno));
    if (handle >= 0)
        ::close(handle);
    return outcome;
}

#endif

} // namespace quarnix::platform
