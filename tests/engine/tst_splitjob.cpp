// The split job end to end on real files: chunk files, batch file, status lines,
// pointer and message boxes, and every way it can fail.

#include "engine/splitjob.h"
#include "expectedtexts.h"
#include "fakesplitwindow.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

using namespace quarnix;
using engine::SplitOutcome;
using platform::MessageButtons;
using platform::MessageIcon;
using testing::readFile;
namespace expected = testing::expected;

using Lengths = QList<qint64>;

namespace {

// A source folder, a destination folder and the job's window and volumes.
struct Bench {
    QTemporaryDir tmp;
    QString in = tmp.filePath(QStringLiteral("in"));
    QString out = tmp.filePath(QStringLiteral("out"));
    testing::FakeSplitWindow window;
    testing::FakeVolumes volumes;
    QLocale locale {QLocale::English, QLocale::UnitedStates};

    Bench()
    {
        QDir().mkpath(in);
        QDir().mkpath(out);
        volumes.style = platform::PathStyle::Posix;
        window.style = platform::PathStyle::Posix;
        window.destination = out;
    }

    // Makes the source file and points the window at it.
    QByteArray source(const QString& name, qint64 length, quint32 seed = 7)
    {
        const QByteArray bytes = testing::patternBytes(length, seed);
        window.source = QDir(in).filePath(name);
        testing::writeFile(window.source, bytes);
        return bytes;
    }

    void mode(bool bySize, const QString& value)
    {
        window.bySize = bySize;
        (bySize ? window.size : window.number) = value;
    }

    SplitOutcome run()
    {
        engine::SplitJob job(window, volumes, locale);
        return job.run();
    }

    QString outFile(const QString& name) const { return QDir(out).filePath(name); }
};

QStringList plusBatch(QStringList names, const QString& prefix)
{
    names.append(prefix + QStringLiteral(".bat"));
    names.sort();
    return names;
}

} // namespace

class SplitJobTest : public QObject {
    Q_OBJECT

private slots:
    void splits_data();
    void splits();
    void refusesTooSmallSource_data();
    void refusesTooSmallSource();
    void entryChecks_data();
    void entryChecks();
    void trimsFieldsWhateverTheOutcome_data();
    void trimsFieldsWhateverTheOutcome();
    void refusesUnsafeNames_data();
    void refusesUnsafeNames();
    void failsWithErrorReport_data();
    void failsWithErrorReport();
    void replacesStaleFilesCompletely();
    void neverWritesThroughLinks_data();
    void neverWritesThroughLinks();
    void sourceChangesDuringJob_data();
    void sourceChangesDuringJob();
};

void SplitJobTest::splits_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<bool>("bySize");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<Lengths>("chunks");

    const QString en = QStringLiteral("en_US");
    QTest::newRow("10,000,000 bytes in 3") << "report.doc" << qint64(10000000) << false << "3" << en << "reportdoc"
                                           << Lengths {3333334, 3333334, 3333332};
    QTest::newRow("1.44 MB") << "report.doc" << qint64(10000000) << true << "1.44" << en << "reportdoc"
                             << Lengths {1509950, 1509950, 1509950, 1509950, 1509950, 1509950, 940300};
    QTest::newRow("German 1,44") << "report.doc" << qint64(10000000) << true << "1,44" << "de_DE" << "reportdoc"
                                 << Lengths {1509950, 1509950, 1509950, 1509950, 1509950, 1509950, 940300};
    QTest::newRow("source exactly the chunk size") << "report.doc" << qint64(1310720) << true << "1.25" << en
                                                   << "reportdoc" << Lengths {1310720};
    QTest::newRow("exact multiple of the chunk length") << "report.doc" << qint64(2 * 1310721) << true << "1.25"
                                                        << en << "reportdoc" << Lengths {1310721, 1310721};
    QTest::newRow("6 bytes in 4") << "data.bin" << qint64(6) << false << "4" << en << "databin"
                                  << Lengths {2, 2, 2};
    QTest::newRow("count rounded down") << "report.doc" << qint64(1000) << false << "3.9" << en << "reportdoc"
                                        << Lengths {334, 334, 332};
    QTest::newRow("empty source by count") << "empty.txt" << qint64(0) << false << "2" << en << "emptytxt"
                                           << Lengths {0};
    QTest::newRow("README") << "README" << qint64(3000000) << true << "1.25" << en << "REDME"
                            << Lengths {1310721, 1310721, 378558};
    QTest::newRow("four-letter extension") << "data.json" << qint64(101) << false << "2" << en << "data.son"
                                           << Lengths {51, 50};
    QTest::newRow("four-character name") << "a.bc" << qint64(10) << false << "2" << en << ".bc"
                                         << Lengths {6, 4};
    QTest::newRow("spaces and percent") << "my 100% report.doc" << qint64(5000) << false << "2" << en
                                        << "my 100% reportdoc" << Lengths {2501, 2499};
    QTest::newRow("accented name") << QStringLiteral("café.doc") << qint64(5000) << false << "2" << en
                                   << QStringLiteral("cafédoc") << Lengths {2501, 2499};
    QTest::newRow("24 MB in 2") << "big.iso" << qint64(24000001) << false << "2" << en << "bigiso"
                                << Lengths {12000001, 12000000};
    QTest::newRow("chunk length a whole number of pages")
        << "paged.bin" << qint64(3000000) << true << "1.2499990463256836" << en << "pagedbin"
        << Lengths {1310720, 1310720, 378560};
}

