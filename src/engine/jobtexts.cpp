#include "engine/jobtexts.h"

namespace quarnix::engine::texts {

QString tooSmall(const QString& fileName, const QString& megabytes)
{
    return QStringLiteral("The file size of ") + fileName + QStringLiteral(" is less than ") + megabytes
        + QStringLiteral(" MegaBytes. Hence cannot be splitted.\r\n")
        + QStringLiteral("This is because, you can store the orginal file on to the floppy without splitting it up.");
}

QString done(const QString& chunkPrefix, const QString& fileName)
{
    return QStringLiteral("Job was done successfully. Run ") + chunkPrefix
        + QStringLiteral(".bat file to re-assemble ") + fileName + u'.';
}

QString unsafeName(const QString& fileName)
{
    return QStringLiteral("The file name ") + fileName
        + QStringLiteral(" cannot be written into the re-assembly batch file. Rename the file and try again.");
}

} // namespace quarnix::engine::texts
