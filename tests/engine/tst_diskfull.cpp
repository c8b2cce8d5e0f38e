// A disk that fills up in the middle of a chunk, with the kernel's own write
// failures: a small tmpfs when the suite may mount one, and a file-size limit
// on a child process everywhere on Linux.

#include "engine/splitjob.h"
#include "expectedtexts.h"
#include "fakesplitwindow.h"
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace quarnix;
using engine::SplitOutcome;
using testing::readFile;
namespace expected = testing::expected;

class DiskFullTest : public QObject {
    Q_OBJECT

private slots:
    void fileSizeLimit_data();
    void fileSizeLimit();
    void fullFileSystem_data();
    void fullFileSystem();

private:
    // Chunk files named in `complete` hold their piece of the source in full; the
    // one being written when the disk filled holds a true beginning of it.
    static void checkChunks(const QString& folder, const QByteArray& source, qint64 chunkLength,
                            const QStringList& processed, int complete);
};

void DiskFullTest::checkChunks(const QString& folder, const QByteArray& source, qint64 chunkLength,
                               const QStringList& processed, int complete)
{
    for (int k = 0; k < processed.size(); ++k) {
        const QByteArray wanted = source.mid(k * chunkLength, chunkLength);
        const QByteArray written = readFile(QDir(folder).filePath(processed[k]));
        if (k < complete) {
            QVERIFY2(written == wanted, qPrintable(processed[k]));
        } else {
            QVERIFY2(written.size() < wanted.size(), qPrintable(processed[k]));
            QVERIFY2(written == wanted.left(written.size()), qPrintable(processed[k]));
        }
    }
    QVERIFY(!QFile::exists(QDir(folder).filePath(QStringLiteral("reportdoc.bat"))));
}

void DiskFullTest::fileSizeLimit_data()
{
    QTest::addColumn<bool>("bySize");
    QTest::addColumn<QString>("value");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<qint64>("chunkLength");
    // 1 MB chunks are too short for the kernel copy.
    QTest::newRow("through the buffer") << true << "1" << qint64(3000000) << qint64(1000000) << qint64(1048577);
    // 80 MB chunks: the first starts on a page boundary and is long enough.
    QTest::newRow("through the kernel copy") << false << "2" << qint64(160000000) << qint64(70000000)
                                             << qint64(80000001);
}

void DiskFullTest::fileSizeLimit()
{
#ifdef Q_OS_LINUX
    QFETCH(bool, bySize);
    QFETCH(QString, value);
    QFETCH(qint64, length);
    QFETCH(qint64, limit);
    QFETCH(qint64, chunkLength);

    QTemporaryDir tmp;
    const QString out = tmp.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    const QString sourcePath = tmp.filePath(QStringLiteral("report.doc"));
    const QByteArray source = testing::patternBytes(length, 11);
    QVERIFY(testing::writeFile(sourcePath, source));

    QProcess child;
    child.setChildProcessModifier([limit] {
        // Writing past the limit then fails with EFBIG instead of killing the child.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize {rlim_t(limit), rlim_t(limit)};
        setrlimit(RLIMIT_FSIZE, &fileSize);
    });
    child.start(QStringLiteral(QUARNIX_SPLIT_CHILD),
                {sourcePath, out, bySize ? QStringLiteral("--size") : QStringLiteral("--count"), value});
    QVERIFY(child.waitForFinished(120000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);

    const QStringList processed {"reportdoc.1"};
    QCOMPARE(lines, expected::entry(sourcePath, out) + expected::start() + expected::processing(processed)
                 + expected::failure() + QStringList {QStringLiteral("outcome=%1").arg(int(SplitOutcome::Failed))});
    QCOMPARE(testing::entriesOf(out), processed);
    // The write stopped exactly at the limit, not before.
    QCOMPARE(QFileInfo(QDir(out).filePath(processed[0])).size(), limit);
    checkChunks(out, source, chunkLength, processed, 0);
#else
    QSKIP("file-size limits are a POSIX feature");
#endif
}

void DiskFullTest::fullFileSystem_data()
{
    QTest::addColumn<QString>("tmpfsSize");
    QTest::addColumn<bool>("sourceOnDisk"); // else on the tmpfs itself, where the kernel copy runs
    QTest::addColumn<bool>("bySize");
    QTest::addColumn<QString>("value");
    QTest::addColumn<qint64>("chunkLength");
    QTest::addColumn<QStringList>("processed");
    QTest::addColumn<int>("complete");
    QTest::addColumn<qint64>("length");
    QTest::newRow("fourth 1.25 MB chunk on a 4 MiB disk")
        << "4m" << true << true << "1.25" << qint64(1310721)
        << testing::chunkNames(QStringLiteral("reportdoc"), 4) << 3 << qint64(10000000);
    // The first chunk starts on a page boundary and is long enough for the kernel
    // copy, which works between files of one tmpfs.
    QTest::newRow("first 70 MB chunk on a disk that also holds the source")
        << "160m" << false << false << "2" << qint64(70000001) << testing::chunkNames(QStringLiteral("reportdoc"), 1)
        << 0 << qint64(140000000);
}

void DiskFullTest::fullFileSystem()
{
#ifdef Q_OS_LINUX
    QFETCH(QString, tmpfsSize);
    QFETCH(bool, sourceOnDisk);
    QFETCH(bool, bySize);
    QFETCH(QString, value);
    QFETCH(qint64, chunkLength);
    QFETCH(QStringList, processed);
    QFETCH(int, complete);
    QFETCH(qint64, length);

    if (geteuid() != 0)
        QSKIP("mounting a tmpfs needs root; the file-size limit covers the full disk here");
    QTemporaryDir tmp;
    const QString disk = tmp.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    const QByteArray options = "size=" + tmpfsSize.toLatin1();
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData())
        != 0)
        QSKIP("this machine does not let the suite mount a tmpfs");
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount {QFile::encodeName(disk)};

    const QString out = QDir(disk).filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    const QString sourcePath = QDir(sourceOnDisk ? tmp.path() : disk).filePath(QStringLiteral("report.doc"));
    const QByteArray source = testing::patternBytes(length, 5);
    QVERIFY(testing::writeFile(sourcePath, source));

    testing::FakeSplitWindow window;
    testing::FakeVolumes volumes;
    window.style = volumes.style = platform::PathStyle::Posix;
    window.source = sourcePath;
    window.destination = out;
    window.bySize = bySize;
    (bySize ? window.size : window.number) = value;
    engine::SplitJob job(window, volumes, QLocale::c());

    QCOMPARE(job.run(), SplitOutcome::Failed);

    QCOMPARE(window.events, expected::entry(sourcePath, out) + expected::start() + expected::processing(processed)
                 + expected::failure());
    QCOMPARE(expected::describe(window.messages.shown.last()),
             expected::describe(QStringLiteral("Error"), expected::failedText, platform::MessageIcon::Error,
                                platform::MessageButtons::Ok));
    QCOMPARE(testing::entriesOf(out), processed);
    checkChunks(out, source, chunkLength, processed, complete);
    QVERIFY(readFile(sourcePath) == source);
#else
    QSKIP("mounts a Linux tmpfs");
#endif
}

QTEST_GUILESS_MAIN(DiskFullTest)
#include "tst_diskfull.moc"
