#include "platform/removabledevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quarnix::platform {

namespace {

bool marksRemovable(const QString& blockFolder)
{
    QFile mark(QDir(blockFolder).filePath(QStringLiteral("removable")));
    return mark.open(QIODevice::ReadOnly) && mark.readAll().trimmed() == "1";
}

} // namespace

bool isRemovableDevice(const QString& device, const QString& sysfsRoot)
{
    // /dev/disk/by-label/... and the like are links to the node itself.
    const QString node = QFileInfo(device).canonicalFilePath();
    const QString name = QFileInfo(node.isEmpty() ? device : node).fileName();
    if (!device.startsWith(QLatin1String("/dev/")) || name.isEmpty())
        return false;
    // class/block/sdb1 leads to devices/.../usb1/.../block/sdb/sdb1: the path tells
    // the bus, and a partition's mark is on the whole disk above it.
    const QString block
        = QFileInfo(QDir(sysfsRoot).filePath(QStringLiteral("class/block/") + name)).canonicalFilePath();
    if (block.isEmpty())
        return false;
    if (block.contains(QLatin1String("/usb")))
        return true;
    return marksRemovable(block) || marksRemovable(QFileInfo(block).path());
}

} // namespace quarnix::platform
