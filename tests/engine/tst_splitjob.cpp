// The split job end to end on real files: chunk files, batch file, status lines,
// pointer and message boxes; what it refuses, the ways it fails and what each
// failure leaves; the floppy flow with a scripted drive; disks that really fill up;
// data flushed to removable media; and a source past 2 GiB.

#include "engine/chunkcopier.h"
#include "engine/chunkplan.h"
#include "engine/jobfailure.h"
#include "splitjobfixture.h"

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
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

struct SplitRow {
    QString name;
    qint64 length;
    QString count, size, prefix;
    Lengths chunks;
    QString folderEnd = {};
};

// Refused before any file is written, with this error box.
struct RefusalRow {
    QString name;
    qint64 length;
    QString size, locale, text;
};

struct EntryRow {
    PathStyle style;
    QString source, destination;
    QStringList events;
    SplitOutcome outcome = SplitOutcome::Stopped;
};

enum class Setup { None, DestinationMissing, DestinationIsFile, SourceMissing, SourceIsFolder, FolderAtChunk2 };

struct FailureRow {
    Setup setup = Setup::None;
    std::function<void(QFile& source)> change = {}; // while chunk 2 is being written
    int shown = 0;                                  // chunks whose status line went up
    int complete = 0;                               // chunk files left, each whole
    QString cause;                                  // {source} and {out} stand for the job's paths
    QString name = "report.doc", count = {}, size = "1.25";
    qint64 length = 3000000;
};

// A kernel copy that brings `missing` bytes fewer than asked (-1: half of them), and
// then fails or reports done; or one the system cannot do at all.
struct KernelCopyRow {
    qint64 missing = 0;
    bool fails = false, unsupported = false;
    QString cause = {};
};

// What the user meets in turn on a floppy destination.
enum class Step { Chunk1, Chunk2, Chunk3, NextDisk, LastDisk, LackOfSpace, Error, Done, Picker };

struct FloppyRow {
    Lengths free; // what the drive reports, one query each; -1: no disk
    QList<Step> steps;
    MessageAnswer answer = MessageAnswer::Yes; // to the floppy warning
    bool atFirstFloppyRoot = false;
};

// `room` is what one file (a file-size limit) or the whole tmpfs may hold.
// `othersFill` has another program fill the disk at the batch file.
struct DiskFillRow {
    bool tmpfs;
    qint64 length;
    int count;
    qint64 room;
    int complete;
    QString cause;
    bool othersFill = false;
};

// Exactly the chunk files of `names` before `complete` are left, each holding its
// piece in full: a piece cut short is never left to pass for a whole one.
void checkChunks(const Job& job, const QByteArray& source, qint64 length, const QStringList& names, int complete)
{
    for (int k = 0; k < names.size(); ++k) {
        const QString path = job.outFile(names[k]);
        QVERIFY2(k < complete ? readFile(path) == source.mid(k * length, length) : !QFileInfo(path).isFile(),
            qPrintable(names[k]));
    }
}

// A name as the batch file quotes it: "%" doubled, é in the western OEM byte.
QByteArray batchQuoted(const QString& name)
{
    return '"' + QString(name).replace("%", "%%").toLatin1().replace("\xE9", "\x82") + '"';
}

QByteArray lengthCheck(const QString& name, qint64 length)
{
    return "For %%F in (" + batchQuoted(name) + ") Do If not \"%%~zF\"==\"" + QByteArray::number(length)
        + "\" Goto End\r\n";
}

// Pages of `path` the system still holds unwritten, where the kernel can tell
// (cachestat, Linux 6.5 and later; its number is the same on every architecture).
std::optional<qint64> dirtyPages(const QString& path)
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
#else
    Q_UNUSED(path);
#endif
    return std::nullopt;
}

} // namespace

Q_DECLARE_METATYPE(SplitRow)
Q_DECLARE_METATYPE(RefusalRow)
Q_DECLARE_METATYPE(FailureRow)
Q_DECLARE_METATYPE(FloppyRow)
Q_DECLARE_METATYPE(DiskFillRow)
Q_DECLARE_METATYPE(EntryRow)
Q_DECLARE_METATYPE(KernelCopyRow)

