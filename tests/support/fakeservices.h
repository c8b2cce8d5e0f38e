#pragma once

// tests/support: what every suite may use: fakes for what the machine cannot give
// (a floppy drive, a person at a message box, a browser) and real test files.

#include "platform/gui/services.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace quarnix::testing {

// One message box as the program asked for it.
struct ShownMessage {
    QString title;
    QString text;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
    QString details;
};

// Records every message box and answers from a script (Yes, or OK, when the
// script has run out). `onShow` runs while the box would be up, for tests that
// look at the window in that moment or change a disk.
class FakeMessageBoxes final : public platform::MessageBoxes {
public:
    platform::MessageAnswer show(QWidget* parent, const QString& title, const QString& text,
                                 platform::MessageIcon icon, platform::MessageButtons buttons,
                                 const QString& details) override;

    QList<ShownMessage> shown;
    QList<platform::MessageAnswer> answers;
    std::function<void(const ShownMessage&)> onShow;
};

// Volumes for tests: folders listed in `floppies` count as floppy destinations, those
// in `removables` as removable media, and free space comes from `freeSpaceScript`
// (one entry a query; past its end the drive is not ready) or, without a script,
// from `freeSpaceOf`.
class FakeVolumes final : public platform::Volumes {
public:
    platform::PathStyle pathStyle() const override { return style; }
    bool isFloppyDestination(const QString& destination) const override;
    QString remountFolder(const QString&) const override { return {}; }
    bool isFirstFloppyRoot(const QString& destination) const override;
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
    QString firstFloppyRoot;
    mutable QList<std::optional<qint64>> freeSpaceScript;
    QHash<QString, qint64> freeSpaceOf;
    mutable QStringList queries;
    QList<platform::VolumeEntry> entries;
    QStringList notReady;

private:
    mutable bool scriptStarted_ = false;
};

// Hands back the scripted file names in turn; an empty one is a cancel.
class FakeFileChooser final : public platform::FileChooser {
public:
    QString chooseFile(QWidget* parent, const QString& title) override;

    QStringList choices;
    QStringList titles;
};

class RecordingAddressOpener final : public platform::AddressOpener {
public:
    bool open(const QString& address) override
    {
        opened.append(address);
        return true;
    }
    QStringList opened;
};

class FakeHelpOpener final : public platform::HelpOpener {
public:
    bool openHelpFile(const QString& fileName) override
    {
        requested.append(fileName);
        return helpFileExists;
    }
    QStringList requested;
    bool helpFileExists = false;
};

// A full set of fakes, ready to hand to a window.
struct FakeServices {
    FakeVolumes volumes;
    FakeMessageBoxes messages;
    FakeFileChooser chooser;
    RecordingAddressOpener addresses;
    FakeHelpOpener help;

    platform::Services services() { return {&volumes, &messages, &chooser, &addresses, &help}; }
};

} // namespace quarnix::testing
