#include "platform/volumes.h"

#include "platform/removabledevice.h"

#include <QDir>

namespace quarnix::platform {

namespace {

// File systems that hold no user files and only clutter the drive list.
bool isSystemFileSystem(const QByteArray& type)
{
    // clang-format off
    static const QList<QByteArray> hidden = {
        "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "pstore",
        "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf", "autofs",
        "binfmt_misc", "efivarfs", "overlay", "squashfs", "nsfs", "rpc_pipefs", "ramfs",
    };
    // clang-format on
    return hidden.contains(type);
}

bool isSystemTmpfs(const MountedVolume& volume)
{
    if (volume.fileSystemType != "tmpfs")
        return false;
    const QString& root = volume.rootPath;
    return root == QLatin1String("/dev/shm") || root.startsWith(QLatin1String("/run"))
        || root.startsWith(QLatin1String("/sys")) || root.startsWith(QLatin1String("/dev"));
}

// Roots compare in Qt's form, whichever separators they were written with.
QString qtPath(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

} // namespace

SystemVolumes::SystemVolumes()
    : mounts_(systemMounts_)
    , style_(nativePathStyle())
    , sysfsRoot_(QStringLiteral("/sys"))
{
}

SystemVolumes::SystemVolumes(const MountTable& mounts, PathStyle style, const QString& sysfsRoot)
    : mounts_(mounts)
    , style_(style)
    , sysfsRoot_(sysfsRoot)
{
}

PathStyle SystemVolumes::pathStyle() const
{
    return style_;
}

bool SystemVolumes::isFloppyDestination(const QString& destination) const
{
    if (style_ == PathStyle::Windows)
        return isFloppyDriveText(destination);
    const auto volume = mounts_.volumeOf(destination);
    return volume && isFloppyDevice(volume->device);
}

QString SystemVolumes::remountFolder(const QString& destination) const
{
    if (style_ == PathStyle::Windows)
        return {};
    const auto volume = mounts_.volumeOf(destination);
    return volume && isFloppyDevice(volume->device) ? toDisplayPath(volume->rootPath, style_) : QString();
}

bool SystemVolumes::isFirstFloppyRoot(const QString& destination) const
{
    if (style_ == PathStyle::Windows)
        return destination.toUpper() == QLatin1String("A:");
    const auto volume = mounts_.volumeOf(destination);
    return volume && isFirstFloppyDevice(volume->device) && qtPath(destination) == volume->rootPath;
}

bool SystemVolumes::isRemovable(const QString& destination) const
{
    // Windows writes through to removable drives unless the user chose otherwise.
    if (style_ == PathStyle::Windows)
        return isFloppyDriveText(destination);
    const auto volume = mounts_.volumeOf(destination);
    return volume && (isFloppyDevice(volume->device) || isRemovableDevice(volume->device, sysfsRoot_));
}

std::optional<qint64> SystemVolumes::freeSpace(const QString& destination) const
{
    QString folder = driveSpecOf(destination, style_);
    if (style_ == PathStyle::Windows)
        folder += u'\\';
    const auto volume = mounts_.volumeOf(folder);
    if (!volume || !volume->ready || volume->bytesAvailable < 0)
        return std::nullopt;
    return volume->bytesAvailable;
}

QList<VolumeEntry> SystemVolumes::volumes() const
{
    QList<VolumeEntry> entries;
    for (const MountedVolume& volume : mounts_.mounted()) {
        if (isSystemFileSystem(volume.fileSystemType) || isSystemTmpfs(volume))
            continue;
        const QString root = toDisplayPath(volume.rootPath, style_);
        QString shown = root;
        if (style_ == PathStyle::Windows) {
            shown = root.left(2).toLower();
            if (!volume.name.isEmpty())
                shown += QStringLiteral(" [%1]").arg(volume.name);
        } else if (!volume.name.isEmpty()) {
            shown += QStringLiteral(" (%1)").arg(volume.name);
        }
        entries.append({root, shown});
    }
    return entries;
}

bool SystemVolumes::isReady(const QString& rootPath) const
{
    const auto volume = mounts_.volumeOf(rootPath);
    return volume && volume->ready && qtPath(volume->rootPath) == qtPath(rootPath) && QDir(rootPath).isReadable();
}

} // namespace quarnix::platform