class SplitJobTest : public QObject {
    Q_OBJECT

private slots:
    void splits_data()
    {
        QTest::addColumn<SplitRow>("row");
        const auto row = [](const char* tag, const SplitRow& row) { QTest::newRow(tag) << row; };
        row("10,000,000 in 3", {"report.doc", 10000000, "3", {}, "reportdoc", {3333334, 3333334, 3333332}});
        row("1.44 MB, blanks around",
            {"report.doc", 10000000, {}, " 1.44 ", "reportdoc",
                {1509950, 1509950, 1509950, 1509950, 1509950, 1509950, 940300}});
        // 1.3 MB is 1,363,148.8 bytes: the chunk size is rounded down.
        row("1.3 MB", {"report.doc", 3000000, {}, "1.3", "reportdoc", {1363149, 1363149, 273702}});
        row("exactly the chunk size", {"report.doc", chunkSize, {}, "1.25", "reportdoc", {chunkSize}});
        row("exact multiple of the chunk length",
            {"report.doc", 2 * chunkLength, {}, "1.25", "reportdoc", {chunkLength, chunkLength}});
        row("6 bytes in 4", {"data.bin", 6, "4", {}, "databin", {2, 2, 2}});
        row("as many chunks as bytes, 4-letter name", {"data", 6, "6", {}, "ata", {2, 2, 2}});
        row("99 bytes in 99, 4-character name", {"a.gz", 99, "99", {}, ".gz", Lengths(49, 2) << 1});
        row("empty source by count", {"empty.txt", 0, "2", {}, "emptytxt", {0}});
        row("README", {"README", 3000000, {}, "1.25", "REDME", {chunkLength, chunkLength, 378558}});
#ifndef Q_OS_WIN // Windows names cannot end in a blank: there the path is trimmed (entryChecks)
        // A POSIX name may end in a blank: the folder "out " is not "out".
        row("folder name ending in a blank", {"x.doc", 5, "2", {}, "xdoc", {3, 2}, " "});
#endif
        row("spaces, percent, accent", {"my 100% café.doc", 5000, "2", {}, "my 100% cafédoc", {2501, 2499}});
        // The longest name whose batch file's draft name still fits 255 bytes.
        row("245-character name", {QString(241, 'n') + ".doc", 10, "2", {}, QString(241, 'n') + "doc", {6, 4}});
    }

    void splits()
    {
        QFETCH(SplitRow, row);
        Job job;
        QVERIFY(QDir().mkpath(job.destination = job.out += row.folderEnd));
        const QByteArray source = job.makeSource(row.name, row.length);
        job.splitBy(row.count, row.size);
        const QStringList names = chunkNames(row.prefix, int(row.chunks.size()));
        QCOMPARE(job.run(), SplitOutcome::Done);
        QCOMPARE(job.events, start(job.source, job.out) + processing(names) + finish(row.prefix, row.name));
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
        QVERIFY(job.volumes.queries.isEmpty()); // no free-space check off a floppy
    }

    void refusals_data()
    {
        QTest::addColumn<RefusalRow>("row");
        const auto tooSmall = [](const QString& megabytes) {
            return "The file size of report.doc is less than " + megabytes
                + " MegaBytes. Hence cannot be "
                  "splitted.\r\nThis is because, you can store the orginal file on to the floppy without splitting "
                  "it up.";
        };
        const auto row = [](const char* tag, const RefusalRow& row) { QTest::newRow(tag) << row; };
        // The size as the user's locale writes it.
        row("1.25 MB, one byte short", {"report.doc", chunkSize - 1, "1.25", "en_US", tooSmall("1.25")});
        row("1.44 MB, one byte short", {"report.doc", 1509948, "1.44", "en_US", tooSmall("1.4399995803833")});
        row("German 1,25", {"report.doc", 5, "1,25", "de_DE", tooSmall("1,25")});
        row("1024 MB, no digit grouping", {"report.doc", 5, "1024", "en_US", tooSmall("1024")});
        // Names the batch file could not carry safely, each for its own reason.
        QStringList unsafe {"a?b.doc", "NULx.ab", "CON x.ab", "CONOUT$", "Ø.doc"};
#ifndef Q_OS_WIN // there a blank at the end of a path is trimmed (entryChecks)
        unsafe << "twin.doc ";
#endif
        for (const QString& name : unsafe)
            row(qPrintable("unsafe name " + name),
                {name, 3000000, "1.25", "en_US",
                    "The file name " + name
                        + " cannot be written into the re-assembly batch file. Rename the file "
                          "and try again."});
    }