void SplitJobTest::splits()
{
    QFETCH(QString, fileName);
    QFETCH(qint64, length);
    QFETCH(bool, bySize);
    QFETCH(QString, value);
    QFETCH(QString, locale);
    QFETCH(QString, prefix);
    QFETCH(Lengths, chunks);

    Bench bench;
    QVERIFY(bench.tmp.isValid());
    bench.locale = QLocale(locale);
    const QByteArray source = bench.source(fileName, length);
    bench.mode(bySize, value);

    QCOMPARE(bench.run(), SplitOutcome::Done);

    const QStringList names = testing::chunkNames(prefix, int(chunks.size()));
    QCOMPARE(testing::entriesOf(bench.out), plusBatch(names, prefix));
    QByteArray joined;
    qint64 offset = 0;
    for (int k = 0; k < names.size(); ++k) {
        const QByteArray chunk = readFile(bench.outFile(names[k]));
        QCOMPARE(chunk.size(), chunks[k]);
        QVERIFY2(chunk == source.mid(offset, chunks[k]), qPrintable(names[k]));
        offset += chunks[k];
        joined += chunk;
    }
    QVERIFY(joined == source);
    QCOMPARE(readFile(bench.outFile(prefix + QStringLiteral(".bat"))),
             testing::expectedBatch(prefix, fileName, int(chunks.size())));
    QVERIFY(readFile(bench.window.source) == source);

    QCOMPARE(bench.window.events, expected::entry(bench.window.source, bench.out) + expected::start()
                 + expected::processing(names) + expected::finish(prefix));
    QCOMPARE(bench.window.messages.shown.size(), 1);
    QCOMPARE(expected::describe(bench.window.messages.shown.first()),
             expected::describe(QStringLiteral("Done"), expected::doneText(prefix, fileName),
                                MessageIcon::Information, MessageButtons::Ok));
    QCOMPARE(bench.window.status, QString());
    QVERIFY(!bench.window.busy);
    QVERIFY(bench.volumes.queries.isEmpty()); // no free-space check off a floppy
}

void SplitJobTest::refusesTooSmallSource_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("size");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<QString>("megabytes");
    QTest::newRow("1.25, one byte short") << "en_US" << "1.25" << qint64(1310719) << "1.25";
    QTest::newRow("1.44") << "en_US" << "1.44" << qint64(1509948) << "1.4399995803833";
    QTest::newRow("3") << "en_US" << "3" << qint64(1000) << "3";
    QTest::newRow("German 1,25") << "de_DE" << "1,25" << qint64(5) << "1,25";
    QTest::newRow("empty source by size") << "en_US" << "1.25" << qint64(0) << "1.25";
}

