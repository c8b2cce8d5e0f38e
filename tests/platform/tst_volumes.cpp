// The real volume rules over mount tables and sysfs trees of machines this one is
// not: Windows drives A: and B:, floppy devices, a volume unmounted under the folder
// picker, USB sticks and card readers. Also the file system's name limit, for real.

#include "platform/devicesync.h"
#include "platform/filenamelimit.h"
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

private slots:
    void windowsDrives()
    {
        FakeMountTable mounts;
        mounts.table = {mounted("A:/", "a", 1457664), mounted("B:/", "b", 0, false), mounted("C:/", "c", 7)};
        const SystemVolumes volumes(mounts, PathStyle::Windows, at("sys"));
        QCOMPARE(volumes.isFloppyDestination("B:\\x"), true);
        QCOMPARE(volumes.isFloppyDestination("a:"), true);
        QCOMPARE(volumes.isFloppyDestination("C:\\data"), false);
        QCOMPARE(volumes.isFloppyDestination(" A:"), false);
        // Only the bare root of A: keeps its batch file.
        QCOMPARE(volumes.isFirstFloppyRoot("a:"), true);
        QCOMPARE(volumes.isFirstFloppyRoot("A:\\Data"), false);
        QCOMPARE(volumes.isFirstFloppyRoot("B:"), false);
        QCOMPARE(volumes.isRemovable("b:\\x"), true);
        QCOMPARE(volumes.isRemovable("C:\\x"), false);
        // The query names the drive as the field holds it.
        QCOMPARE(volumes.freeSpace("a:\\data"), std::optional<qint64>(1457664));
        QCOMPARE(volumes.freeSpace("C:"), std::optional<qint64>(7));
        QCOMPARE(volumes.freeSpace("B:\\"), std::nullopt); // no disk in the drive
        QCOMPARE(volumes.volumes().size(), 3);
        QCOMPARE(volumes.volumes()[1].rootPath, "B:\\");
        QCOMPARE(volumes.volumes()[1].displayName, "b:");
    }

    void posixVolumes()
    {
        for (const char* folder : {"fd0/sub", "fd1", "usb", "gone", "unknown"})
            QVERIFY(QDir().mkpath(at(folder)));
        FakeMountTable mounts;
        mounts.table = {mounted("/", "/dev/vda"), mounted(at("fd0"), "/dev/fd0", 1457664),
            mounted(at("fd1"), "/dev/fd1", 0, false), mounted(at("usb"), "/dev/sdb1"), mounted(at("gone"), "/dev/sdc1"),
            mounted(at("unknown"), "/dev/sdd1", -1), {"/run/user", "tmpfs", "tmpfs", {}, true, 5},
            {"/proc", "proc", "proc", {}, true, 0}, {at("ram"), "tmpfs", "tmpfs", "Ram", true, 5}};
        const SystemVolumes volumes(mounts, PathStyle::Posix, at("sys"));
        QCOMPARE(volumes.isFloppyDestination(at("fd0/sub")), true);
        QCOMPARE(volumes.isFloppyDestination(at("fd1")), true);
        QCOMPARE(volumes.isFloppyDestination(at("usb")), false);
        QCOMPARE(volumes.isFloppyDestination(at("fd")), false);
        QCOMPARE(volumes.isFirstFloppyRoot(at("fd0")), true);
        QCOMPARE(volumes.isFirstFloppyRoot(at("fd0/sub")), false);
        QCOMPARE(volumes.isFirstFloppyRoot(at("fd1")), false);
        QCOMPARE(volumes.remountFolder(at("fd0/sub")), at("fd0")); // where the next disk goes
        QCOMPARE(volumes.freeSpace(at("fd0/sub")), std::optional<qint64>(1457664));
        QCOMPARE(volumes.freeSpace(at("fd1")), std::nullopt); // not ready
        QCOMPARE(volumes.freeSpace(at("unknown")), std::nullopt);
        QCOMPARE(volumes.isReady(at("fd0")), true);
        QCOMPARE(volumes.isReady(at("fd1")), false);
        QCOMPARE(volumes.isReady(at("gone")), true);
        // Unmounted under the picker: the empty folder left behind is no drive.
        mounts.table.removeAt(4);
        QCOMPARE(volumes.isReady(at("gone")), false);
        QStringList listed;
        for (const VolumeEntry& entry : volumes.volumes())
            listed << entry.displayName;
        QCOMPARE(listed, (QStringList {"/", at("fd0"), at("fd1"), at("usb"), at("unknown"), at("ram") + " (Ram)"}));
    }