    // The hourglass stays up while the box is shown; nothing is written.
    void refusals()
    {
        QFETCH(RefusalRow, row);
        Job job;
        job.locale = QLocale(row.locale);
        job.makeSource(row.name, row.length);
        job.size = row.size;
        QCOMPARE(job.run(), SplitOutcome::Stopped);
        const QStringList refused {"[Error] " + row.text + " {error, OK}", "pointer default", "status="};
        QCOMPARE(job.events, start(job.source, job.out) + refused);
        QCOMPARE(entriesOf(job.out), QStringList());
    }

    // The entry checks end the job before the hourglass; only an empty text is
    // missing, so a text of blanks goes on, to be refused as a name Windows cannot hold.
    void entryChecks_data()
    {
        QTest::addColumn<EntryRow>("row");
        const auto row = [](const char* tag, const EntryRow& row) { QTest::newRow(tag) << row; };
        const QString noSource = "[Source file missing] Please specify a source file name before proceeding "
                                 "to this step. {warning, OK}";
        const QString noDestination = "[Destination folder missing] Please specify a destination folder before "
                                      "proceeding to this step. {warning, OK}";
        row("no source", {PathStyle::Posix, "", "/tmp", {noSource, "focus source"}});
        row("no destination",
            {PathStyle::Posix, "/tmp/x.doc", "", {"source=/tmp/x.doc", noDestination, "focus destination"}});
        row("blanks",
            {PathStyle::Posix, "  ", " ",
                start("  ", " ")
                    + QStringList {
                        "[Error] The file name    cannot "
                        "be written into the re-assembly batch file. Rename the file and try again. {error, OK}",
                        "pointer default", "status="}});
        // Windows names cannot end in a blank: there the blanks around both paths go.
        row("Windows trims both paths",
            {PathStyle::Windows, "  C:\\x\\report.doc ", " D:\\out  ",
                start("C:\\x\\report.doc", "D:\\out")
                    + failure("Cannot read C:\\x\\report.doc: " + systemReason("No such file or directory", 3)),
                SplitOutcome::Failed});
    }

    void entryChecks()
    {
        QFETCH(EntryRow, row);
        Job job;
        job.volumes.style = row.style;
        job.source = row.source;
        job.destination = row.destination;
        QCOMPARE(job.run(), row.outcome);
        QCOMPARE(job.events, row.events);
        QVERIFY(entriesOf(job.out).isEmpty());
    }

