// The split engine: its path rules and batch file bytes, then the split job end to
// end on real files (chunk files, batch file, status lines, pointer and message
// boxes), the ways it fails, the floppy flow with a scripted drive, a disk that
// really fills up, and a source past 2 GiB.

#include "engine/chunkplan.h"
#include "engine/enginetest.h"
#include "platform/pathrules.h"

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
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

// A row of the split table. `refusal`: why the job stops before writing any file.
struct SplitRow {
    QString name; qint64 length; bool bySize; QString value, prefix; Lengths chunks;
    QString refusal = {}, locale = "en_US";
};

// Chunk files before `complete` hold their piece in full; the next one, if any, a
// true beginning of it: cut short where the writing stopped, never padded.
void checkChunks(const Job& job, const QByteArray& source, qint64 length, const QStringList& names, int complete)
{
    for (int k = 0; k < names.size(); ++k) {
        const QByteArray wanted = source.mid(k * length, length), written = readFile(job.outFile(names[k]));
        QVERIFY2(k < complete ? written == wanted : written.size() < wanted.size() && wanted.startsWith(written),
                 qPrintable(names[k]));
    }
}

} // namespace

Q_DECLARE_METATYPE(SplitRow)

class SplitJobTest : public QObject {
    Q_OBJECT

private slots:
    // Path rules of both path styles, and the batch file byte for byte (as Latin-1
    // text, one character a byte).
    void rules_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const PathStyle win = PathStyle::Windows, posix = PathStyle::Posix;
        QTest::newRow("windows file name") << fileNameOf(R"(D:\Backup\report.doc)", win) << "report.doc";
        QTest::newRow("posix: a backslash is a letter") << fileNameOf(R"(/home/a\b.doc)", posix) << R"(a\b.doc)";
        QTest::newRow("windows join to a bare drive") << joinPath("C:", "reportdoc.1", win) << R"(C:\reportdoc.1)";
        QTest::newRow("posix join to the root") << joinPath("/", "reportdoc.1", posix) << "/reportdoc.1";
        QTest::newRow("windows destination rule") << applyDestinationRule(R"(c:\)", win) << "C:";
        QTest::newRow("posix destination rule") << applyDestinationRule("/mn", posix) << "/mn";
        QTest::newRow("windows browse") << *destinationAfterBrowse(R"(D:\B\r.doc)", "r.doc", win) << R"(D:\B)";
        QTest::newRow("windows browse to a root") << *destinationAfterBrowse(R"(c:\r.doc)", "r.doc", win) << "C:";
        QTest::newRow("windows browse cancelled") << destinationAfterBrowse("", "", win).value_or("-") << "-";
        QTest::newRow("posix browse to the root") << *destinationAfterBrowse("/r.doc", "r.doc", posix) << "/";
        QTest::newRow("windows drop to a root") << destinationAfterDrop(R"(c:\report.doc)", win) << "C:";
        QTest::newRow("posix drop to the root") << destinationAfterDrop("/report.doc", posix) << "/";
        QTest::newRow("floppy a:\\data") << QString::number(isFloppyDriveText(R"(a:\data)")) << "1";
        QTest::newRow("no floppy after a blank") << QString::number(isFloppyDriveText(" A:")) << "0";
        QTest::newRow("no floppy C:") << QString::number(isFloppyDriveText(R"(C:\data)")) << "0";