void SplitJobTest::refusesTooSmallSource()
{
    QFETCH(QString, locale);
    QFETCH(QString, size);
    QFETCH(qint64, length);
    QFETCH(QString, megabytes);

    Bench bench;
    bench.locale = QLocale(locale);
    bench.source(QStringLiteral("report.doc"), length);
    bench.mode(true, size);
    bool busyWhileShown = false;
    bench.window.messages.onShow = [&](const testing::ShownMessage&) { busyWhileShown = bench.window.busy; };

    QCOMPARE(bench.run(), SplitOutcome::Stopped);

    QCOMPARE(bench.window.events,
             expected::entry(bench.window.source, bench.out) + expected::start() + expected::stop("Error"));
    QCOMPARE(expected::describe(bench.window.messages.shown.first()),
             expected::describe(QStringLiteral("Error"), expected::tooSmallText("report.doc", megabytes),
                                MessageIcon::Error, MessageButtons::Ok));
    QVERIFY(busyWhileShown);
    QVERIFY(testing::entriesOf(bench.out).isEmpty());
}

void SplitJobTest::entryChecks_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("box");

    QTest::newRow("no source") << "" << "/somewhere"
                               << QStringList {"box [Source file missing]", "focus source"}
                               << expected::describe("Source file missing",
                                                     "Please specify a source file name before proceeding to "
                                                     "this step.",
                                                     MessageIcon::Warning, MessageButtons::Ok);
    QTest::newRow("no destination") << "  /a/report.doc " << ""
                                    << QStringList {"source=/a/report.doc", "box [Destination folder missing]",
                                                    "focus destination"}
                                    << expected::describe("Destination folder missing",
                                                          "Please specify a destination folder before "
                                                          "proceeding to this step.",
                                                          MessageIcon::Warning, MessageButtons::Ok);
}

void SplitJobTest::entryChecks()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(QStringList, events);
    QFETCH(QString, box);

    Bench bench;
    bench.window.source = source;
    bench.window.destination = destination;
    QCOMPARE(bench.run(), SplitOutcome::Stopped);
    QCOMPARE(bench.window.events, events);
    QCOMPARE(bench.window.messages.shown.size(), 1);
    QCOMPARE(expected::describe(bench.window.messages.shown.first()), box);
}

void SplitJobTest::trimsFieldsWhateverTheOutcome_data()
{
    QTest::addColumn<QString>("destinationTail"); // appended to the destination folder
    QTest::addColumn<int>("outcome");
    QTest::newRow("done") << "" << int(SplitOutcome::Done);
    QTest::newRow("failed: destination missing") << "/missing" << int(SplitOutcome::Failed);
}

void SplitJobTest::trimsFieldsWhateverTheOutcome()
{
    QFETCH(QString, destinationTail);
    QFETCH(int, outcome);

    Bench bench;
    const QByteArray source = bench.source(QStringLiteral("report.doc"), 3000);
    const QString sourcePath = bench.window.source;
    const QString destination = bench.out + destinationTail;
    bench.window.source = QStringLiteral("  ") + sourcePath + QStringLiteral("   ");
    bench.window.destination = QStringLiteral(" ") + destination + QStringLiteral("  ");
    bench.mode(false, QStringLiteral("2"));

    QCOMPARE(int(bench.run()), outcome);
    QCOMPARE(bench.window.source, sourcePath);
    QCOMPARE(bench.window.destination, destination);
    QCOMPARE(bench.window.events.mid(0, 2), expected::entry(sourcePath, destination));
    if (outcome == int(SplitOutcome::Done))
        QVERIFY(readFile(bench.outFile("reportdoc.1")) + readFile(bench.outFile("reportdoc.2")) == source);
}

void SplitJobTest::refusesUnsafeNames_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("double quote") << "say \"hi\".doc";
    QTest::newRow("line feed") << "line\nfeed.doc";
    QTest::newRow("carriage return") << "carriage\rreturn.doc";
    QTest::newRow("outside code page 850") << QStringLiteral("日本語.doc");
    QTest::newRow("decomposed accent") << QStringLiteral("cafe\u0301.doc");
    QTest::newRow("wildcard") << "star*.doc";
}

