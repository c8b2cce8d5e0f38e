// Splitting straight onto floppy disks: the warning question, the free-space
// checks and the disk-change prompts, with a scripted drive.

#include "engine/splitjob.h"
#include "expectedtexts.h"
#include "fakesplitwindow.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace quarnix;
using engine::SplitOutcome;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using testing::readFile;
namespace expected = testing::expected;

using FreeSpace = QList<qint64>; // -1: the query fails (no disk, drive not ready)

namespace {

constexpr qint64 chunkSize = 1310720;   // 1.25 MB
constexpr qint64 chunkLength = 1310721;
constexpr qint64 lastLength = 378558;   // of a 3,000,000-byte source
constexpr qint64 emptyDisk = 1457664;   // a formatted 1.44 MB disk
constexpr qint64 afterOneChunk = emptyDisk - chunkLength;

// A floppy drive mounted at a real folder. Changing the disk moves what the drive
// holds into a folder of its own, so a test can look at each disk afterwards.
struct Drive {
    QTemporaryDir tmp;
    QString in = tmp.filePath(QStringLiteral("in"));
    QString mount = tmp.filePath(QStringLiteral("floppy"));
    testing::FakeSplitWindow window;
    testing::FakeVolumes volumes;
    QList<QStringList> disks; // what each removed disk held
    QByteArray source;

    Drive()
    {
        QDir().mkpath(in);
        QDir().mkpath(mount);
        volumes.style = platform::PathStyle::Posix;
        window.style = platform::PathStyle::Posix;
        volumes.floppies = {mount};
        window.destination = mount;
        window.source = QDir(in).filePath(QStringLiteral("report.doc"));
        source = testing::patternBytes(3000000, 3);
        testing::writeFile(window.source, source);
        window.bySize = true;
        window.size = QStringLiteral("1.25");
    }

    void script(const FreeSpace& free)
    {
        for (const qint64 bytes : free)
            volumes.freeSpaceScript.append(bytes < 0 ? std::nullopt : std::optional<qint64>(bytes));
    }

    // Every disk-change prompt is answered by putting in a fresh disk.
    void changeDiskOnPrompt()
    {
        window.messages.onShow = [this](const testing::ShownMessage& box) {
            if (box.title != QLatin1String("Enter next floppy") && box.title != QLatin1String("Enter last floppy"))
                return;
            const QString disk = tmp.filePath(QStringLiteral("disk%1").arg(disks.size() + 1));
            QDir().mkpath(disk);
            const QStringList held = testing::entriesOf(mount);
            for (const QString& name : held)
                QFile::rename(QDir(mount).filePath(name), QDir(disk).filePath(name));
            disks.append(held);
        };
    }

    SplitOutcome run()
    {
        engine::SplitJob job(window, volumes, QLocale(QLocale::English, QLocale::UnitedStates));
        return job.run();
    }

    // The chunk files from every disk and the drive, joined in order.
    QByteArray joined() const
    {
        QByteArray bytes;
        for (int k = 1;; ++k) {
            const QString name = QStringLiteral("reportdoc.%1").arg(k);
            QString found;
            for (int d = 1; d <= disks.size() && found.isEmpty(); ++d) {
                const QString path = tmp.filePath(QStringLiteral("disk%1/%2").arg(d).arg(name));
                if (QFile::exists(path))
                    found = path;
            }
            if (found.isEmpty() && QFile::exists(QDir(mount).filePath(name)))
                found = QDir(mount).filePath(name);
            if (found.isEmpty())
                return bytes;
            bytes += readFile(found);
        }
    }
};

const QStringList chunks = testing::chunkNames(QStringLiteral("reportdoc"), 3);

} // namespace

class FloppyTest : public QObject {
    Q_OBJECT

private slots:
    void declinedQuestionOpensPickerOnly_data();
    void declinedQuestionOpensPickerOnly();
    void acceptedQuestionGoesOnToEntryChecks();
    void initialCheck_data();
    void initialCheck();
    void threeMillionBytesOnThreeDisks_data();
    void threeMillionBytesOnThreeDisks();
    void waits_data();
    void waits();
    void queryFailure_data();
    void queryFailure();
    void windowsDriveLetters_data();
    void windowsDriveLetters();
};

