#pragma once

#include "platform/pathrules.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace quarnix::platform {

// One mounted volume (a drive on Windows) as the folder picker lists it.
struct VolumeEntry {
    QString rootPath;    // "C:\" on Windows, the mount point elsewhere
    QString displayName; // what the drive list shows
};

// Drives, removable media and free space. The engine and the folder picker only
// ever ask through this interface, so tests can script a floppy drive.
class Volumes {
public:
    virtual ~Volumes() = default;

    virtual PathStyle pathStyle() const = 0;

    // The destination writes straight to a floppy disk, disk by disk.
    virtual bool isFloppyDestination(const QString& destination) const = 0;

    // The destination is the root of the first floppy drive: a batch file there
    // must not delete itself.
    virtual bool isFirstFloppyRoot(const QString& destination) const = 0;

    // Bytes free to the user on the volume of the destination; empty when the
    // volume is not ready, not mounted or cannot be read.
    virtual std::optional<qint64> freeSpace(const QString& destination) const = 0;

    // The volumes the folder picker offers, in display order.
    virtual QList<VolumeEntry> volumes() const = 0;

    // The volume holding `rootPath` is mounted and readable (a medium is in the drive).
    virtual bool isReady(const QString& rootPath) const = 0;
};

// The machine's real volumes, through QStorageInfo.
class SystemVolumes final : public Volumes {
public:
    PathStyle pathStyle() const override;
    bool isFloppyDestination(const QString& destination) const override;
    bool isFirstFloppyRoot(const QString& destination) const override;
    std::optional<qint64> freeSpace(const QString& destination) const override;
    QList<VolumeEntry> volumes() const override;
    bool isReady(const QString& rootPath) const override;
};

} // namespace quarnix::platform
