#include "platform/filenamelimit.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace quarnix::platform {

namespace {

constexpr qsizetype windowsNameLimit = 255; // UTF-16 code units

} // namespace

bool fitsFileNameLimit(const QString& folder, const QString& name)
{
    if (name.size() > windowsNameLimit)
        return false;
#ifdef Q_OS_UNIX
    // POSIX counts bytes of the name as the file system stores it. A folder whose
    // limit cannot be read fails later, when its first file cannot be created.
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit < 0 || QFile::encodeName(name).size() <= limit;
#else
    Q_UNUSED(folder);
    return true;
#endif
}

} // namespace quarnix::platform
