#pragma once

// src/platform: the thin layer over the operating system, and the one place where
// Windows and Linux differ: path rules, volumes and free space, removable media,
// name limits, flushing to the device, the batch file's code page, range copies.
// Only files here call the system (POSIX, Win32) or test Q_OS_; they include QtCore
// and nothing of the program's own. Services with a look of their own live in gui/.

#include "platform/mounttable.h"
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

    // The destination writes straight to a floppy disk, disk by disk. Asked again
    // during a floppy split, it tells whether a disk is still in the drive: on Linux
    // a destination whose disk was unmounted lies on another volume, or nowhere.
    virtual bool isFloppyDestination(const QString& destination) const = 0;

    // Where disks are changed by mounting them (Linux): the folder the floppy that
    // holds `destination` is mounted on, where the next disk must be mounted for the
    // job to find it. Empty where the drive itself takes the next disk (Windows).
    virtual QString remountFolder(const QString& destination) const = 0;

    // The destination is the root of the first floppy drive: a batch file there
    // must not delete itself.
    virtual bool isFirstFloppyRoot(const QString& destination) const = 0;

    // The destination lies on a medium the user takes out when the job is done (a
    // floppy, a USB stick), so what is written there must reach the device first.
    virtual bool isRemovable(const QString& destination) const = 0;

    // Bytes free to the user on the volume of the destination; empty when the
    // volume is not ready, not mounted or cannot be read.
    [[nodiscard]] virtual std::optional<qint64> freeSpace(const QString& destination) const = 0;

    // The volumes the folder picker offers, in display order.
    virtual QList<VolumeEntry> volumes() const = 0;

    // `rootPath` is still a mounted volume of its own and readable (a medium is in
    // the drive). A volume unmounted since the list was read leaves at most an empty
    // folder on the volume above it, which is not ready.
    [[nodiscard]] virtual bool isReady(const QString& rootPath) const = 0;
};

// The machine's real volumes.
class SystemVolumes final : public Volumes {
public:
    SystemVolumes();
    // The rules of `style` over another mount table and sysfs tree, for tests.
    SystemVolumes(const MountTable& mounts, PathStyle style, const QString& sysfsRoot);

    PathStyle pathStyle() const override;
    bool isFloppyDestination(const QString& destination) const override;
    QString remountFolder(const QString& destination) const override;
    bool isFirstFloppyRoot(const QString& destination) const override;
    bool isRemovable(const QString& destination) const override;
    [[nodiscard]] std::optional<qint64> freeSpace(const QString& destination) const override;
    QList<VolumeEntry> volumes() const override;
    [[nodiscard]] bool isReady(const QString& rootPath) const override;

private:
    SystemMountTable systemMounts_;
    const MountTable& mounts_;
    PathStyle style_;
    QString sysfsRoot_;
};

} // namespace quarnix::platform