void SplitJobTest::refusesUnsafeNames()
{
    QFETCH(QString, fileName);

    Bench bench;
    bench.source(fileName, 3000000);
    QVERIFY(QFile::exists(bench.window.source));
    bench.mode(true, QStringLiteral("1.25"));

    QCOMPARE(bench.run(), SplitOutcome::Stopped);
    QCOMPARE(bench.window.events,
             expected::entry(bench.window.source, bench.out) + expected::start() + expected::stop("Error"));
    QCOMPARE(expected::describe(bench.window.messages.shown.first()),
             expected::describe(QStringLiteral("Error"), expected::unsafeNameText(fileName), MessageIcon::Error,
                                MessageButtons::Ok));
    QVERIFY(testing::entriesOf(bench.out).isEmpty());
    QVERIFY(!bench.window.busy);
}

void SplitJobTest::failsWithErrorReport_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("bySize");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("processed"); // chunks whose status line went up
    QTest::addColumn<QStringList>("left");      // what the destination holds after

    QTest::newRow("destination folder missing")
        << "destination missing" << true << "1.25" << QStringList {"reportdoc.1"} << QStringList {};
    QTest::newRow("destination is a file")
        << "destination file" << true << "1.25" << QStringList {"reportdoc.1"} << QStringList {};
    QTest::newRow("folder at a chunk's name") << "folder at chunk 2" << true << "1.25"
                                              << QStringList {"reportdoc.1", "reportdoc.2"}
                                              << QStringList {"reportdoc.1", "reportdoc.2"};
    QTest::newRow("folder at the batch file's name")
        << "folder at batch" << true << "1.25" << QStringList {"reportdoc.1", "reportdoc.2", "reportdoc.3"}
        << QStringList {"reportdoc.1", "reportdoc.2", "reportdoc.3", "reportdoc.bat"};
    QTest::newRow("source missing") << "source missing" << true << "1.25" << QStringList {} << QStringList {};
    QTest::newRow("source is a folder") << "source folder" << true << "1.25" << QStringList {} << QStringList {};
    QTest::newRow("source of blanks only") << "source blanks" << true << "1.25" << QStringList {}
                                           << QStringList {};
    QTest::newRow("size not a number") << "plain" << true << "abc" << QStringList {} << QStringList {};
    QTest::newRow("count not a number") << "plain" << false << "" << QStringList {} << QStringList {};
    QTest::newRow("count zero") << "plain" << false << "0" << QStringList {} << QStringList {};
    QTest::newRow("name of three characters") << "short name" << true << "1.25" << QStringList {}
                                              << QStringList {};
    QTest::newRow("more than 32,766 chunks") << "plain" << false << "100000" << QStringList {} << QStringList {};
    QTest::newRow("32,767 chunks of a sparse 40 GiB source")
        << "sparse" << true << "1.25" << QStringList {} << QStringList {};
}

void SplitJobTest::failsWithErrorReport()
{
    QFETCH(QString, situation);
    QFETCH(bool, bySize);
    QFETCH(QString, value);
    QFETCH(QStringList, processed);
    QFETCH(QStringList, left);

    Bench bench;
    bench.source(QStringLiteral("report.doc"), 3000000);
    bench.mode(bySize, value);
    if (situation == QLatin1String("destination missing")) {
        bench.window.destination = bench.out + QStringLiteral("/missing");
    } else if (situation == QLatin1String("destination file")) {
        bench.window.destination = bench.outFile(QStringLiteral("file"));
        QVERIFY(testing::writeFile(bench.window.destination, "x"));
        left = QStringList {"file"};
    } else if (situation == QLatin1String("folder at chunk 2")) {
        QVERIFY(QDir(bench.out).mkdir(QStringLiteral("reportdoc.2")));
    } else if (situation == QLatin1String("folder at batch")) {
        QVERIFY(QDir(bench.out).mkdir(QStringLiteral("reportdoc.bat")));
    } else if (situation == QLatin1String("source missing")) {
        bench.window.source = QDir(bench.in).filePath(QStringLiteral("nothere.doc"));
    } else if (situation == QLatin1String("source folder")) {
        bench.window.source = QDir(bench.in).filePath(QStringLiteral("folder.doc"));
        QVERIFY(QDir().mkpath(bench.window.source));
    } else if (situation == QLatin1String("source blanks")) {
        bench.window.source = QStringLiteral("   ");
    } else if (situation == QLatin1String("short name")) {
        bench.source(QStringLiteral("a.b"), 3000000);
    } else if (situation == QLatin1String("sparse")) {
        bench.window.source = QDir(bench.in).filePath(QStringLiteral("huge.img"));
        QFile huge(bench.window.source);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(qint64(32766) * 1310721 + 1));
    }
    const QString source = bench.window.source.trimmed();
    const QString destination = bench.window.destination;

    QCOMPARE(bench.run(), SplitOutcome::Failed);

    QStringList batchStarted;
    if (situation == QLatin1String("folder at batch"))
        batchStarted = expected::finish(QStringLiteral("reportdoc")).mid(0, 2);
    QCOMPARE(bench.window.events, expected::entry(source, destination) + expected::start()
                 + expected::processing(processed) + batchStarted + expected::failure());
    QCOMPARE(bench.window.messages.shown.size(), 1);
    QCOMPARE(expected::describe(bench.window.messages.shown.first()),
             expected::describe(QStringLiteral("Error"), expected::failedText, MessageIcon::Error,
                                MessageButtons::Ok));
    QCOMPARE(testing::entriesOf(bench.out), left);
    QVERIFY(!bench.window.busy);
}