void FloppyTest::declinedQuestionOpensPickerOnly_data()
{
    QTest::addColumn<bool>("emptySource");
    QTest::newRow("source given") << false;
    QTest::newRow("source empty") << true;
}

void FloppyTest::declinedQuestionOpensPickerOnly()
{
    QFETCH(bool, emptySource);
    Drive drive;
    drive.window.source = emptySource ? QString() : QStringLiteral(" ") + drive.window.source;
    const QString source = drive.window.source;
    drive.window.messages.answers = {MessageAnswer::No};

    QCOMPARE(drive.run(), SplitOutcome::Stopped);

    QCOMPARE(drive.window.events, (QStringList {"box [Suggestion]", "picker"}));
    QCOMPARE(expected::describe(drive.window.messages.shown.first()),
             expected::describe(QStringLiteral("Suggestion"), expected::floppyQuestion, MessageIcon::Question,
                                MessageButtons::YesNo));
    QCOMPARE(drive.window.source, source); // not even trimmed
    QCOMPARE(drive.window.destination, drive.mount);
    QVERIFY(drive.volumes.queries.isEmpty());
    QVERIFY(testing::entriesOf(drive.mount).isEmpty());
}

void FloppyTest::acceptedQuestionGoesOnToEntryChecks()
{
    Drive drive;
    drive.window.source.clear();
    QCOMPARE(drive.run(), SplitOutcome::Stopped);
    QCOMPARE(drive.window.events,
             (QStringList {"box [Suggestion]", "box [Source file missing]", "focus source"}));
}

void FloppyTest::initialCheck_data()
{
    QTest::addColumn<qint64>("free");
    QTest::addColumn<bool>("passes");
    QTest::newRow("free space equal to the chunk size") << chunkSize << false;
    QTest::newRow("nothing free") << qint64(0) << false;
    QTest::newRow("one byte more than the chunk size") << chunkSize + 1 << true;
}

void FloppyTest::initialCheck()
{
    QFETCH(qint64, free);
    QFETCH(bool, passes);
    Drive drive;
    drive.script({free, emptyDisk});
    bool busyWhileShown = false;
    drive.window.messages.onShow = [&](const testing::ShownMessage& box) {
        if (box.title == QLatin1String("Lack of space"))
            busyWhileShown = drive.window.busy;
    };

    const SplitOutcome outcome = drive.run();

    const QStringList begin = QStringList {"box [Suggestion]"}
        + expected::entry(drive.window.source, drive.mount) + expected::start();
    if (!passes) {
        QCOMPARE(outcome, SplitOutcome::Stopped);
        const QStringList lackOfSpace {"box [Lack of space]", "pointer default", "picker", "status="};
        QCOMPARE(drive.window.events, begin + lackOfSpace);
        QCOMPARE(expected::describe(drive.window.messages.shown.last()),
                 expected::describe(QStringLiteral("Lack of space"), expected::lackOfSpace, MessageIcon::Warning,
                                    MessageButtons::Ok));
        QVERIFY(busyWhileShown);
        QCOMPARE(drive.volumes.queries, QStringList {drive.mount});
        QVERIFY(testing::entriesOf(drive.mount).isEmpty());
    } else {
        QCOMPARE(outcome, SplitOutcome::Done);
        QCOMPARE(drive.window.events,
                 begin + expected::processing(chunks) + expected::finish(QStringLiteral("reportdoc")));
        // The first check, after chunks 1 and 2, and before the last one.
        QCOMPARE(drive.volumes.queries, QStringList(4, drive.mount));
        QVERIFY(drive.joined() == drive.source);
    }
}

void FloppyTest::threeMillionBytesOnThreeDisks_data()
{
    QTest::addColumn<bool>("firstFloppyRoot");
    QTest::newRow("a folder on the floppy") << false;
    QTest::newRow("the root of the first floppy drive") << true;
}