#ifdef Q_OS_LINUX // sysfs and its links are the Linux kernel's
    // USB sticks do not always carry the kernel's removable mark; the bus they hang on
    // tells. A partition's mark is on its disk.
    void removableDevices_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("block"); // below devices/; empty: not described
        QTest::addColumn<QString>("disk");  // below devices/, with its removable mark
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("removable");
        const QString usb = "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/";
        const QString sata = "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/";
        QTest::newRow("USB stick without the mark") << "/dev/sdb1" << usb + "sdb/sdb1" << usb + "sdb"
                                                    << "0" << true;
        QTest::newRow("card reader partition") << "/dev/sdc1" << sata + "sdc/sdc1" << sata + "sdc"
                                               << "1" << true;
        QTest::newRow("card reader, whole disk") << "/dev/sdc" << sata + "sdc" << sata + "sdc"
                                                 << "1" << true;
        QTest::newRow("fixed disk partition") << "/dev/sda2" << sata + "sda/sda2" << sata + "sda"
                                              << "0" << false;
        QTest::newRow("not described") << "/dev/nvme9n1"
                                       << ""
                                       << ""
                                       << "" << false;
        QTest::newRow("floppy") << "/dev/fd0"
                                << ""
                                << ""
                                << "" << true;
        QTest::newRow("no device node") << "tmpfs"
                                        << ""
                                        << ""
                                        << "" << false;
        QTest::newRow("a name, not a device node") << "sdb1" << usb + "sdb/sdb1" << usb + "sdb"
                                                   << "1" << false;
        QTest::newRow("mark without a value") << "/dev/sdc1" << sata + "sdc/sdc1" << sata + "sdc"
                                              << "" << false;
    }

    void removableDevices()
    {
        QFETCH(QString, device);
        QFETCH(QString, block);
        QFETCH(QString, disk);
        QFETCH(QString, mark);
        QFETCH(bool, removable);
        QTemporaryDir sys;
        if (!block.isEmpty()) {
            QVERIFY(QDir().mkpath(sys.filePath("devices/" + block)) && QDir().mkpath(sys.filePath("class/block")));
            QVERIFY(writeFile(sys.filePath("devices/" + disk + "/removable"), mark.toUtf8() + "\n"));
            const QString name = device.section('/', -1);
            QVERIFY(QFile::link(sys.filePath("devices/" + block), sys.filePath("class/block/" + name)));
        }
        QVERIFY(QDir().mkpath(at("mnt")));
        FakeMountTable mounts;
        mounts.table = {mounted(at("mnt"), device)};
        QCOMPARE(SystemVolumes(mounts, PathStyle::Posix, sys.path()).isRemovable(at("mnt")), removable);
    }
#endif

    // This machine's own mount table: a folder that is not there lies on no volume,
    // and one that is lies on a ready one.
    void systemMountTable()
    {
        const SystemMountTable mounts;
        QCOMPARE(mounts.volumeOf(at("not there")), std::nullopt);
        const auto volume = mounts.volumeOf(tmp_.path());
        QVERIFY(volume && volume->ready && volume->bytesAvailable > 0);
        QVERIFY(tmp_.path().startsWith(volume->rootPath));
    }

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
        QCOMPARE(fitsFileNameLimit(tmp_.path(), QString(255, 'a')), true);
        QCOMPARE(fitsFileNameLimit(tmp_.path(), QString(256, 'a')), false);
#ifdef Q_OS_WIN
        QCOMPARE(fitsFileNameLimit(tmp_.path(), QString(255, u'é')), true);
        QCOMPARE(fitsFileNameLimit(tmp_.path(), QString(256, u'é')), false);
#else
        QCOMPARE(fitsFileNameLimit(tmp_.path(), QString(127, u'é')), true);
        QCOMPARE(fitsFileNameLimit(tmp_.path(), QString(128, u'é')), false);
#endif
    }
};

QTEST_GUILESS_MAIN(VolumesTest)
#include "tst_volumes.moc"