void SplitJobTest::replacesStaleFilesCompletely()
{
    Bench bench;
    const QByteArray source = bench.source(QStringLiteral("report.doc"), 3000000);
    bench.mode(true, QStringLiteral("1.25"));
    // An earlier, longer job left longer chunk files, a longer batch file and a
    // fourth chunk under the same names.
    const QByteArray stale(2000000, 'X');
    for (const QString& name : testing::chunkNames(QStringLiteral("reportdoc"), 4))
        QVERIFY(testing::writeFile(bench.outFile(name), stale));
    QVERIFY(testing::writeFile(bench.outFile(QStringLiteral("reportdoc.bat")), stale));

    QCOMPARE(bench.run(), SplitOutcome::Done);

    QVERIFY(readFile(bench.outFile("reportdoc.1")) == source.mid(0, 1310721));
    QVERIFY(readFile(bench.outFile("reportdoc.2")) == source.mid(1310721, 1310721));
    QVERIFY(readFile(bench.outFile("reportdoc.3")) == source.mid(2621442));
    QCOMPARE(readFile(bench.outFile("reportdoc.bat")),
             testing::expectedBatch(QStringLiteral("reportdoc"), QStringLiteral("report.doc"), 3));
    // Not the job's to clean up: the batch file never names it.
    QVERIFY(readFile(bench.outFile("reportdoc.4")) == stale);
}

void SplitJobTest::neverWritesThroughLinks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("link");
    QTest::newRow("symbolic link to another file") << "reportdoc.2" << "symbolic";
    QTest::newRow("dangling symbolic link") << "reportdoc.2" << "dangling";
    QTest::newRow("hard link to the source") << "reportdoc.1" << "hard";
    QTest::newRow("symbolic link at the batch file's name") << "reportdoc.bat" << "symbolic";
}

void SplitJobTest::neverWritesThroughLinks()
{
#ifdef Q_OS_LINUX
    QFETCH(QString, name);
    QFETCH(QString, link);

    Bench bench;
    const QByteArray source = bench.source(QStringLiteral("report.doc"), 3000000);
    bench.mode(true, QStringLiteral("1.25"));
    const QString victim = bench.tmp.filePath(QStringLiteral("victim.txt"));
    const QString at = bench.outFile(name);
    if (link == QLatin1String("symbolic")) {
        QVERIFY(testing::writeFile(victim, "keep me"));
        QVERIFY(QFile::link(victim, at));
    } else if (link == QLatin1String("dangling")) {
        QVERIFY(QFile::link(victim, at));
    } else {
        QCOMPARE(::link(QFile::encodeName(bench.window.source).constData(), QFile::encodeName(at).constData()), 0);
    }

    QCOMPARE(bench.run(), SplitOutcome::Done);

    QVERIFY(!QFileInfo(at).isSymLink());
    QVERIFY(readFile(bench.window.source) == source);
    if (link == QLatin1String("symbolic"))
        QCOMPARE(readFile(victim), QByteArray("keep me"));
    if (link == QLatin1String("dangling"))
        QVERIFY(!QFile::exists(victim));
    QByteArray joined;
    for (const QString& chunk : testing::chunkNames(QStringLiteral("reportdoc"), 3))
        joined += readFile(bench.outFile(chunk));
    QVERIFY(joined == source);
    QCOMPARE(readFile(bench.outFile("reportdoc.bat")),
             testing::expectedBatch(QStringLiteral("reportdoc"), QStringLiteral("report.doc"), 3));
#else
    QSKIP("links are made with POSIX calls");
#endif
}