    // Every failure is the error report with its cause: no batch file, and no chunk
    // file but the whole ones written before the failure.
    void failures_data()
    {
        QTest::addColumn<FailureRow>("row");
        const auto row = [](const char* tag, const FailureRow& row) { QTest::newRow(tag) << row; };
        const QString changed = "{source} changed while it was being split.";
        // Windows error 3: the path is not found; 2: the file is not.
        row("destination folder missing",
            {Setup::DestinationMissing, {}, 1, 0,
                "Cannot create {out}/no folder/reportdoc.1: " + systemReason("No such file or directory", 3)});
        row("destination is a file",
            {Setup::DestinationIsFile, {}, 1, 0,
                "Cannot create {out}/file/reportdoc.1: " + systemReason("Not a directory", 3)});
        row("source missing",
            {Setup::SourceMissing, {}, 0, 0, "Cannot read {source}: " + systemReason("No such file or directory", 2)});
        row("source is a folder", {Setup::SourceIsFolder, {}, 0, 0, "{source} is not a file."});
        row("name of three characters", {{}, {}, 0, 0, "The file name a.b is shorter than four characters.", "a.b"});
        row("more than 32,766 chunks",
            {{}, {}, 0, 0, "The split would need more than 32766 chunk files.", "report.doc", "100000"});
        row("size inf", {{}, {}, 0, 0, "\"inf\" is not a number.", "report.doc", {}, "inf"});
        row("size nan", {{}, {}, 0, 0, "\"nan\" is not a number.", "report.doc", {}, "nan"});
        // Values the fields never let through still end in the report, never in a crash.
        const QString unusable = "\"%1\" gives no usable chunk size.";
        row("count 0", {{}, {}, 0, 0, unusable.arg("0"), "report.doc", "0"});
        row("size -1", {{}, {}, 0, 0, unusable.arg("-1"), "report.doc", {}, "-1"});
        row("size 1e300", {{}, {}, 0, 0, unusable.arg("1e300"), "report.doc", {}, "1e300"});
        row("a folder has chunk 2's name",
            {Setup::FolderAtChunk2, {}, 2, 1, "Cannot create {out}/reportdoc.2: A folder has that name"});
        // The batch file's draft name would pass 255 bytes; so would a 253-byte name's batch file.
        for (const int length : {246, 253})
            row(qPrintable(QString::number(length) + "-character name"),
                {{}, {}, 0, 0, "The name " + QString(length - 4, 'n') + "doc.bat is too long for a file in {out}.",
                    QString(length - 4, 'n') + ".doc"});
#ifdef Q_OS_LINUX
        // Windows keeps other writers out of the source for the length of the job.
        const auto resizeTo = [](qint64 length) { return [=](QFile& source) { QVERIFY(source.resize(length)); }; };
        row("source vanishes, though readable while open",
            {{}, [](QFile& source) { QVERIFY(source.remove()); }, 3, 3, changed});
        row("source shrinks inside chunk 2", {{}, resizeTo(chunkLength + 500000), 2, 1, changed});
        // A short last chunk is read before its status line goes up.
        row("source one byte shorter in a short last chunk",
            {{}, resizeTo(2 * chunkLength + 999), 2, 2, changed, "report.doc", {}, "1.25", 2 * chunkLength + 1000});
        row("source grows by one byte", {{}, resizeTo(3000001), 3, 3, changed});
        // Its length and time put back afterwards, as touch -r and rsync --inplace -t do.
        row("source rewritten in place, its time put back",
            {{},
                [](QFile& source) {
                    const QDateTime modified = QFileInfo(source).lastModified();
                    QVERIFY(source.open(QIODevice::ReadWrite) && source.write("x") == 1);
                    source.close(); // before its time is set, or the close would set it again
                    QVERIFY(source.open(QIODevice::ReadWrite)
                        && source.setFileTime(modified, QFileDevice::FileModificationTime));
                },
                3, 3, changed});
        // No watch for writes sees a memory map; the time the writer leaves tells.
        row("source written through a memory map",
            {{},
                [](QFile& source) {
                    struct stat status;
                    QVERIFY(source.open(QIODevice::ReadWrite) && ::fstat(source.handle(), &status) == 0);
                    uchar* const bytes = source.map(0, 1);
                    QVERIFY(bytes && (bytes[0] ^= 1, source.unmap(bytes)));
                    // The clock may not have moved on since the source was written. Setting
                    // both times at once is no write either; setting one alone would count as one.
                    const timespec later[] {{status.st_atim.tv_sec + 60, 0}, { status.st_mtim.tv_sec + 60, 0 }};
                    QVERIFY(::futimens(source.handle(), later) == 0);
                },
                3, 3, changed});
#endif
    }

