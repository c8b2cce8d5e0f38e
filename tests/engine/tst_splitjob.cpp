// The split job end to end on real files: chunk files, batch file, status lines,
// pointer and message boxes; what it refuses, the ways it fails and what each
// failure leaves; the floppy flow with a scripted drive; disks that really fill up;
// data flushed to removable media; and a source past 2 GiB.

#include "engine/chunkcopier.h"
#include "engine/chunkplan.h"
#include "engine/jobfailure.h"
#include "splitjobfixture.h"

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using namespace quarnix;
using namespace quarnix::platform;
using namespace quarnix::testing;

namespace {

// 3,000,000 bytes in 1.25 MB chunks: 1,310,721 + 1,310,721 + 378,558 bytes.
constexpr qint64 chunkSize = 1310720;
constexpr qint64 chunkLength = chunkSize + 1;
const QStringList three = chunkNames("reportdoc", 3);

// A split that ends in "Done"; `setup` runs once the source is written.
struct SplitRow {
    QString name = "report.doc";
    qint64 length = 3000000;
    QString count = {}, size = "1.25", prefix = "reportdoc";
    Lengths chunks = {chunkLength, chunkLength, 378558};
    std::function<void(Job&)> setup = {};
    qint64 tmpfs = 0; // bytes of a tmpfs mounted at the destination
};

// A job that ends before "Done": the boxes and lines the user meets, the first
// `whole` chunk files each holding its piece in full, and `left`: all else the
// destination folder holds. A piece cut short is never left to pass for a whole one.
struct StopRow {
    QStringList events; // "{source}", "{dest}", "{out}": the job's paths
    int whole = 0;
    QStringList left = {};
    std::function<void(Job&)> setup = {};
    std::function<void(QFile& source)> atChunk2 = {}; // while chunk 2 is being written
    SplitOutcome outcome = SplitOutcome::Failed;
    QString name = "report.doc", count = {}, size = "1.25";
    qint64 length = 3000000, chunkLength = 1310721;
    qint64 tmpfs = 0; // bytes of a tmpfs at the destination, a disk that really fills up
};

// What the user meets on a floppy destination after the floppy question: `free` is
// what the drive reports, one query each (-1: no disk).
struct FloppyRow {
    Lengths free = {};
    QStringList events;
    MessageAnswer answer = MessageAnswer::Yes; // to the floppy question
    bool withSource = true;
};

// A kernel copy that brings `missing` bytes fewer than asked (-1: half of them), and
// then fails or reports done; or one the system cannot do at all.
struct KernelCopyRow {
    qint64 missing = 0;
    bool fails = false, unsupported = false;
    QString cause = {};
};

QStringList refused(const QString& text)
{
    return start() + QStringList {"[Error] " + text + " {error, OK}", "pointer default", "status="};
}

QString unsafe(const QString& name)
{
    return "The file name " + name
        + " cannot be written into the re-assembly batch file. Rename the file and try again.";
}

// The batch file's check of a file's length. Names that need quoting or another code
// page are engine_batchcmd's, which runs the batch files.
QByteArray lengthCheck(const QString& name, qint64 length)
{
    return "For %%F in (\"" + name.toLatin1() + "\") Do If not \"%%~zF\"==\"" + QByteArray::number(length)
        + "\" Goto End\r\n";
}

// Pages of `path` the system still holds unwritten, where the kernel can tell
// (cachestat, Linux 6.5 and later; its number is the same on every architecture).
qint64 dirtyPages([[maybe_unused]] const QString& path)
{
#ifdef Q_OS_LINUX
    constexpr long cachestat = 451;
    struct {
        quint64 offset = 0, length = 0;
    } range;
    struct {
        quint64 cached, dirty, writeback, evicted, recentlyEvicted;
    } stat {};
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && syscall(cachestat, file.handle(), &range, &stat, 0) == 0)
        return qint64(stat.dirty + stat.writeback);
#endif
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(SplitRow)
Q_DECLARE_METATYPE(StopRow)
Q_DECLARE_METATYPE(FloppyRow)
Q_DECLARE_METATYPE(KernelCopyRow)

class SplitJobTest : public QObject {
    Q_OBJECT

private slots:
    void splits_data()
    {
        QTest::addColumn<SplitRow>("row");
        const auto row = [](const char* tag, const SplitRow& row) { QTest::newRow(tag) << row; };
        // 1.3 MB is 1,363,148.8 bytes: the chunk size is rounded down.
        row("1.3 MB, blanks around", {.size = " 1.3 ", .chunks = {1363149, 1363149, 273702}});
        row("exactly the chunk size", {.length = chunkSize, .chunks = {chunkSize}});
        // Also an exact multiple of the chunk length.
        row("6 bytes in 4", {.name = "data.bin", .length = 6, .count = "4", .prefix = "databin", .chunks = {2, 2, 2}});
        row("99 bytes in 99, 4-character name",
            {.name = "a.gz", .length = 99, .count = "99", .prefix = ".gz", .chunks = Lengths(49, 2) << 1});
        row("empty source by count",
            {.name = "empty.txt", .length = 0, .count = "2", .prefix = "emptytxt", .chunks = {0}});
        // The longest name whose batch file's draft name still fits 255 bytes.
        row("245-character name",
            {.name = QString(241, 'n') + ".doc",
                .length = 10,
                .count = "2",
                .prefix = QString(241, 'n') + "doc",
                .chunks = {6, 4}});
#ifndef Q_OS_WIN // Windows names cannot end in a blank: there the path is trimmed (stops)
        // A POSIX name may end in a blank: the folder "out " is not "out".
        row("folder name ending in a blank",
            {.setup = [](Job& job) { QVERIFY(QDir().mkpath(job.destination = job.out += " ")); }});
#endif
        // An earlier, longer job left a longer file under a chunk's name, a hard link
        // and a symbolic link to the source sit at the names of another chunk and of the
        // batch file, and a dangling link at a third: every file is replaced whole, and
        // nothing is written through a link.
        row("replaces what had the names", {.setup = [](Job& job) {
            QVERIFY(writeFile(job.outFile("reportdoc.1"), QByteArray(2000000, 'X')));
#ifdef Q_OS_LINUX // hard links, and symbolic links without the rights Windows asks for them
            QVERIFY(::link(QFile::encodeName(job.source), QFile::encodeName(job.outFile("reportdoc.2"))) == 0);
            QVERIFY(QFile::link(job.source, job.outFile("reportdoc.bat")));
            QVERIFY(QFile::link(job.tmp.filePath("nowhere"), job.outFile("reportdoc.3")));
#endif
            job.onEvent = [&job](const QString&) { QVERIFY(!QFileInfo::exists(job.tmp.filePath("nowhere"))); };
        }});
        // "Done" on a stick means the files are on it; a fixed disk is left to the system.
        row("removable medium", {.setup = [](Job& job) {
            job.volumes.removables = {job.out};
            job.onEvent = [&job](const QString& event) {
                for (const QString& name : event.startsWith("[Done]") ? entriesOf(job.out) : QStringList())
                    QVERIFY2(dirtyPages(job.outFile(name)) == 0, qPrintable(name + " still in memory at Done"));
            };
        }});
#ifdef Q_OS_LINUX // the kernel's file-to-file copy, and the tmpfs, are Linux's
        row("to a tmpfs, another file system", {.count = "2", .chunks = {1500001, 1499999}, .tmpfs = 8 << 20});
#endif
    }