void FloppyTest::threeMillionBytesOnThreeDisks()
{
    QFETCH(bool, firstFloppyRoot);
    Drive drive;
    if (firstFloppyRoot)
        drive.volumes.firstFloppyRoot = drive.mount;
    // Empty disks; each keeps less than a chunk length free after one chunk.
    drive.script({emptyDisk, afterOneChunk, emptyDisk, afterOneChunk, emptyDisk, emptyDisk});
    drive.changeDiskOnPrompt();
    QStringList statusWhilePrompted;
    QList<bool> busyWhilePrompted;
    drive.window.messages.onShow = [&, change = drive.window.messages.onShow](const testing::ShownMessage& box) {
        statusWhilePrompted.append(drive.window.status);
        busyWhilePrompted.append(drive.window.busy);
        change(box);
    };

    QCOMPARE(drive.run(), SplitOutcome::Done);

    const QStringList nextDisk {"pointer default", "box [Enter next floppy]", "pointer busy"};
    QCOMPARE(drive.window.events, QStringList {"box [Suggestion]"}
                 + expected::entry(drive.window.source, drive.mount) + expected::start()
                 + expected::processing({chunks[0]}) + nextDisk + expected::processing({chunks[1]}) + nextDisk
                 + expected::processing({chunks[2]}) + expected::finish(QStringLiteral("reportdoc")));
    QCOMPARE(drive.window.messages.shown.size(), 4);
    QCOMPARE(expected::describe(drive.window.messages.shown[1]),
             expected::describe(QStringLiteral("Enter next floppy"), expected::nextFloppy,
                                MessageIcon::Information, MessageButtons::Ok));
    const QString processing = QStringLiteral("Wait... split operation is in progress...Processing ");
    QCOMPARE(statusWhilePrompted.mid(1, 2), (QStringList {processing + chunks[0], processing + chunks[1]}));
    QCOMPARE(busyWhilePrompted.mid(1, 2), (QList<bool> {false, false}));
    QCOMPARE(drive.volumes.queries, QStringList(6, drive.mount));

    // One chunk a disk; the third disk also takes the batch file.
    QCOMPARE(drive.disks, (QList<QStringList> {{chunks[0]}, {chunks[1]}}));
    QCOMPARE(testing::entriesOf(drive.mount), (QStringList {chunks[2], "reportdoc.bat"}));
    QCOMPARE(readFile(QDir(drive.mount).filePath("reportdoc.3")).size(), lastLength);
    QVERIFY(drive.joined() == drive.source);
    QCOMPARE(readFile(QDir(drive.mount).filePath("reportdoc.bat")),
             testing::expectedBatch(QStringLiteral("reportdoc"), QStringLiteral("report.doc"), 3,
                                    !firstFloppyRoot));
}

void FloppyTest::waits_data()
{
    QTest::addColumn<FreeSpace>("free");
    QTest::addColumn<QStringList>("prompts");

    const qint64 big = emptyDisk;
    QTest::newRow("room for everything") << FreeSpace {big} << QStringList {};
    QTest::newRow("OK without changing the disk prompts again")
        << FreeSpace {big, 1000, 1000, 1000, big} << QStringList {"next", "next", "next"};
    QTest::newRow("free space equal to the chunk size after a chunk")
        << FreeSpace {big, chunkSize, chunkSize + 1} << QStringList {"next"};
    QTest::newRow("after the last full chunk the chunk size still counts")
        << FreeSpace {big, big, chunkSize, big} << QStringList {"next"};
    QTest::newRow("last disk with one byte less than the last chunk")
        << FreeSpace {big, big, big, lastLength - 1, lastLength - 1, lastLength}
        << QStringList {"last", "last"};
    QTest::newRow("last disk with exactly the last chunk's length")
        << FreeSpace {big, big, big, lastLength} << QStringList {};
}

void FloppyTest::waits()
{
    QFETCH(FreeSpace, free);
    QFETCH(QStringList, prompts);

    Drive drive;
    drive.script(free);
    QCOMPARE(drive.run(), SplitOutcome::Done);

    QStringList shown;
    for (const testing::ShownMessage& box : drive.window.messages.shown) {
        if (box.title == QLatin1String("Enter next floppy")) {
            shown.append(QStringLiteral("next"));
            QCOMPARE(box.text, expected::nextFloppy);
        } else if (box.title == QLatin1String("Enter last floppy")) {
            shown.append(QStringLiteral("last"));
            QCOMPARE(expected::describe(box),
                     expected::describe(QStringLiteral("Enter last floppy"), expected::lastFloppy,
                                        MessageIcon::Information, MessageButtons::Ok));
        }
    }
    QCOMPARE(shown, prompts);
    QCOMPARE(drive.volumes.queries.size(), 4 + prompts.size());
    QVERIFY(drive.joined() == drive.source);
    QVERIFY(!drive.window.busy);
}