    void failures()
    {
        QFETCH(FailureRow, row);
        Job job;
        const QByteArray source = job.makeSource(row.name, row.length);
        job.splitBy(row.count, row.size);
        if (row.setup == Setup::DestinationMissing || row.setup == Setup::DestinationIsFile)
            job.destination = job.outFile(row.setup == Setup::DestinationMissing ? "no folder" : "file");
        QVERIFY(row.setup != Setup::DestinationIsFile || writeFile(job.destination, "x"));
        QVERIFY(row.setup != Setup::FolderAtChunk2 || QDir().mkpath(job.outFile("reportdoc.2")));
        if (row.setup == Setup::SourceMissing || row.setup == Setup::SourceIsFolder)
            QVERIFY(QFile::remove(job.source) && (row.setup == Setup::SourceMissing || QDir().mkpath(job.source)));
        job.onEvent = [&](const QString& event) {
            QFile file(job.source);
            if (row.change && event.endsWith("Processing reportdoc.2"))
                row.change(file);
        };
        QCOMPARE(job.run(), SplitOutcome::Failed);
        const QString cause
            = QDir::toNativeSeparators(QString(row.cause).replace("{source}", job.source).replace("{out}", job.out));
        QCOMPARE(job.events, start(job.source, job.destination) + processing(three.mid(0, row.shown)) + failure(cause));
        const bool inTheWay = row.setup == Setup::DestinationIsFile || row.setup == Setup::FolderAtChunk2;
        QCOMPARE(entriesOf(job.out).size(), row.complete + inTheWay);
        checkChunks(job, source, chunkLength, three, row.complete);
    }

    // An earlier, longer job left a longer file under a chunk's name, a hard link and a
    // symbolic link to the source sit at the names of another chunk and of the batch
    // file, and a dangling link at a third: every file is replaced whole, nothing is
    // written through a link, and the source stays as it was.
    void replacesWhatHadTheNames()
    {
        Job job;
        const QByteArray source = job.makeSource("report.doc", 3000000);
        QVERIFY(writeFile(job.outFile("reportdoc.1"), QByteArray(2000000, 'X')));
#ifdef Q_OS_LINUX // hard links, and symbolic links without the rights Windows asks for them
        QVERIFY(::link(QFile::encodeName(job.source), QFile::encodeName(job.outFile("reportdoc.2"))) == 0);
        QVERIFY(QFile::link(job.source, job.outFile("reportdoc.bat")));
        QVERIFY(QFile::link(job.tmp.filePath("nowhere"), job.outFile("reportdoc.3")));
#endif
        QCOMPARE(job.run(), SplitOutcome::Done);
        QVERIFY(readFile(job.source) == source);
        QVERIFY(!QFileInfo::exists(job.tmp.filePath("nowhere")));
        checkChunks(job, source, chunkLength, three, 3);
        QVERIFY(readFile(job.outFile("reportdoc.bat")).startsWith("Pushd \"%~dp0\"\r\nFor %%F in (\"reportdoc.1\")"));
    }