    void splits()
    {
        QFETCH(SplitRow, row);
        Job job;
        if (row.tmpfs && !job.mountTmpfs(row.tmpfs))
            QSKIP("this machine does not let the suite mount a tmpfs");
        const QByteArray source = job.makeSource(row.name, row.length);
        job.splitBy(row.count, row.size);
        if (row.setup)
            row.setup(job);
        const QStringList names = chunkNames(row.prefix, int(row.chunks.size()));
        const QStringList expected = job.expanded(start() + processing(names) + finish(row.prefix, row.name));
        QCOMPARE(job.run(), SplitOutcome::Done);
        QCOMPARE(job.events, expected);
        QStringList files = names + QStringList {row.prefix + ".bat"};
        files.sort();
        QCOMPARE(entriesOf(job.out), files);
        QByteArray joined;
        const QByteArray batch = readFile(job.outFile(row.prefix + ".bat"));
        for (int k = 0; k < names.size(); ++k) {
            joined += readFile(job.outFile(names[k]));
            QCOMPARE(QFileInfo(job.outFile(names[k])).size(), row.chunks[k]);
            QVERIFY(batch.contains(lengthCheck(names[k], row.chunks[k])));
        }
        QVERIFY(joined == source); // re-assembled by concatenation
        QVERIFY(batch.contains(lengthCheck(row.name, row.length)));
        QVERIFY(readFile(job.source) == source);
    }