        QTemporaryDir dir;
        const auto written = [&](const QString& prefix, int chunks, const QString& name, bool deletes = true) {
            const QString path = dir.filePath(prefix + ".bat"); // over a longer one, which leaves no tail
            const bool ok = writeFile(path, QByteArray(100000, 'X'))
                && engine::writeBatchFile(path, {prefix, chunks, name, deletes});
            return QString::fromLatin1(ok ? readFile(path) : "not written");
        };
        // Nothing is deleted unless every chunk file was there and the join succeeded.
        const QString three = "If not exist \"reportdoc.1\" Goto End\r\nIf not exist \"reportdoc.2\" Goto End\r\n"
                              "If not exist \"reportdoc.3\" Goto End\r\n"
                              "Copy /b \"reportdoc.1\"+\"reportdoc.2\"+\"reportdoc.3\" \"report.doc\"\r\n"
                              "If errorlevel 1 Goto End\r\nDel \"reportdoc.1\"\r\nDel \"reportdoc.2\"\r\n"
                              "Del \"reportdoc.3\"\r\nDel \"reportdoc.bat\"\r\n:End\r\n";
        const auto one = [](const QString& prefix, const QString& name) {
            return "If not exist \"" + prefix + ".1\" Goto End\r\nCopy /b \"" + prefix + ".1\" \"" + name
                + "\"\r\nIf errorlevel 1 Goto End\r\nDel \"" + prefix + ".1\"\r\nDel \"" + prefix
                + ".bat\"\r\n:End\r\n";
        };
        QTest::newRow("batch file, three chunks") << written("reportdoc", 3, "report.doc") << three;
        QTest::newRow("batch file in the root of the first floppy drive")
            << written("reportdoc", 3, "report.doc", false) << QString(three).remove("Del \"reportdoc.bat\"\r\n");
        QTest::newRow("batch file, one chunk, spaces")
            << written("my reportdoc", 1, "my report.doc") << one("my reportdoc", "my report.doc");
        QTest::newRow("batch file, percent doubled")
            << written("100% suredoc", 1, "100% sure.doc") << one("100%% suredoc", "100%% sure.doc");
        // The command interpreter reads the OEM code page: 850 for a western Windows.
        QTest::newRow("batch file, café in code page 850")
            << written("cafédoc", 1, "café.doc") << one("caf\u0082doc", "caf\u0082.doc");
    }

    void rules()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // The interpreter refuses lines past 8,191 characters and then goes on to the
    // Del lines: a long join is spread over Copy lines that append, each checked.
    void longJoinFitsTheInterpreter()
    {
        const QStringList lines = engine::batchFileText({"reportdoc", 3000, "report.doc", true}).split("\r\n");
        QStringList copied;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY(lines[i].size() <= 8191);
            if (!lines[i].startsWith("Copy /b "))
                continue;
            QCOMPARE(lines[i + 1], "If errorlevel 1 Goto End");
            QStringList names = lines[i].mid(8).split(' ').first().split('+');
            QCOMPARE(names.takeFirst(), copied.isEmpty() ? "\"reportdoc.1\"" : "\"report.doc\"");
            copied << (copied.isEmpty() ? QStringList {"\"reportdoc.1\""} : QStringList()) << names;
        }
        QCOMPARE(copied, chunkNames("\"reportdoc", 3000).replaceInStrings(QRegularExpression("$"), "\""));
    }

    void splits_data()
    {
        QTest::addColumn<SplitRow>("row");
        const auto row = [](const char* tag, const SplitRow& row) { QTest::newRow(tag) << row; };
        row("10,000,000 in 3", {"report.doc", 10000000, false, "3", "reportdoc", {3333334, 3333334, 3333332}});
        row("1.44 MB", {"report.doc", 10000000, true, "1.44", "reportdoc",
                        {1509950, 1509950, 1509950, 1509950, 1509950, 1509950, 940300}});
        row("exactly the chunk size", {"report.doc", chunkSize, true, "1.25", "reportdoc", {chunkSize}});
        row("exact multiple of the chunk length",
            {"report.doc", 2 * chunkLength, true, "1.25", "reportdoc", {chunkLength, chunkLength}});
        row("6 bytes in 4", {"data.bin", 6, false, "4", "databin", {2, 2, 2}});
        row("empty source by count", {"empty.txt", 0, false, "2", "emptytxt", {0}});
        row("README", {"README", 3000000, true, "1.25", "REDME", {chunkLength, chunkLength, 378558}});
        row("spaces, percent, accent", {"my 100% café.doc", 5000, false, "2", "my 100% cafédoc", {2501, 2499}});
        // Refused: too small for the chunk size (shown as the user's locale writes it), ...
        row("1.25 MB, one byte short", {"report.doc", chunkSize - 1, true, "1.25", {}, {}, "1.25"});
        row("1.44 MB, one byte short", {"report.doc", 1509948, true, "1.44", {}, {}, "1.4399995803833"});
        row("German 1,25", {"report.doc", 5, true, "1,25", {}, {}, "1,25", "de_DE"});
        // ... or a name that cannot be written safely into the batch file.
        // Backslashes and colons would reach other folders and drives on Windows,
        // where device names and trailing dots or blanks name other things too.
        for (const QString name : {"a\"b.doc", "a\nb.doc", "a\rb.doc", "a*b.doc", "日本.doc", "..\\..\\win.ini",
                 "C:x.doc", "nul.txt", "Com1.tar.gz", "CON.doc", "report.doc."})
            row(qPrintable("unsafe name " + name.toUtf8().toPercentEncoding()),
                {name, 3000000, true, "1.25", {}, {}, "unsafe"});
    }

    void splits()
    {
        QFETCH(SplitRow, row);
        Job job;
        job.locale = QLocale(row.locale);
        const QByteArray source = job.makeSource(row.name, row.length);
        const QString path = job.source;
        (row.bySize ? job.size : job.number) = row.value;
        job.bySize = row.bySize;
        job.source = "  " + path + " "; // trimmed and written back, whatever the outcome
        job.destination = " " + job.out + "  ";
        const QStringList names = chunkNames(row.prefix, int(row.chunks.size()));
        QCOMPARE(job.run(), names.isEmpty() ? SplitOutcome::Stopped : SplitOutcome::Done);

        if (names.isEmpty()) { // the hourglass stays up while the box is shown
            const QString text = row.refusal == "unsafe"
                ? "The file name " + row.name + " cannot be written into the re-assembly batch file. Rename the "
                                                "file and try again."
                : "The file size of report.doc is less than " + row.refusal + " MegaBytes. Hence cannot be "
                  "splitted.\r\nThis is because, you can store the orginal file on to the floppy without "
                  "splitting it up.";
            const QStringList refused {"[Error] " + text + " {error, OK}", "pointer default", "status="};
            QCOMPARE(job.events, start(path, job.out) + refused);
            QCOMPARE(entriesOf(job.out), QStringList());
            return;
        }
        QCOMPARE(job.events, start(path, job.out) + processing(names) + finish(row.prefix, row.name));
        QCOMPARE(entriesOf(job.out), names + QStringList {row.prefix + ".bat"});
        QByteArray joined;
        for (int k = 0; k < names.size(); ++k) {
            joined += readFile(job.outFile(names[k]));
            QCOMPARE(QFileInfo(job.outFile(names[k])).size(), row.chunks[k]);
        }
        QVERIFY(joined == source); // re-assembled by concatenation
        QCOMPARE(readFile(job.outFile(row.prefix + ".bat")), batchBytes(row.prefix, names.size(), row.name));
        QVERIFY(job.volumes.queries.isEmpty()); // no free-space check off a floppy
    }

    // The entry checks end the job before the hourglass; only an empty text is
    // missing, so a text of blanks goes on and fails as a missing source.
    void entryChecks_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QStringList>("events");
        const QString noSource = "[Source file missing] Please specify a source file name before proceeding "
                                 "to this step. {warning, OK}";
        const QString noDestination = "[Destination folder missing] Please specify a destination folder before "
                                      "proceeding to this step. {warning, OK}";
        QTest::newRow("no source") << "" << "/tmp" << QStringList {noSource, "focus source"};
        QTest::newRow("no destination")
            << "  /tmp/x.doc " << "" << QStringList {"source=/tmp/x.doc", noDestination, "focus destination"};
        QTest::newRow("blanks") << "  " << " " << start("", "") + failure();
    }

    void entryChecks()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QStringList, events);
        Job job;
        job.source = source;
        job.destination = destination;
        QCOMPARE(job.run(), events.last().startsWith("focus") ? SplitOutcome::Stopped : SplitOutcome::Failed);
        QCOMPARE(job.events, events);
        QVERIFY(entriesOf(job.out).isEmpty());
    }

    // Every failure is the error report: nothing written beyond the chunks whose
    // status line went up, no batch file, and no chunk padded or cut silently.
    void failures_data()
    {
        QTest::addColumn<QString>("situation");
        // The source's new length once the status line names chunk 2 (-1: deleted, 0: no change), the
        // chunks whose status line went up, and the chunk files written in full.
        QTest::addColumn<Lengths>("lengths");
        QTest::newRow("destination folder missing") << "no folder" << Lengths {0, 1, 0};
        QTest::newRow("destination is a file") << "file" << Lengths {0, 1, 0};
        QTest::newRow("source missing") << "no source" << Lengths {0, 0, 0};
        QTest::newRow("source is a folder") << "folder" << Lengths {0, 0, 0};
        QTest::newRow("name of three characters") << "a.b" << Lengths {0, 0, 0};
        QTest::newRow("more than 32,766 chunks") << "100000 chunks" << Lengths {0, 0, 0};
        QTest::newRow("source vanishes, though readable while open") << "" << Lengths {-1, 3, 3};
        QTest::newRow("source shrinks inside chunk 2") << "" << Lengths {chunkLength + 500000, 2, 1};
        // A short last chunk is read before its status line goes up.
        QTest::newRow("source one byte shorter in a short last chunk")
            << "short" << Lengths {2 * chunkLength + 999, 2, 2};
        QTest::newRow("source grows by one byte") << "" << Lengths {3000001, 3, 3};
        QTest::newRow("source rewritten, same length") << "rewrite" << Lengths {0, 3, 3};
    }

    void failures()
    {
        QFETCH(QString, situation);
        QFETCH(Lengths, lengths);
        Job job;
        const QByteArray source = job.makeSource(situation == "a.b" ? "a.b" : "report.doc",
                                                 situation == "short" ? 2 * chunkLength + 1000 : 3000000);
        job.bySize = situation != "100000 chunks";
        job.number = "100000";
        job.destination = situation == "no folder" || situation == "file" ? job.outFile(situation) : job.out;
        QVERIFY(situation != "file" || writeFile(job.destination, "x"));
        if (situation == "no source" || situation == "folder")
            QVERIFY(QFile::remove(job.source) && (situation == "no source" || QDir().mkpath(job.source)));
        job.onEvent = [&](const QString& event) {
            QFile rewritten(job.source);
            if (situation == "rewrite" && event.endsWith("Processing reportdoc.2"))
                QVERIFY(rewritten.open(QIODevice::ReadWrite) && rewritten.write("x") == 1
                        && rewritten.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                                 QFileDevice::FileModificationTime));
            if (lengths[0] != 0 && event.endsWith("Processing reportdoc.2"))
                QVERIFY(lengths[0] < 0 ? QFile::remove(job.source) : QFile::resize(job.source, lengths[0]));
        };
        QCOMPARE(job.run(), SplitOutcome::Failed);
        const QStringList shown = three.mid(0, lengths[1]);
        QCOMPARE(job.events, start(job.source, job.destination) + processing(shown) + failure());
        QVERIFY(entriesOf(job.out).size() <= shown.size() && !QFile::exists(job.outFile("reportdoc.bat")));
        checkChunks(job, source, chunkLength, shown, int(lengths[2]));
    }

    // An earlier, longer job left longer files under the same names, and a link at
    // one chunk's name points at a file of the user's: every file is replaced whole
    // and nothing is written through the link.
    void replacesWhatHadTheNames()
    {
        Job job;
        const QByteArray source = job.makeSource("report.doc", 3000000);
        const QString victim = job.tmp.filePath("victim.txt");
        QVERIFY(writeFile(victim, "keep me") && QFile::link(victim, job.outFile("reportdoc.2")));
        for (const QString name : {"reportdoc.1", "reportdoc.3", "reportdoc.bat"})
            QVERIFY(writeFile(job.outFile(name), QByteArray(2000000, 'X')));
        QCOMPARE(job.run(), SplitOutcome::Done);
        QCOMPARE(readFile(victim), QByteArray("keep me"));
        checkChunks(job, source, chunkLength, three, 3);
        QCOMPARE(readFile(job.outFile("reportdoc.bat")), batchBytes("reportdoc", 3, "report.doc"));
    }

    // 3,000,000 bytes to a folder that counts as a floppy drive. The drive reports free
    // space from the script, one entry a query, so each check must ask afresh; -1 is
    // no disk. Each next-disk prompt is answered by changing the disk.
    void floppy_data()
    {
        QTest::addColumn<Lengths>("free");
        QTest::addColumn<QStringList>("steps");
        const qint64 disk = 1457664, afterOne = disk - chunkLength, last = 378558; // disk: an empty 1.44 MB one
        const QStringList threeDisks {"1", "next", "2", "next", "3", "Done"};
        QTest::newRow("No: only the picker, even with no source") << Lengths() << QStringList {"No"};
        QTest::newRow("first check, free = chunk size") << Lengths {chunkSize} << QStringList {"Lack of space"};
        QTest::newRow("first check, one byte more")
            << Lengths {chunkSize + 1, disk, disk, disk} << QStringList {"1", "2", "3", "Done"};
        QTest::newRow("three empty disks") << Lengths {disk, afterOne, disk, afterOne, disk, disk} << threeDisks;
        QTest::newRow("three disks, to the root of the first floppy drive")
            << Lengths {disk, afterOne, disk, afterOne, disk, disk} << QStringList {"root"} + threeDisks;
        QTest::newRow("after a chunk, free space equal to the chunk size")
            << Lengths {disk, chunkSize, chunkSize + 1, disk, disk} << QStringList {"1", "next", "2", "3", "Done"};
        QTest::newRow("OK without changing the disk prompts again")
            << Lengths {disk, 1000, 1000, 1000, disk, disk, disk}
            << QStringList {"1", "next", "next", "next", "2", "3", "Done"};
        QTest::newRow("last disk one byte short, twice") << Lengths {disk, disk, disk, last - 1, last - 1, last}
                                                         << QStringList {"1", "2", "last", "last", "3", "Done"};
        QTest::newRow("no disk at the first check") << Lengths {-1} << QStringList {"Error"};
        QTest::newRow("OK with no disk in") << Lengths {disk, 1000, -1} << QStringList {"1", "next", "Error"};
    }

    void floppy()
    {
        QFETCH(Lengths, free);
        QFETCH(QStringList, steps);
        Job job;
        const QByteArray source = job.makeSource("report.doc", 3000000);
        job.volumes.floppies = {job.out};
        for (const qint64 bytes : free)
            job.volumes.freeSpaceScript << (bytes < 0 ? std::nullopt : std::optional<qint64>(bytes));
        job.volumes.firstFloppyRoot = steps[0] == "root" ? job.out : QString();
        const bool declined = steps[0] == "No";
        job.source = declined ? QString() : job.source;
        job.answer = declined ? MessageAnswer::No : MessageAnswer::Yes;
        QStringList removed; // the chunk files taken away on earlier disks
        QByteArray joined;
        job.onEvent = [&](const QString& event) {
            for (const QString& name : event.startsWith("[Enter next") ? entriesOf(job.out) : QStringList()) {
                removed << name;
                joined += readFile(job.outFile(name));
                QVERIFY(QFile::remove(job.outFile(name)));
            }
        };
        job.run();

        const QHash<QString, QStringList> events {
            {"1", processing({three[0]})}, {"2", processing({three[1]})}, {"3", processing({three[2]})},
            {"next", seen({"pointer default", "Enter next floppy", "pointer busy"})},
            {"last", seen({"pointer default", "Enter last floppy", "pointer busy"})},
            {"Lack of space", seen({"Lack of space", "pointer default", "picker", "status="})},
            {"Error", failure()}, {"Done", finish("reportdoc", "report.doc")}, {"No", {"picker"}}};
        QStringList expected = seen({"Suggestion"}) + (declined ? QStringList() : start(job.source, job.out));
        for (const QString& step : steps)
            expected += events.value(step);
        QCOMPARE(job.events, expected);
        QCOMPARE(job.volumes.queries, QStringList(free.size(), job.out));
        const bool done = steps.last() == "Done";
        const QStringList written = three.mid(0, steps.filter(QRegularExpression("^\\d$")).size());
        QCOMPARE(removed + entriesOf(job.out), written + QStringList(done, "reportdoc.bat"));
        for (const QString& name : three)
            joined += readFile(job.outFile(name));
        QVERIFY(!done || joined == source);
        QCOMPARE(readFile(job.outFile("reportdoc.bat")),
                 done ? batchBytes("reportdoc", 3, "report.doc", steps[0] != "root") : "");
    }

    // A disk that fills up in the middle of a chunk, with the kernel's own write
    // failure: a small tmpfs when the suite may mount one (as root, as in CI), and on
    // every Linux machine a file-size limit in a child process.
    void diskFills_data()
    {
        QTest::addColumn<bool>("tmpfs");
        // Source length, chunk count, bytes one file or the whole tmpfs may hold, chunk files written in full.
        QTest::addColumn<Lengths>("setup");
        QTest::newRow("file-size limit, buffered copy") << false << Lengths {3000000, 3, 600000, 0};
        // The first chunk starts on a page boundary and is long enough for the kernel copy.
        QTest::newRow("file-size limit, kernel copy") << false << Lengths {160000000, 2, 70000000, 0};
        QTest::newRow("4 MiB tmpfs, fourth chunk") << true << Lengths {10000000, 8, 4 << 20, 3};
    }

    void diskFills()
    {
#ifdef Q_OS_LINUX
        QFETCH(bool, tmpfs);
        QFETCH(Lengths, setup);
        Job job;
        const QByteArray source = job.makeSource("report.doc", setup[0]);
        job.bySize = false;
        job.number = QString::number(setup[1]);
        const QByteArray mountPoint = QFile::encodeName(job.out), options = "size=" + QByteArray::number(setup[2]);
        if (tmpfs && ::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()))
            QSKIP("this machine does not let the suite mount a tmpfs");
        const auto unmount = qScopeGuard([&] { if (tmpfs) ::umount2(mountPoint.constData(), MNT_DETACH); });
        const pid_t child = tmpfs ? -1 : fork();
        if (child == 0) {
            // Past the limit a write fails with EFBIG instead of ending the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit fileSize {rlim_t(setup[2]), rlim_t(setup[2])};
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
        const QStringList processed = chunkNames("reportdoc", int(setup[3]) + 1);
        QCOMPARE(job.events, start(job.source, job.out) + processing(processed) + failure());
        QCOMPARE(entriesOf(job.out), processed); // what was written stays, and no batch file
        checkChunks(job, source, setup[0] / setup[1] + 1, processed, int(setup[3]));
        QVERIFY(tmpfs || QFileInfo(job.outFile(processed.last())).size() == setup[2]); // written up to the limit
#else
        QSKIP("file-size limits and tmpfs are Linux features");
#endif
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
        QFile source(job.source = job.tmp.filePath("disk.img"));
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
    }
};

QTEST_GUILESS_MAIN(SplitJobTest)
#include "tst_splitjob.moc"