    // A source that leads, through a link, to a file the job would replace is refused
    // before anything is written: replacing it would destroy the source.
    void refusesToWriteOverTheSource_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("chunk 2") << "reportdoc.2";
        QTest::newRow("the batch file") << "reportdoc.bat";
    }

    void refusesToWriteOverTheSource()
    {
        QFETCH(QString, name);
#ifndef Q_OS_UNIX
        QSKIP("QFile makes shortcuts on Windows, not symbolic links");
#endif
        Job job;
        const QByteArray source = job.makeSource("report.doc", 3000000);
        QVERIFY(QFile::rename(job.source, job.outFile(name)) && QFile::link(job.outFile(name), job.source));
        QCOMPARE(job.run(), SplitOutcome::Failed);
        QCOMPARE(job.events,
            start(job.source, job.out)
                + failure("The split would write over the source file: " + job.source + " leads to " + job.outFile(name)
                    + "."));
        QCOMPARE(entriesOf(job.out), QStringList(name));
        QVERIFY(readFile(job.source) == source);
    }

    // Split v1 of a file, then an edited v2 of the same length into the same folder,
    // which fails halfway (a folder is in the way of chunk 2): v1's batch file would
    // join v2's first chunk with v1's last.
    void failureLeavesNoBatchFileOfAnEarlierJob()
    {
        Job job;
        const QByteArray v1 = job.makeSource("report.doc", 3000000);
        QCOMPARE(job.run(), SplitOutcome::Done);
        const QByteArray v2 = randomBytes(3000000, 8);
        QVERIFY(writeFile(job.source, v2));
        job.onEvent = [&](const QString& event) {
            if (event.endsWith("Processing reportdoc.2"))
                QVERIFY(QFile::remove(job.outFile("reportdoc.2")) && QDir().mkpath(job.outFile("reportdoc.2")));
        };
        QCOMPARE(job.run(), SplitOutcome::Failed);
        QCOMPARE(entriesOf(job.out), QStringList({"reportdoc.1", "reportdoc.2", "reportdoc.3"}));
        QVERIFY(readFile(job.outFile("reportdoc.1")) == v2.first(chunkLength));
        QVERIFY(readFile(job.outFile("reportdoc.3")) == v1.sliced(2 * chunkLength));
    }

    // 3,000,000 bytes to a folder that counts as a floppy drive. The drive reports free
    // space from the script, one entry a query, so each check must ask afresh; -1 is
    // no disk. Each next-disk prompt is answered by changing the disk, and the chunks
    // on the disk taken out must have reached it.
    void floppy_data()
    {
        QTest::addColumn<FloppyRow>("row");
        const qint64 disk = 1457664, afterOne = disk - chunkLength, last = 378558; // disk: an empty 1.44 MB one
        using enum Step;
        const QList<Step> threeDisks {Chunk1, NextDisk, Chunk2, NextDisk, Chunk3, Done};
        const auto row = [](const char* tag, const FloppyRow& row) { QTest::newRow(tag) << row; };
        row("No: only the picker, even with no source", {{}, {Picker}, MessageAnswer::No});
        row("first check, free = chunk size", {{chunkSize}, {LackOfSpace}});
        row("first check, one byte more", {{chunkSize + 1, disk, disk, disk}, {Chunk1, Chunk2, Chunk3, Done}});
        row("three empty disks", {{disk, afterOne, disk, afterOne, disk, disk}, threeDisks});
        row("three disks, to the root of the first floppy drive",
            {{disk, afterOne, disk, afterOne, disk, disk}, threeDisks, MessageAnswer::Yes, true});
        row("after a chunk, free space equal to the chunk size",
            {{disk, chunkSize, chunkSize + 1, disk, disk}, {Chunk1, NextDisk, Chunk2, Chunk3, Done}});
        row("OK without changing the disk prompts again",
            {{disk, 1000, 1000, 1000, disk, disk, disk}, {Chunk1, NextDisk, NextDisk, NextDisk, Chunk2, Chunk3, Done}});
        row("last disk one byte short, twice",
            {{disk, disk, disk, last - 1, last - 1, last}, {Chunk1, Chunk2, LastDisk, LastDisk, Chunk3, Done}});
        row("no disk at the first check", {{-1}, {Error}});
        row("OK with no disk in", {{disk, 1000, -1}, {Chunk1, NextDisk, Error}});
    }

    void floppy()
    {
        QFETCH(FloppyRow, row);
        Job job;
        const QByteArray source = job.makeSource("report.doc", 3000000);
        job.volumes.floppies = {job.out};
        for (const qint64 bytes : row.free)
            job.volumes.freeSpaceScript << (bytes < 0 ? std::nullopt : std::optional<qint64>(bytes));
        job.volumes.firstFloppyRoot = row.atFirstFloppyRoot ? job.out : QString();
        job.answer = row.answer;
        const bool declined = row.answer == MessageAnswer::No;
        job.source = declined ? QString() : job.source;
        QStringList removed; // the chunk files taken away on earlier disks
        QByteArray joined;
        job.onEvent = [&](const QString& event) {
            for (const QString& name : event.startsWith("[Enter next") ? entriesOf(job.out) : QStringList()) {
                removed << name;
                joined += readFile(job.outFile(name));
                QVERIFY2(dirtyPages(job.outFile(name)).value_or(0) == 0, "a chunk still in memory at the prompt");
                QVERIFY(QFile::remove(job.outFile(name)));
            }
        };
        job.run();

        const QHash<Step, QStringList> events {{Step::Chunk1, processing({three[0]})},
            {Step::Chunk2, processing({three[1]})}, {Step::Chunk3, processing({three[2]})},
            {Step::NextDisk, seen({"pointer default", "Enter next floppy", "pointer busy"})},
            {Step::LastDisk, seen({"pointer default", "Enter last floppy", "pointer busy"})},
            {Step::LackOfSpace, seen({"Lack of space", "pointer default", "picker", "status="})},
            {Step::Error, failure("The free space of " + job.out + " cannot be read: the drive is not ready.")},
            {Step::Done, finish("reportdoc", "report.doc")}, {Step::Picker, {"picker"}}};
        QStringList expected = seen({"Suggestion"}) + (declined ? QStringList() : start(job.source, job.out));
        for (const Step step : row.steps)
            expected += events.value(step);
        QCOMPARE(job.events, expected);
        QCOMPARE(job.volumes.queries, QStringList(row.free.size(), job.out));
        const bool done = row.steps.last() == Step::Done;
        const auto chunks
            = std::count_if(row.steps.begin(), row.steps.end(), [](Step step) { return step <= Step::Chunk3; });
        QCOMPARE(removed + entriesOf(job.out), three.mid(0, chunks) + QStringList(done, "reportdoc.bat"));
        for (const QString& name : three)
            joined += readFile(job.outFile(name));
        QVERIFY(!done || joined == source);
        const QByteArray batch = readFile(job.outFile("reportdoc.bat"));
        QCOMPARE(batch.contains("Del \"reportdoc.bat\""), done && !row.atFirstFloppyRoot);
    }

    // "Done" on a stick means the files are on it; a fixed disk is left to the system.
    void removableMediaHoldEverythingAtDone()
    {
        Job job;
        job.makeSource("report.doc", 3000000);
        job.volumes.removables = {job.out};
        QStringList dirty;
        job.onEvent = [&](const QString& event) {
            for (const QString& name : event.startsWith("[Done]") ? entriesOf(job.out) : QStringList())
                dirty << name + ' ' + QString::number(dirtyPages(job.outFile(name)).value_or(0));
        };
        QCOMPARE(job.run(), SplitOutcome::Done);
        QCOMPARE(dirty, (QStringList {"reportdoc.1 0", "reportdoc.2 0", "reportdoc.3 0", "reportdoc.bat 0"}));
    }

    // A disk that fills up, with the kernel's own write failure: a small tmpfs when the
    // suite may mount one (as root, as in CI), and on every Linux machine a file-size
    // limit in a child process. The chunk being written when it happens is removed.
    void diskFills_data()
    {
        QTest::addColumn<DiskFillRow>("row");
        const auto row = [](const char* tag, const DiskFillRow& row) { QTest::newRow(tag) << row; };
        row("file-size limit, kernel copy",
            {false, 3000000, 3, 600000, 0, "Cannot write {out}/reportdoc.1: File too large"});
        // Chunks of at most a page are written by hand.
        row("file-size limit, written by hand",
            {false, 6000, 2, 2000, 0, "Cannot write {out}/reportdoc.1: File too large"});
        row("4 MiB tmpfs, fourth chunk",
            {true, 10000000, 8, 4 << 20, 3, "Cannot write {out}/reportdoc.4: No space left on device"});
        // No batch file stays, neither cut short nor as a draft.
        row("tmpfs full halfway through the batch file",
            {true, 3000000, 60, 8 << 20, 60, "Cannot write {out}/reportdoc.bat: No space left on device", true});
    }

    void diskFills()
    {
#ifdef Q_OS_LINUX
        QFETCH(DiskFillRow, row);
        Job job;
        const QByteArray source = job.makeSource("report.doc", row.length);
        job.splitBy(QString::number(row.count), {});
        if (row.tmpfs && !job.mountTmpfs(row.room))
            QSKIP("this machine does not let the suite mount a tmpfs");
        if (row.othersFill)
            job.fillDiskAtBatchFile("reportdoc");
        const pid_t child = row.tmpfs ? -1 : fork();
        if (child == 0) {
            // Past the limit a write fails with EFBIG instead of ending the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit fileSize {rlim_t(row.room), rlim_t(row.room)};
            setrlimit(RLIMIT_FSIZE, &fileSize);
            const int outcome = int(job.run());
            writeFile(job.tmp.filePath("events"), job.events.join('\n').toUtf8());
            _exit(outcome);
        }
        int status = 0;
        QVERIFY(child < 0 || (waitpid(child, &status, 0) == child && WIFEXITED(status)));
        // On the tmpfs the job runs here.
        QCOMPARE(child < 0 ? job.run() : SplitOutcome(WEXITSTATUS(status)), SplitOutcome::Failed);
        job.events = child < 0 ? job.events : QString::fromUtf8(readFile(job.tmp.filePath("events"))).split('\n');
        const QStringList processed = chunkNames("reportdoc", std::min(row.complete + 1, row.count));
        // At the batch file, the first two lines of the finish have been shown.
        const QStringList reachedBatch = finish("reportdoc", "report.doc").mid(0, row.othersFill ? 2 : 0);
        const QString cause = QString(row.cause).replace("{out}", job.out);
        QCOMPARE(job.events, start(job.source, job.out) + processing(processed) + reachedBatch + failure(cause));
        QStringList left = QStringList(row.othersFill, "filler") + processed.mid(0, row.complete);
        left.sort();
        QCOMPARE(entriesOf(job.out), left);
        checkChunks(job, source, row.length / row.count + 1, processed, row.complete);
#else
        QSKIP("file-size limits and tmpfs are Linux features");
#endif
    }

    // From the disk the source is on to a tmpfs, another file system: every chunk
    // comes out whole.
    void copiesAcrossFileSystems()
    {
#ifndef Q_OS_LINUX
        QSKIP("the kernel's file-to-file copy, and the tmpfs, are Linux's");
#endif
        Job job;
        const QByteArray source = job.makeSource("report.doc", 3000000);
        job.splitBy("2", {});
        if (!job.mountTmpfs(8 << 20))
            QSKIP("this machine does not let the suite mount a tmpfs");
        QCOMPARE(job.run(), SplitOutcome::Done);
        const QStringList chunks = chunkNames("reportdoc", 2);
        QCOMPARE(job.events, start(job.source, job.out) + processing(chunks) + finish("reportdoc", "report.doc"));
        QCOMPARE(entriesOf(job.out), chunks + QStringList("reportdoc.bat"));
        checkChunks(job, source, 1500001, chunks, 2);
    }

    // A kernel copy that breaks off inside a chunk, or brings fewer bytes than the
    // chunk holds, fails the chunk and leaves no file; one the system cannot do at all
    // is done through the buffer.
    void kernelCopyEndsExactOrFails_data()
    {
        QTest::addColumn<KernelCopyRow>("row");
        const QString changed = "{source} changed while it was being split.";
        QTest::newRow("fails halfway") << KernelCopyRow {
            .missing = -1, .fails = true, .cause = "Cannot write {chunk}: Input/output error"};
        QTest::newRow("source ends halfway") << KernelCopyRow {.missing = -1, .cause = changed};
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
        const qint64 length = 1000000;
        const QByteArray source = job.makeSource("report.doc", length);
        QFile file(job.source);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
        engine::ChunkCopier copier(file, halfway);
        const QString chunk = job.outFile("reportdoc.1");
        QString failed;
        try {
            copier.read(0, length);
            copier.write(chunk, false);
        } catch (const engine::JobFailure& failure) {
            failed = failure.cause;
        }
        QCOMPARE(failed, QString(row.cause).replace("{chunk}", chunk).replace("{source}", job.source));
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