    // Refusals come before any file is written, with the hourglass up while the box
    // is shown; every failure is the error report with its cause, and leaves no batch
    // file and no chunk file but the whole ones written before it.
    void stops_data()
    {
        QTest::addColumn<StopRow>("row");
        const auto row = [](const char* tag, const StopRow& row) { QTest::newRow(tag) << row; };
        const auto tooSmall = [](const QString& megabytes) {
            return refused("The file size of report.doc is less than " + megabytes
                + " MegaBytes. Hence cannot be splitted.\r\nThis is because, you can store the orginal file on to the floppy without splitting it up.");
        };
        // The error report after the status lines of the first `shown` chunks.
        const auto failed = [](int shown, const QString& cause) {
            return start() + processing(chunkNames("reportdoc", shown)) + failure(cause);
        };
        const auto in = [](const char* locale) { return [=](Job& job) { job.locale = QLocale(locale); }; };
        using enum SplitOutcome;
        // The size as the user's locale writes it.
        row("1.44 MB, one byte short",
            {.events = tooSmall("1.4399995803833"),
                .setup = in("en_US"),
                .outcome = Stopped,
                .size = "1.44",
                .length = 1509948});
        row("German 1,25",
            {.events = tooSmall("1,25"), .setup = in("de_DE"), .outcome = Stopped, .size = "1,25", .length = 5});
        row("1024 MB, no digit grouping",
            {.events = tooSmall("1024"), .setup = in("en_US"), .outcome = Stopped, .size = "1024", .length = 5});
        // Which names are unsafe is engine_batchfile's; here, that the job asks.
        row("unsafe name", {.events = refused(unsafe("a?b.doc")), .outcome = Stopped, .name = "a?b.doc"});
        // The entry checks end the job before the hourglass; only an empty text is
        // missing, so a text of blanks goes on, to be refused as a name Windows cannot hold.
        const auto paths = [](PathStyle style, const QString& source, const QString& destination) {
            return [=](Job& job) { job.volumes.style = style, job.source = source, job.destination = destination; };
        };
        const QString noSource
            = "[Source file missing] Please specify a source file name before proceeding to this step. {warning, OK}";
        const QString noDestination
            = "[Destination folder missing] Please specify a destination folder before proceeding to this step. {warning, OK}";
        row("no source",
            {.events = {noSource, "focus source"}, .setup = paths(PathStyle::Posix, "", "/tmp"), .outcome = Stopped});
        row("no destination",
            {.events = {"source=/tmp/x.doc", noDestination, "focus destination"},
                .setup = paths(PathStyle::Posix, "/tmp/x.doc", ""),
                .outcome = Stopped});
        row("blanks",
            {.events = refused(unsafe("  ")), .setup = paths(PathStyle::Posix, "  ", " "), .outcome = Stopped});
        // Windows names cannot end in a blank: there the blanks around both paths go.
        const QString noFolder = systemReason("No such file or directory", 3),
                      noFile = systemReason("No such file or directory", 2);
        row("Windows trims both paths",
            {.events = start("C:\\x\\report.doc", "D:\\out") + failure("Cannot read C:\\x\\report.doc: " + noFolder),
                .setup = paths(PathStyle::Windows, "  C:\\x\\report.doc ", " D:\\out  ")});
        // Windows error 3: the path is not found; 2: the file is not.
        row("destination folder missing",
            {.events = failed(1, "Cannot create {dest}/reportdoc.1: " + noFolder),
                .setup = [](Job& job) { job.destination = job.outFile("none"); }});
        const auto removeSource = [](Job& job) { QVERIFY(QFile::remove(job.source)); };
        const auto folderAsSource = [](Job& job) { QVERIFY(QFile::remove(job.source) && QDir().mkpath(job.source)); };
        row("source missing", {.events = failed(0, "Cannot read {source}: " + noFile), .setup = removeSource});
        row("source is a folder", {.events = failed(0, "{source} is not a file."), .setup = folderAsSource});
        row("name of three characters",
            {.events = failed(0, "The file name a.b is shorter than four characters."), .name = "a.b"});
        row("more than 32,766 chunks",
            {.events = failed(0, "The split would need more than 32766 chunk files."), .count = "100000"});
        row("size inf", {.events = failed(0, "\"inf\" is not a number."), .size = "inf"});
        // Values the fields never let through still end in the report, never in a crash.
        row("count 0", {.events = failed(0, "\"0\" gives no usable chunk size."), .count = "0"});
        row("size -1", {.events = failed(0, "\"-1\" gives no usable chunk size."), .size = "-1"});
        row("size 1e300", {.events = failed(0, "\"1e300\" gives no usable chunk size."), .size = "1e300"});
        // Split v1 of a file, then an edited v2 of the same length into the same folder,
        // which fails halfway (a folder is in the way of chunk 2): v1's batch file would
        // join v2's first chunk with v1's last.
        row("a folder has chunk 2's name, after an earlier job",
            {.events = failed(2, "Cannot create {out}/reportdoc.2: A folder has that name"),
                .whole = 1,
                .left = {"reportdoc.2", "reportdoc.3"},
                .setup = [](Job& job) {
                    QCOMPARE(job.run(), Done);
                    QFile source(job.source);
                    QVERIFY(source.open(QIODevice::ReadWrite) && source.write("v2") == 2);
                    QVERIFY(QFile::remove(job.outFile("reportdoc.2")) && QDir().mkpath(job.outFile("reportdoc.2")));
                    job.events.clear();
                }});
        // The batch file's draft name would pass 255 bytes.
        row("246-character name",
            {.events = failed(0, "The name " + QString(242, 'n') + "doc.bat is too long for a file in {out}."),
                .name = QString(242, 'n') + ".doc"});
#ifdef Q_OS_UNIX // QFile makes shortcuts on Windows, not symbolic links
        // A source that leads, through a link, to a file the job would replace is refused
        // before anything is written: replacing it would destroy the source.
        for (const QString name : {"reportdoc.2", "reportdoc.bat"}) {
            const auto leadsThere = [=](Job& job) {
                QVERIFY(QFile::rename(job.source, job.outFile(name)) && QFile::link(job.outFile(name), job.source));
            };
            row(qPrintable("the source leads to " + name),
                {.events
                    = failed(0, "The split would write over the source file: {source} leads to {out}/" + name + "."),
                    .left = {name},
                    .setup = leadsThere});
        }
#endif
#ifdef Q_OS_LINUX
        // Windows keeps other writers out of the source for the length of the job.
        const auto changed = [&](int shown) { return failed(shown, "{source} changed while it was being split."); };
        const auto resizeTo = [](qint64 length) { return [=](QFile& source) { QVERIFY(source.resize(length)); }; };
        row("source vanishes, though readable while open",
            {.events = changed(3), .whole = 3, .atChunk2 = [](QFile& source) { QVERIFY(source.remove()); }});
        row("source shrinks inside chunk 2",
            {.events = changed(2), .whole = 1, .atChunk2 = resizeTo(chunkLength + 500000)});
        // A short last chunk is read before its status line goes up.
        row("source one byte shorter in a short last chunk",
            {.events = changed(2),
                .whole = 2,
                .atChunk2 = resizeTo(2 * chunkLength + 999),
                .length = 2 * chunkLength + 1000});
        // Its length and time put back afterwards, as touch -r and rsync --inplace -t do.
        const auto rewrite = [](QFile& source) {
            const QDateTime modified = QFileInfo(source).lastModified();
            QVERIFY(source.open(QIODevice::ReadWrite) && source.write("x") == 1);
            source.close(); // before its time is set, or the close would set it again
            QVERIFY(
                source.open(QIODevice::ReadWrite) && source.setFileTime(modified, QFileDevice::FileModificationTime));
        };
        row("source rewritten in place, its time put back", {.events = changed(3), .whole = 3, .atChunk2 = rewrite});
        // No watch for writes sees a memory map; the time the writer leaves tells.
        const auto map = [](QFile& source) {
            struct stat status;
            QVERIFY(source.open(QIODevice::ReadWrite) && ::fstat(source.handle(), &status) == 0);
            uchar* const bytes = source.map(0, 1);
            QVERIFY(bytes && (bytes[0] ^= 1, source.unmap(bytes)));
            // The clock may not have moved on since the source was written. Setting
            // both times at once is no write either; setting one alone would count as one.
            const timespec later[] {{status.st_atim.tv_sec + 60, 0}, {status.st_mtim.tv_sec + 60, 0}};
            QVERIFY(::futimens(source.handle(), later) == 0);
        };
        row("source written through a memory map", {.events = changed(3), .whole = 3, .atChunk2 = map});
        // A disk that fills up, with the kernel's own write failure, where the suite may
        // mount a tmpfs (as root, as in CI). The chunk being written is removed; chunks
        // of at most a page are written by hand.
        row("tmpfs of a page, written by hand",
            {.events = failed(2, "Cannot write {out}/reportdoc.2: No space left on device"),
                .whole = 1,
                .count = "2",
                .length = 6000,
                .chunkLength = 3001,
                .tmpfs = 4096});
        row("4 MiB tmpfs, fourth chunk",
            {.events = failed(4, "Cannot write {out}/reportdoc.4: No space left on device"),
                .whole = 3,
                .count = "8",
                .length = 10000000,
                .chunkLength = 1250001,
                .tmpfs = 4 << 20});
        // Another program fills the disk just before the batch file is written, all but
        // one page, so that a longer batch file is cut short: no batch file stays,
        // neither cut short nor as a draft.
        const auto fillAtBatchFile = [](Job& job) {
            job.onEvent = [&job](const QString& event) {
                if (event.endsWith("Processing reportdoc.bat"))
                    QVERIFY(writeFile(
                        job.outFile("filler"), QByteArray(QStorageInfo(job.out).bytesAvailable() - 4096, 'f')));
            };
        };
        const QStringList atBatchFile = start() + processing(chunkNames("reportdoc", 60))
            + finish("reportdoc", "report.doc").mid(0, 2)
            + failure("Cannot write {out}/reportdoc.bat: No space left on device");
        row("tmpfs full halfway through the batch file",
            {.events = atBatchFile,
                .whole = 60,
                .left = {"filler"},
                .setup = fillAtBatchFile,
                .count = "60",
                .chunkLength = 50001,
                .tmpfs = 8 << 20});
#endif
    }
    void stops()
    {
        QFETCH(StopRow, row);
        Job job;
        if (row.tmpfs && !job.mountTmpfs(row.tmpfs))
            QSKIP("this machine does not let the suite mount a tmpfs");
        job.makeSource(row.name, row.length);
        job.splitBy(row.count, row.size);
        if (row.setup)
            row.setup(job);
        const QByteArray source = readFile(job.source);
        const QStringList expected = job.expanded(row.events);
        if (row.atChunk2) {
            job.onEvent = [&](const QString& event) {
                QFile file(job.source);
                if (event.endsWith("Processing reportdoc.2"))
                    row.atChunk2(file);
            };
        }
        QCOMPARE(job.run(), row.outcome);
        QCOMPARE(job.events, expected);
        const QStringList whole = chunkNames("reportdoc", row.whole);
        QStringList left = whole + row.left;
        left.sort();
        QCOMPARE(entriesOf(job.out), left);
        for (int k = 0; k < row.whole; ++k)
            QVERIFY2(readFile(job.outFile(whole[k])) == source.mid(k * row.chunkLength, row.chunkLength),
                qPrintable(whole[k]));
        QVERIFY(row.atChunk2 || readFile(job.source) == source);
    }

