#include "platform/fileentry.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QFile>
#include <sys/stat.h>
#endif

namespace quarnix::platform {

namespace {

#ifdef Q_OS_UNIX

bool statOf(const QString& path, struct stat& status, bool followLink = true)
{
    const QByteArray name = QFile::encodeName(path);
    return (followLink ? ::stat(name.constData(), &status) : ::lstat(name.constData(), &status)) == 0;
}

bool sameFolder(const QString& one, const QString& other)
{
    struct stat a, b;
    return statOf(one, a) && statOf(other, b) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The entry at a name that matched without regard to case is the file itself: where
// the file system keeps case, another spelling names another file, or none.
bool isEntryOf(const QString& entry, const QString& file)
{
    struct stat a, b;
    return statOf(entry, a, false) && statOf(file, b) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

#else

// Windows: by their full paths, links resolved; the separator added makes a bare
// drive "A:" its root, as the split job reads it.
bool sameFolder(const QString& one, const QString& other)
{
    const QString a = QFileInfo(one).canonicalFilePath(), b = QFileInfo(other + u'/').canonicalFilePath();
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// Windows finds a name whatever its case.
bool isEntryOf(const QString&, const QString&)
{
    return true;
}

#endif

} // namespace

std::optional<QString> entryOf(const QString& file, const QString& folder, const QStringList& names)
{
    const QFileInfo real(QFileInfo(file).canonicalFilePath());
    if (real.filePath().isEmpty() || !sameFolder(real.path(), folder))
        return std::nullopt;
    for (const QString& name : names) {
        if (name.compare(real.fileName(), Qt::CaseInsensitive) == 0 && isEntryOf(QDir(folder).filePath(name), file))
            return name;
    }
    return std::nullopt;
}

} // namespace quarnix::platform