void SplitJobTest::sourceChangesDuringJob_data()
{
    QTest::addColumn<qint64>("length");
    QTest::addColumn<QString>("when");      // the chunk whose status line triggers the change
    QTest::addColumn<qint64>("newLength");  // -1: the source is deleted
    QTest::addColumn<QStringList>("processed");
    QTest::addColumn<QStringList>("complete"); // chunk files written in full

    const QStringList all {"reportdoc.1", "reportdoc.2", "reportdoc.3"};
    QTest::newRow("vanishes") << qint64(3000000) << "reportdoc.2" << qint64(-1) << all << all;
    QTest::newRow("shrinks before chunk 2 is read")
        << qint64(3000000) << "reportdoc.2" << qint64(1000000) << QStringList {"reportdoc.1", "reportdoc.2"}
        << QStringList {"reportdoc.1"};
    QTest::newRow("shrinks inside chunk 2") << qint64(3000000) << "reportdoc.2" << qint64(1310721 + 500000)
                                            << QStringList {"reportdoc.1", "reportdoc.2"}
                                            << QStringList {"reportdoc.1"};
    QTest::newRow("shrinks by one byte inside the last chunk")
        << qint64(3000000) << "reportdoc.2" << qint64(2999999) << all
        << QStringList {"reportdoc.1", "reportdoc.2"};
    // A last chunk within one buffer is read before its status line goes up.
    QTest::newRow("shrinks by one byte, short last chunk")
        << qint64(2700000) << "reportdoc.2" << qint64(2699999) << QStringList {"reportdoc.1", "reportdoc.2"}
        << QStringList {"reportdoc.1", "reportdoc.2"};
    QTest::newRow("grows by one byte") << qint64(3000000) << "reportdoc.1" << qint64(3000001) << all << all;
}

void SplitJobTest::sourceChangesDuringJob()
{
#ifdef Q_OS_LINUX // an open file can be deleted and keeps its contents
    QFETCH(qint64, length);
    QFETCH(QString, when);
    QFETCH(qint64, newLength);
    QFETCH(QStringList, processed);
    QFETCH(QStringList, complete);

    Bench bench;
    const QByteArray source = bench.source(QStringLiteral("report.doc"), length);
    const QString sourcePath = bench.window.source;
    bench.mode(true, QStringLiteral("1.25"));
    bench.window.onStatus = [&](const QString& status) {
        if (!status.endsWith(QStringLiteral("Processing ") + when))
            return;
        if (newLength < 0)
            QFile::remove(sourcePath);
        else
            QFile::resize(sourcePath, newLength);
    };

    QCOMPARE(bench.run(), SplitOutcome::Failed);

    QCOMPARE(bench.window.events, expected::entry(sourcePath, bench.out) + expected::start()
                 + expected::processing(processed) + expected::failure());
    QVERIFY(!QFile::exists(bench.outFile("reportdoc.bat")));
    for (const QString& name : processed) {
        const qint64 offset = (name.back().digitValue() - 1) * qint64(1310721);
        const QByteArray wanted = source.mid(offset, 1310721);
        const QString path = bench.outFile(name);
        if (complete.contains(name)) {
            QVERIFY2(readFile(path) == wanted, qPrintable(name));
        } else if (QFile::exists(path)) {
            // Cut short where the source ended, never padded.
            const QByteArray part = readFile(path);
            QVERIFY2(part.size() < wanted.size(), qPrintable(name));
            QVERIFY2(part == wanted.left(part.size()), qPrintable(name));
        }
    }
    if (newLength >= 0 && newLength <= 1310721)
        QVERIFY(!QFile::exists(bench.outFile("reportdoc.2"))); // nothing to read, no file made
#else
    QSKIP("deleting an open source is a POSIX case");
#endif
}

QTEST_GUILESS_MAIN(SplitJobTest)
#include "tst_splitjob.moc"