    // 3,000,000 bytes to a folder that counts as a floppy drive. The drive reports free
    // space from the script, one entry a query, so each check must ask afresh. Each
    // next-disk prompt is answered by changing the disk, and the chunks on the disk
    // taken out must have reached it.
    void floppy_data()
    {
        QTest::addColumn<FloppyRow>("row");
        const qint64 disk = 1457664, afterOne = disk - chunkLength, last = 378558; // disk: an empty 1.44 MB one
        const QStringList one = processing({three[0]}), two = processing({three[1]}), end = processing({three[2]}),
                          next = seen({"pointer default", "Enter next floppy", "pointer busy"}),
                          lastDisk = seen({"pointer default", "Enter last floppy", "pointer busy"}),
                          done = finish("reportdoc", "report.doc"),
                          notReady = failure("The free space of {out} cannot be read: the drive is not ready.");
        const auto row = [](const char* tag, const FloppyRow& row) { QTest::newRow(tag) << row; };
        row("No: only the picker, even with no source",
            {.events = {"picker"}, .answer = MessageAnswer::No, .withSource = false});
        row("first check, free = chunk size",
            {.free = {chunkSize}, .events = start() + seen({"Lack of space", "pointer default", "picker", "status="})});
        row("first check, one byte more",
            {.free = {chunkSize + 1, disk, disk, disk}, .events = start() + one + two + end + done});
        row("three empty disks",
            {.free = {disk, afterOne, disk, afterOne, disk, disk},
                .events = start() + one + next + two + next + end + done});
        row("after a chunk, free space equal to the chunk size",
            {.free = {disk, chunkSize, chunkSize + 1, disk, disk}, .events = start() + one + next + two + end + done});
        row("OK without changing the disk prompts again",
            {.free = {disk, 1000, 1000, 1000, disk, disk, disk},
                .events = start() + one + next + next + next + two + end + done});
        row("last disk one byte short, twice",
            {.free = {disk, disk, disk, last - 1, last - 1, last},
                .events = start() + one + two + lastDisk + lastDisk + end + done});
        row("no disk at the first check", {.free = {-1}, .events = start() + notReady});
        row("OK with no disk in", {.free = {disk, 1000, -1}, .events = start() + one + next + notReady});
    }

