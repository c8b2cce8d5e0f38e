#include "platform/mounttable.h"

#include <QDir>
#include <QStorageInfo>

namespace quarnix::platform {

namespace {

MountedVolume described(const QStorageInfo& volume)
{
    return {volume.rootPath(), QString::fromLocal8Bit(volume.device()), volume.fileSystemType(), volume.name(),
        volume.isReady(), volume.bytesAvailable()};
}

} // namespace

std::optional<MountedVolume> SystemMountTable::volumeOf(const QString& folder) const
{
    // QStorageInfo climbs from a missing folder to an existing ancestor, which
    // would report the room of a volume the folder is not on.
    if (folder.isEmpty() || !QDir(folder).exists())
        return std::nullopt;
    const QStorageInfo volume(folder);
    if (!volume.isValid())
        return std::nullopt;
    return described(volume);
}

QList<MountedVolume> SystemMountTable::mounted() const
{
    QList<MountedVolume> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid())
            volumes.append(described(volume));
    }
    return volumes;
}

} // namespace quarnix::platform
