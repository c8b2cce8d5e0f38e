#include "engine/jobtexts.h"

#include <QDir>

namespace quarnix::engine::texts {

namespace {

// As the path fields show it: Qt's file classes hand back '/' on Windows too.
QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString tooSmall(const QString& fileName, const QString& megabytes)
{
    return QStringLiteral("The file size of ") + fileName + QStringLiteral(" is less than ") + megabytes
        + QStringLiteral(" MegaBytes. Hence cannot be splitted.\r\n")
        + QStringLiteral("This is because, you can store the orginal file on to the floppy without splitting it up.");
}

QString done(const QString& chunkPrefix, const QString& fileName)
{
    return QStringLiteral("Job was done successfully. Run ") + chunkPrefix + QStringLiteral(".bat file to re-assemble ")
        + fileName + u'.';
}

QString unsafeName(const QString& fileName)
{
    return QStringLiteral("The file name ") + fileName
        + QStringLiteral(" cannot be written into the re-assembly batch file. Rename the file and try again.");
}

QString cannotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(shown(path), reason);
}

QString cannotCreate(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot create %1: %2").arg(shown(path), reason);
}

QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(shown(path), reason);
}

QString notAFile(const QString& path)
{
    return QStringLiteral("%1 is not a file.").arg(shown(path));
}

QString sourceChanged(const QString& path)
{
    return QStringLiteral("%1 changed while it was being split.").arg(shown(path));
}

QString notANumber(const QString& text)
{
    return QStringLiteral("\"%1\" is not a number.").arg(text);
}

QString unusableValue(const QString& text)
{
    return QStringLiteral("\"%1\" gives no usable chunk size.").arg(text);
}

QString nameTooShort(const QString& fileName)
{
    return QStringLiteral("The file name %1 is shorter than four characters.").arg(fileName);
}

QString tooManyChunks(int maximum)
{
    return QStringLiteral("The split would need more than %1 chunk files.").arg(maximum);
}

QString nameTooLong(const QString& fileName, const QString& folder)
{
    return QStringLiteral("The name %1 is too long for a file in %2.").arg(fileName, shown(folder));
}

QString driveNotReady(const QString& destination)
{
    return QStringLiteral("The free space of %1 cannot be read: the drive is not ready.").arg(shown(destination));
}

QString noLongerOnFloppy(const QString& destination)
{
    return QStringLiteral("%1 is no longer on a floppy disk: the drive is not ready.").arg(shown(destination));
}

QString overwritesSource(const QString& path, const QString& source)
{
    return QStringLiteral("The split would write over the source file: %1 leads to %2.")
        .arg(shown(source), shown(path));
}

QString changeDisk(const QString& mountFolder)
{
    return QStringLiteral("To change the disk, unmount it from %1, swap the disks and mount the next one at %1 "
                          "again; then press OK.")
        .arg(mountFolder);
}

} // namespace quarnix::engine::texts