    void floppy()
    {
        QFETCH(FloppyRow, row);
        Job job;
        const QByteArray source = job.makeSource("report.doc", 3000000);
        job.source = row.withSource ? job.source : QString();
        job.volumes.floppies = {job.out};
        for (const qint64 bytes : row.free)
            job.volumes.freeSpaceScript << (bytes < 0 ? std::nullopt : std::optional<qint64>(bytes));
        job.answer = row.answer;
        QStringList removed; // the chunk files taken away on earlier disks
        QByteArray joined;
        job.onEvent = [&](const QString& event) {
            for (const QString& name : event.startsWith("[Enter next") ? entriesOf(job.out) : QStringList()) {
                removed << name;
                joined += readFile(job.outFile(name));
                QVERIFY2(dirtyPages(job.outFile(name)) == 0, "a chunk still in memory at the prompt");
                QVERIFY(QFile::remove(job.outFile(name)));
            }
        };
        const QStringList expected = job.expanded(seen({"Suggestion"}) + row.events);
        job.run();
        QCOMPARE(job.events, expected);
        QCOMPARE(job.volumes.queries, QStringList(row.free.size(), job.out));
        // Every chunk whose name went up is on a disk, and the batch file after "Done".
        const bool done = row.events.contains("status=The split operation has been completed.");
        const auto chunks = row.events.filter("in progress...Processing").size();
        QCOMPARE(removed + entriesOf(job.out), three.mid(0, chunks) + QStringList(done, "reportdoc.bat"));
        for (const QString& name : three)
            joined += readFile(job.outFile(name));
        QVERIFY(!done || joined == source);
        // The root of a first floppy drive, where the batch file keeps itself, is
        // engine_loopdisks' and windows_floppy's: its rule is the real volumes'.
        QCOMPARE(readFile(job.outFile("reportdoc.bat")).contains("Del \"reportdoc.bat\""), done);
    }

