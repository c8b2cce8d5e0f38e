// The real volume rules over mount tables and sysfs trees of machines this one is
// not: Windows drives A: and B:, floppy devices, a volume unmounted under the folder
// picker, USB sticks and card readers. Also the file system's name limit, for real.

#include "platform/devicesync.h"
#include "platform/filenamelimit.h"
#include "platform/removabledevice.h"
#include "platform/volumes.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace quarnix::platform;
using namespace quarnix::testing;

namespace {

// Answers as the system does: the volume whose root holds the folder most closely.
// Windows paths compare without regard to case or separator.
class FakeMountTable final : public MountTable {
public:
    QList<MountedVolume> table;

    std::optional<MountedVolume> volumeOf(const QString& folder) const override
    {
        const QString path = comparable(folder);
        std::optional<MountedVolume> best;
        for (const MountedVolume& volume : table) {
            const QString root = comparable(volume.rootPath);
            const bool holds = path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
            if (holds && (!best || root.size() > comparable(best->rootPath).size()))
                best = volume;
        }
        return best;
    }
    QList<MountedVolume> mounted() const override { return table; }

private:
    static QString comparable(const QString& path)
    {
        QString clean = QDir::cleanPath(QString(path).replace('\\', '/'));
        if (clean.size() > 1 && clean[1] == ':')
            clean[0] = clean[0].toUpper();
        return clean.endsWith(':') ? clean + '/' : clean;
    }
};

MountedVolume mounted(const QString& root, const QString& device, qint64 free = 1000, bool ready = true)
{
    return {root, device, "ext4", QString(), ready, free};
}

} // namespace

class VolumesTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    QString at(const QString& relative) const { return tmp_.filePath(relative); }

    // What `volumes` say of each destination, one line each: "[DESTINATION] ANSWERS",
    // with this suite's temporary folder written "~".
    QStringList answers(const Volumes& volumes, const QStringList& destinations) const
    {
        QStringList lines;
        for (const QString& destination : destinations) {
            const auto free = volumes.freeSpace(destination);
            const QString remount = volumes.remountFolder(destination);
            QStringList said {volumes.isFloppyDestination(destination) ? "floppy" : "",
                volumes.isFirstFloppyRoot(destination) ? "first-root" : "",
                volumes.isRemovable(destination) ? "removable" : "", free ? "free=" + QString::number(*free) : "",
                remount.isEmpty() ? "" : "remount=" + remount, volumes.isReady(destination) ? "ready" : ""};
            said.removeAll(QString());
            lines << ('[' + destination + "] " + said.join(' ')).trimmed().replace(tmp_.path(), "~");
        }
        return lines;
    }

private slots:
    void windowsDrives()
    {
        FakeMountTable mounts;
        mounts.table = {mounted("A:/", "a", 1457664), mounted("B:/", "b", 0, false), mounted("C:/", "c", 7)};
        const SystemVolumes volumes(mounts, PathStyle::Windows, at("sys"));
        // Only the bare root of A: keeps its batch file; the query names the drive as
        // the field holds it; B: has no disk in.
        QCOMPARE(answers(volumes, {"a:", "A:\\Data", "b:\\x", "C:", " A:"}),
            (QStringList {"[a:] floppy first-root removable free=1457664", "[A:\\Data] floppy removable free=1457664",
                "[b:\\x] floppy removable", "[C:] free=7", "[ A:]"}));
        QCOMPARE(volumes.volumes()[1].rootPath, "B:\\");
        QCOMPARE(volumes.volumes()[1].displayName, "b:");
    }

    void posixVolumes()
    {
        for (const char* folder : {"fd0/sub", "fd1", "usb", "gone", "unknown"})
            QVERIFY(QDir().mkpath(at(folder)));
        FakeMountTable mounts;
        mounts.table = {mounted(tmp_.path(), "/dev/vda"), mounted(at("fd0"), "/dev/fd0", 1457664),
            mounted(at("fd1"), "/dev/fd1", 0, false), mounted(at("usb"), "/dev/sdb1"), mounted(at("gone"), "/dev/sdc1"),
            mounted(at("unknown"), "/dev/sdd1", -1), {"/run/user", "tmpfs", "tmpfs", {}, true, 5},
            {"/proc", "proc", "proc", {}, true, 0}, {at("ram"), "tmpfs", "tmpfs", "Ram", true, 5}};
        const SystemVolumes volumes(mounts, PathStyle::Posix, at("sys"));
        // The folder where the next disk goes; a folder that is no volume's root is no
        // drive that could be ready.
        QCOMPARE(answers(volumes, {at("fd0"), at("fd0/sub"), at("fd1"), at("fd"), at("unknown"), at("gone")}),
            (QStringList {"[~/fd0] floppy first-root removable free=1457664 remount=~/fd0 ready",
                "[~/fd0/sub] floppy removable free=1457664 remount=~/fd0", "[~/fd1] floppy removable remount=~/fd1",
                "[~/fd] free=1000", "[~/unknown] ready", "[~/gone] free=1000 ready"}));
        // Unmounted under the picker: the empty folder left behind is no drive.
        mounts.table.removeAt(4);
        QCOMPARE(volumes.isReady(at("gone")), false);
        QStringList listed;
        for (const VolumeEntry& entry : volumes.volumes())
            listed << entry.displayName;
        QCOMPARE(
            listed, (QStringList {tmp_.path(), at("fd0"), at("fd1"), at("usb"), at("unknown"), at("ram") + " (Ram)"}));
    }

