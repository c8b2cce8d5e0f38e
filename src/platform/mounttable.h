#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace quarnix::platform {

// One mounted volume as the system reports it.
struct MountedVolume {
    QString rootPath; // Qt's form: "/media/usb", "C:/"
    QString device;   // "/dev/sdb1"; on Windows a volume name
    QByteArray fileSystemType;
    QString name; // the volume's label
    bool ready = false;
    qint64 bytesAvailable = -1; // to the user; -1 when unknown
};

// What is mounted where. The volume rules read the machine through this, so that
// tests can set them against drives and media this machine does not have.
class MountTable {
public:
    virtual ~MountTable() = default;

    // The volume that holds `folder`; empty when the folder does not exist or its
    // volume cannot be read.
    [[nodiscard]] virtual std::optional<MountedVolume> volumeOf(const QString& folder) const = 0;

    // Every mounted volume, in the system's order.
    virtual QList<MountedVolume> mounted() const = 0;
};

// The machine's own mount table, through QStorageInfo.
class SystemMountTable final : public MountTable {
public:
    [[nodiscard]] std::optional<MountedVolume> volumeOf(const QString& folder) const override;
    QList<MountedVolume> mounted() const override;
};

} // namespace quarnix::platform