    // A kernel copy that breaks off inside a chunk, or brings fewer bytes than the
    // chunk holds, fails the chunk and leaves no file; one the system cannot do at all
    // is done through the buffer.
    void kernelCopyEndsExactOrFails_data()
    {
        QTest::addColumn<KernelCopyRow>("row");
        const QString changed = "{source} changed while it was being split.";
        QTest::newRow("fails halfway") << KernelCopyRow {
            .missing = -1, .fails = true, .cause = "Cannot write {out}/reportdoc.1: Input/output error"};
        QTest::newRow("one byte short") << KernelCopyRow {.missing = 1, .cause = changed};
        QTest::newRow("unsupported") << KernelCopyRow {.unsupported = true};
    }

    void kernelCopyEndsExactOrFails()
    {
        QFETCH(KernelCopyRow, row);
        // Nothing is copied: the chunk is never kept unless the buffer writes it.
        const auto halfway = [&](QFile&, qint64, QFile&, qint64 length) {
            if (row.unsupported)
                return KernelCopyResult();
            const qint64 brought = row.missing < 0 ? length / 2 : length - row.missing;
            return KernelCopyResult(row.fails ? Outcome<qint64>::failure("Input/output error") : Outcome(brought));
        };
        Job job;
        const QByteArray source = job.makeSource("report.doc", 1000000);
        QFile file(job.source);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        engine::ChunkCopier copier(file, halfway);
        const QString chunk = job.outFile("reportdoc.1");
        QString failed;
        try {
            copier.read(0, 1000000);
            copier.write(chunk, false);
        } catch (const engine::JobFailure& failure) {
            failed = failure.cause;
        }
        QCOMPARE(failed, job.expanded({row.cause}).first());
        QCOMPARE(readFile(chunk), row.cause.isEmpty() ? source : QByteArray());
        QCOMPARE(QFileInfo::exists(chunk), row.cause.isEmpty());
    }