void FloppyTest::queryFailure_data()
{
    QTest::addColumn<FreeSpace>("free");
    QTest::addColumn<QStringList>("processed");
    QTest::addColumn<QStringList>("promptEvents");
    const qint64 big = emptyDisk;
    const QStringList none;
    QTest::newRow("no disk at the first check") << FreeSpace {-1} << none << none;
    QTest::newRow("drive not ready after chunk 1") << FreeSpace {big, -1} << QStringList {chunks[0]} << none;
    QTest::newRow("OK pressed with no disk in the drive")
        << FreeSpace {big, 1000, -1} << QStringList {chunks[0]}
        << QStringList {"pointer default", "box [Enter next floppy]", "pointer busy"};
    QTest::newRow("no disk for the last chunk") << FreeSpace {big, big, big, -1}
                                                << QStringList {chunks[0], chunks[1]} << none;
}

void FloppyTest::queryFailure()
{
    QFETCH(FreeSpace, free);
    QFETCH(QStringList, processed);
    QFETCH(QStringList, promptEvents);

    Drive drive;
    drive.script(free);
    QCOMPARE(drive.run(), SplitOutcome::Failed);
    QCOMPARE(drive.window.events, QStringList {"box [Suggestion]"}
                 + expected::entry(drive.window.source, drive.mount) + expected::start()
                 + expected::processing(processed) + promptEvents + expected::failure());
    QCOMPARE(expected::describe(drive.window.messages.shown.last()),
             expected::describe(QStringLiteral("Error"), expected::failedText, MessageIcon::Error,
                                MessageButtons::Ok));
    // What was written stays; no batch file.
    QCOMPARE(testing::entriesOf(drive.mount), processed);
}

void FloppyTest::windowsDriveLetters_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("folder");    // the destination once trimmed
    QTest::addColumn<bool>("deletesItself");
    QTest::newRow("lower-case folder on a:") << R"(a:\data)" << true << R"(a:\data)" << true;
    QTest::newRow("root of A:") << "A:" << true << "A:" << false;
    QTest::newRow("root of B:") << "B:" << true << "B:" << true;
    // The question looks at the text as typed, every later check at the trimmed one.
    QTest::newRow("A: after a blank") << " A:" << false << "A:" << false;
    QTest::newRow("C: is no floppy") << R"(C:\data)" << false << R"(C:\data)" << true;
}

void FloppyTest::windowsDriveLetters()
{
    QFETCH(QString, destination);
    QFETCH(bool, asked);
    QFETCH(QString, folder);
    QFETCH(bool, deletesItself);

    // Windows paths on this machine: relative names with a drive letter and
    // backslashes, created inside a scratch working folder.
    Drive drive;
    const QString work = drive.tmp.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(work));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work));
    drive.volumes.style = platform::PathStyle::Windows;
    drive.window.style = platform::PathStyle::Windows;
    drive.window.destination = destination;
    // The source name is what follows the last backslash.
    const QString sourceName = QStringLiteral(R"(C:\Documents\report.doc)");
    QVERIFY(testing::writeFile(sourceName, drive.source));
    drive.window.source = sourceName;
    drive.script({emptyDisk});

    const SplitOutcome outcome = drive.run();
    QDir::setCurrent(previous);
    QCOMPARE(outcome, SplitOutcome::Done);

    QCOMPARE(drive.window.boxes().contains(QStringLiteral("[Suggestion]")), asked);
    QCOMPARE(drive.window.destination, folder);
    const bool floppy = folder.left(2).toUpper() == QLatin1String("A:") || folder.left(2).toUpper() == "B:";
    QCOMPARE(drive.volumes.queries, floppy ? QStringList(4, folder) : QStringList());
    QStringList written;
    for (const QString& name : chunks + QStringList {"reportdoc.bat"})
        written.append(folder + u'\\' + name);
    written.append(sourceName);
    written.sort();
    QCOMPARE(testing::entriesOf(work), written);
    QCOMPARE(readFile(QDir(work).filePath(folder + R"(\reportdoc.bat)")),
             testing::expectedBatch(QStringLiteral("reportdoc"), QStringLiteral("report.doc"), 3, deletesItself));
}

QTEST_GUILESS_MAIN(FloppyTest)
#include "tst_floppy.moc"
