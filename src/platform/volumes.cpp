#include "platform/volumes.h"

#include <QDir>
#include <QStorageInfo>

namespace quarnix::platform {

namespace {

// The volume a POSIX destination lies on, or an invalid one when the folder does
// not exist or its volume cannot be read.
QStorageInfo volumeOf(const QString& folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return {};
    QStorageInfo volume(folder);
    volume.refresh();
    return volume;
}

// File systems that hold no user files and only clutter the drive list.
bool isSystemFileSystem(const QByteArray& type)
{
    static const QList<QByteArray> hidden = {
        "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "pstore",
        "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf", "autofs",
        "binfmt_misc", "efivarfs", "overlay", "squashfs", "nsfs", "rpc_pipefs", "ramfs",
    };
    return hidden.contains(type);
}

bool isSystemTmpfs(const QStorageInfo& volume)
{
    if (volume.fileSystemType() != "tmpfs")
        return false;
    const QString root = volume.rootPath();
    return root == QLatin1String("/dev/shm") || root.startsWith(QLatin1String("/run"))
        || root.startsWith(QLatin1String("/sys")) || root.startsWith(QLatin1String("/dev"));
}

} // namespace

PathStyle SystemVolumes::pathStyle() const
{
    return nativePathStyle();
}

bool SystemVolumes::isFloppyDestination(const QString& destination) const
{
    if (pathStyle() == PathStyle::Windows)
        return isFloppyDriveText(destination);
    const QStorageInfo volume = volumeOf(destination);
    return volume.isValid() && isFloppyDevice(QString::fromLocal8Bit(volume.device()));
}

bool SystemVolumes::isFirstFloppyRoot(const QString& destination) const
{
    if (pathStyle() == PathStyle::Windows)
        return destination.toUpper() == QLatin1String("A:");
    const QStorageInfo volume = volumeOf(destination);
    return volume.isValid() && QString::fromLocal8Bit(volume.device()) == QLatin1String("/dev/fd0")
        && QDir::cleanPath(destination) == volume.rootPath();
}

std::optional<qint64> SystemVolumes::freeSpace(const QString& destination) const
{
    QString folder = driveSpecOf(destination, pathStyle());
    if (pathStyle() == PathStyle::Windows)
        folder += u'\\';
    const QStorageInfo volume = volumeOf(folder);
    if (!volume.isValid() || !volume.isReady())
        return std::nullopt;
    const qint64 available = volume.bytesAvailable();
    if (available < 0)
        return std::nullopt;
    return available;
}

QList<VolumeEntry> SystemVolumes::volumes() const
{
    QList<VolumeEntry> entries;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || isSystemFileSystem(volume.fileSystemType()) || isSystemTmpfs(volume))
            continue;
        const QString root = toDisplayPath(volume.rootPath(), pathStyle());
        QString shown = root;
        if (pathStyle() == PathStyle::Windows) {
            shown = root.left(2).toLower();
            if (!volume.name().isEmpty())
                shown += QStringLiteral(" [%1]").arg(volume.name());
        } else if (!volume.name().isEmpty()) {
            shown += QStringLiteral(" (%1)").arg(volume.name());
        }
        entries.append({root, shown});
    }
    return entries;
}

bool SystemVolumes::isReady(const QString& rootPath) const
{
    const QStorageInfo volume = volumeOf(rootPath);
    return volume.isValid() && volume.isReady() && QDir(rootPath).isReadable();
}

} // namespace quarnix::platform