    // Sources of 2 GiB and more are split like any other; a sparse one costs no disk.
    // With 1024 MB chunks, chunk 2 crosses 2^31 and chunk 3 starts just past it:
    // marks sit where 32-bit offsets would go wrong. Chunk numbers still stop at 32,766.
    void splitsPastTwoGigabytes()
    {
        QCOMPARE(engine::planChunks(qint64(32766) * chunkLength, chunkSize).value().count, 32766);
        QVERIFY(!engine::planChunks(qint64(32766) * chunkLength + 1, chunkSize));
        Job job;
        const qint64 chunk = (qint64(1) << 30) + 1;
        const Lengths marks {0, 2 * chunk - 16, 2 * chunk, 2 * chunk + 1000000};
        QFile source(job.source = QDir::toNativeSeparators(job.tmp.filePath("disk.img")));
        QVERIFY(source.open(QIODevice::WriteOnly) && source.resize(marks[3] + 16));
        for (const qint64 mark : marks)
            QVERIFY(source.seek(mark) && source.write(randomBytes(16, quint32(mark))) == 16);
        source.close();
        job.size = "1024";
        QCOMPARE(job.run(), SplitOutcome::Done);

        const QStringList names = chunkNames("diskimg", 3);
        QCOMPARE(job.events, start(job.source, job.out) + processing(names) + finish("diskimg", "disk.img"));
        QCOMPARE(QFileInfo(job.outFile(names[2])).size(), 1000016);
        for (const qint64 mark : marks) {
            QFile file(job.outFile(names[mark / chunk]));
            QVERIFY(file.open(QIODevice::ReadOnly) && file.seek(mark % chunk));
            QCOMPARE(file.read(16), randomBytes(16, quint32(mark)));
        }
        QVERIFY(readFile(job.outFile("diskimg.bat")).contains(lengthCheck("disk.img", marks[3] + 16)));
    }
};

QTEST_GUILESS_MAIN(SplitJobTest)
#include "tst_splitjob.moc"
