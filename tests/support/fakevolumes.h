#pragma once

// tests/support: what every suite may use. This part needs QtCore only, for the
// engine and platform suites: a scripted floppy drive and other volumes.

#include "platform/volumes.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <optional>

namespace quarnix::testing {

// Volumes for tests: folders listed in `floppies` count as floppy destinations, those
// in `removables` as removable media, and free space comes from `freeSpaceScript`
// (one entry a query; past its end the drive is not ready) or, without a script,
// from `freeSpaceOf`. None is the root of a first floppy drive.
class FakeVolumes final : public platform::Volumes {
public:
    platform::PathStyle pathStyle() const override { return style; }
    bool isFloppyDestination(const QString& destination) const override;
    QString remountFolder(const QString&) const override { return {}; }
    bool isFirstFloppyRoot(const QString&) const override { return false; }
    bool isRemovable(const QString& destination) const override
    {
        return removables.contains(destination) || isFloppyDestination(destination);
    }
    std::optional<qint64> freeSpace(const QString& destination) const override;
    QList<platform::VolumeEntry> volumes() const override { return entries; }
    bool isReady(const QString& rootPath) const override { return !notReady.contains(rootPath); }

    platform::PathStyle style = platform::nativePathStyle();
    QStringList floppies;
    QStringList removables;
    mutable QList<std::optional<qint64>> freeSpaceScript;
    QHash<QString, qint64> freeSpaceOf;
    mutable QStringList queries;
    QList<platform::VolumeEntry> entries;
    QStringList notReady;

private:
    mutable bool scriptStarted_ = false;
};

} // namespace quarnix::testing
