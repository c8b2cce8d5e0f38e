// The split job on real disks made of images on loop devices. Floppy disks changed at
// the prompts as a user of this system changes them (unmount, swap, mount the next at
// the same place), through the machine's own volumes. Loop devices need root, as in
// CI: without them the suite skips.
// Linux only (engine.cmake): loop devices and mounts are what it is about.

#include "platform/volumes.h"
#include "splitjobfixture.h"

#include <QProcess>
#include <QStandardPaths>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace quarnix;
using namespace quarnix::testing;

namespace {

constexpr qint64 chunkLength = 1310721; // 1.25 MB and a byte
const QStringList three = chunkNames("reportdoc", 3);

// Runs a system tool, from the administrator's folders too; false with what it said.
bool runTool(const QString& program, const QStringList& arguments, QString& error, QString* output = nullptr)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(program, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"}), arguments);
    const bool ran
        = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    if (!ran)
        error = program + ": " + process.errorString() + ' ' + QString::fromLocal8Bit(process.readAllStandardError());
    return ran;
}

// A 1,474,560-byte floppy disk image with a fresh ext2 file system, on a loop device
// for as long as it lives; detached again by the name it was given, so no other loop
// device is touched.
struct LoopDisk {
    QString device, error; // "/dev/loop3"; empty, and why, when there is none

    explicit LoopDisk(const QString& image)
    {
        QFile file(image);
        if (file.open(QIODevice::WriteOnly) && file.resize(1474560) && (file.close(), true)
            && runTool("mkfs.ext2", {"-m", "0", "-q", "-F", image}, error))
            runTool("losetup", {"--find", "--show", image}, error, &device);
    }
    ~LoopDisk()
    {
        if (!device.isEmpty())
            runTool("losetup", {"--detach", device}, error);
    }
    Q_DISABLE_COPY(LoopDisk)
};

// A floppy drive: its disks, and the drive's device node fd0 in a folder of the
// test, made afresh for the disk in the drive; the disk is mounted on `folder`.
struct FloppyDrive {
    const QString folder, node;
    std::vector<std::unique_ptr<LoopDisk>> disks;
    bool mounted = false;

    FloppyDrive(const QString& root, int count)
        : folder(root + "/A")
        , node(root + "/dev/fd0")
    {
        QDir().mkpath(folder), QDir().mkpath(root + "/dev");
        for (int k = 1; k <= count; ++k)
            disks.push_back(std::make_unique<LoopDisk>(root + "/disk" + QString::number(k)));
    }
    ~FloppyDrive() { unmount(); }
    void unmount()
    {
        if (std::exchange(mounted, false))
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    }
    // Disk `number`, from 1, takes the place of the one in the drive.
    bool change(int number)
    {
        struct stat loop;
        unmount();
        const QByteArray fd0 = QFile::encodeName(node);
        ::unlink(fd0.constData());
        mounted = ::stat(QFile::encodeName(disks.at(number - 1)->device).constData(), &loop) == 0
            && ::mknod(fd0.constData(), S_IFBLK | 0600, loop.st_rdev) == 0
            && ::mount(fd0.constData(), QFile::encodeName(folder).constData(), "ext2", 0, nullptr) == 0;
        return mounted;
    }
    // What the disk in the drive holds, its file system's own folder aside.
    QStringList files() const { return entriesOf(folder).filter(QRegularExpression("^(?!lost\\+found$)")); }
};

using Meanwhile = std::function<void(FloppyDrive& drive, const QString& event, int prompts)>;

struct FloppyRow {
    QStringList events;       // after the question and the start; {dest} is the mount folder
    QList<QStringList> disks; // what each disk holds at the end
    Meanwhile meanwhile = {}; // what the user and the system do as each event happens, `prompts` so far
    std::function<void(FloppyDrive& drive)> before = {}; // with the first disk in the drive
};

} // namespace

Q_DECLARE_METATYPE(FloppyRow)

class LoopDisksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QTemporaryDir tmp;
        const LoopDisk probe(tmp.filePath("probe"));
        if (probe.device.isEmpty())
            QSKIP(qPrintable("this machine gives the suite no loop device (root may): " + probe.error));
    }

    // The 3,000,000-byte source in 1.25 MB chunks onto empty disks, and what may
    // happen at a prompt. The first disk is the root of the first floppy drive, so
    // the batch file keeps itself.
    void floppyDisks_data()
    {
        QTest::addColumn<FloppyRow>("row");
        const auto row = [](const char* tag, const FloppyRow& row) { QTest::newRow(tag) << row; };
        const QStringList next = seen({"pointer default", "Enter next floppy"})
            + QStringList {
                "details=To change the disk, unmount it from {dest}, swap the disks and mount the next one at {dest} again; then press OK.",
                "pointer busy"};
        const QStringList one = processing({three[0]}) + next, two = processing({three[1]}) + next,
                          last = processing({three[2]}), done = finish("reportdoc", "report.doc"),
                          notReady = failure("{dest} is no longer on a floppy disk: the drive is not ready.");
        const QList<QStringList> threeDisks {{"reportdoc.1"}, {"reportdoc.2"}, {"reportdoc.3", "reportdoc.bat"}};
        // The next disk at each prompt; the disk is unmounted, as by an automounter,
        // when the status line shows `unmountAt`.
        const auto changing = [](const QString& unmountAt = {}) -> Meanwhile {
            return [=](FloppyDrive& drive, const QString& event, int prompts) {
                if (event.startsWith("[Enter"))
                    QVERIFY(drive.change(prompts + 1));
                if (!unmountAt.isEmpty() && event.endsWith("Processing " + unmountAt))
                    drive.unmount();
            };
        };
        // A batch file from an earlier split on the second disk goes with the chunk it
        // would join with others.
        const auto oldBatchFile = [](FloppyDrive& drive) {
            QVERIFY(drive.change(2) && writeFile(drive.folder + "/reportdoc.bat", "old") && drive.change(1));
        };
        row("three disks, an old batch file on the second",
            {.events = one + two + last + done, .disks = threeDisks, .meanwhile = changing(), .before = oldBatchFile});
        // Nothing of the job may go into the bare mount folder.
        const Meanwhile unmountAtPrompt = [](FloppyDrive& drive, const QString& event, int) {
            if (event.startsWith("[Enter"))
                drive.unmount();
        };
        row("disk unmounted at the prompt",
            {.events = one + notReady, .disks = {{"reportdoc.1"}}, .meanwhile = unmountAtPrompt});
        row("disk unmounted before chunk 2",
            {.events = one + processing({three[1]}) + notReady,
                .disks = {{"reportdoc.1"}, {}},
                .meanwhile = changing("reportdoc.2")});
        row("disk unmounted before the batch file",
            {.events = one + two + last + done.mid(0, 2) + notReady,
                .disks = {{"reportdoc.1"}, {"reportdoc.2"}, {"reportdoc.3"}},
                .meanwhile = changing("reportdoc.bat")});
    }

    void floppyDisks()
    {
        QFETCH(FloppyRow, row);
        Job job;
        FloppyDrive drive(job.tmp.path(), int(row.disks.size()));
        for (const auto& disk : drive.disks)
            QVERIFY2(!disk->device.isEmpty(), qPrintable(disk->error));
        QVERIFY(drive.change(1));
        if (row.before)
            row.before(drive);
        const QByteArray source = job.makeSource("report.doc", 3000000);
        job.destination = drive.folder;
        int prompts = 0;
        job.onEvent = [&](const QString& event) {
            prompts += event.startsWith("[Enter");
            if (row.meanwhile)
                row.meanwhile(drive, event, prompts);
        };
        const QStringList expected = job.expanded(seen({"Suggestion"}) + start() + row.events);
        job.run(platform::SystemVolumes());
        QCOMPARE(job.events, expected);

        // Nothing lies in the bare mount folder; every chunk is whole on its disk.
        drive.unmount();
        QCOMPARE(entriesOf(drive.folder), QStringList());
        for (int disk = 1; disk <= row.disks.size(); ++disk) {
            QVERIFY(drive.change(disk));
            QCOMPARE(drive.files(), row.disks[disk - 1]);
            for (int k = 1; k <= 3; ++k) {
                const QString chunk = drive.folder + "/reportdoc." + QString::number(k);
                QVERIFY(!QFileInfo::exists(chunk) || readFile(chunk) == source.mid((k - 1) * chunkLength, chunkLength));
            }
            // The root of the first floppy drive: the batch file keeps itself.
            QVERIFY(!readFile(drive.folder + "/reportdoc.bat").contains("Del \"reportdoc.bat\""));
        }
    }
};

QTEST_GUILESS_MAIN(LoopDisksTest)
#include "tst_loopdisks.moc"