#ifdef Q_OS_LINUX // sysfs and its links are the Linux kernel's
    // USB sticks do not always carry the kernel's removable mark; the bus they hang on
    // tells. A partition's mark is on its disk.
    void removableDevices()
    {
        const QString usb = "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/";
        const QString sata = "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/";
        QTemporaryDir sys;
        QVERIFY(QDir().mkpath(sys.filePath("class/block")));
        // The block device below devices/, and its disk with its removable mark.
        const auto describe = [&](const QString& block, const QString& disk, const QByteArray& mark) {
            QVERIFY(QDir().mkpath(sys.filePath("devices/" + block)));
            QVERIFY(writeFile(sys.filePath("devices/" + disk + "/removable"), mark + "\n"));
            QVERIFY(
                QFile::link(sys.filePath("devices/" + block), sys.filePath("class/block/" + block.section('/', -1))));
        };
        describe(usb + "sdb/sdb1", usb + "sdb", "0");   // a USB stick without the mark
        describe(sata + "sdc/sdc1", sata + "sdc", "1"); // a card reader's partition,
        describe(sata + "sdc", sata + "sdc", "1");      // and the whole disk
        describe(sata + "sda/sda2", sata + "sda", "0"); // a fixed disk
        describe(sata + "sdd/sdd1", sata + "sdd", "");  // a mark without a value
        FakeMountTable mounts;
        const SystemVolumes volumes(mounts, PathStyle::Posix, sys.path());
        QStringList removable;
        for (const QString device :
            {"/dev/sdb1", "/dev/sdc1", "/dev/sdc", "/dev/sda2", "/dev/sdd1", "/dev/nvme9n1", "sdb1"}) {
            mounts.table = {mounted("/media/disk", device)};
            removable << (volumes.isRemovable("/media/disk") ? device : "-");
        }
        // Not described in sysfs, or a name and not a device node: fixed.
        QCOMPARE(removable, (QStringList {"/dev/sdb1", "/dev/sdc1", "/dev/sdc", "-", "-", "-", "-"}));
    }
#endif

    // A flush that cannot happen says why. Windows flushes files, not folders: there a
    // file open for reading only cannot be flushed.
    void flushGivesTheSystemsReason()
    {
#ifdef Q_OS_WIN
        QFile file(at("read only"));
        QVERIFY(writeFile(file.fileName(), "x") && file.open(QIODevice::ReadOnly));
        const auto synced = syncToDevice(file);
        QVERIFY(!synced);
        QCOMPARE(synced.reason(), qt_error_string(ERROR_ACCESS_DENIED));
#else
        const auto synced = syncFolderToDevice(at("not there"));
        QVERIFY(!synced);
        QCOMPARE(synced.reason(), "No such file or directory");
        QVERIFY(syncFolderToDevice(tmp_.path()));
#endif
    }

    // POSIX counts the bytes of a name as the file system stores them (é takes two),
    // Windows its UTF-16 characters.
    void nameLimit()
    {
#ifdef Q_OS_WIN
        const int accented = 255;
#else
        const int accented = 127;
#endif
        QVERIFY(fitsFileNameLimit(tmp_.path(), QString(accented, u'é')));
        QVERIFY(!fitsFileNameLimit(tmp_.path(), QString(accented + 1, u'é')));
    }
};

QTEST_GUILESS_MAIN(VolumesTest)
#include "tst_volumes.moc"
