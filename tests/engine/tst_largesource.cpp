// Sources of 2 GiB and more: 64-bit lengths and offsets all the way. The source
// is sparse, with known bytes at the places where 32-bit arithmetic would break.

#include "engine/splitjob.h"
#include "expectedtexts.h"
#include "fakesplitwindow.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace quarnix;
using engine::SplitOutcome;
namespace expected = testing::expected;

namespace {
constexpr qint64 GiB = qint64(1) << 30;
} // namespace

class LargeSourceTest : public QObject {
    Q_OBJECT

private slots:
    void splitsPastTwoGigabytes();
};

void LargeSourceTest::splitsPastTwoGigabytes()
{
    QTemporaryDir tmp;
    const QString out = tmp.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    const QString sourcePath = tmp.filePath(QStringLiteral("disk.img"));
    const qint64 length = 2 * GiB + 1000005;

    // 1024 MB chunks: chunk 3 starts past 2^31, chunk 2 crosses it.
    const qint64 chunkLength = GiB + 1;
    const QList<qint64> lengths {chunkLength, chunkLength, length - 2 * chunkLength};
    const QList<qint64> marks {0, GiB - 8, 2 * GiB - 40, 2 * chunkLength - 8, length - 16, 3 * GiB / 2};
    {
        QFile source(sourcePath);
        QVERIFY(source.open(QIODevice::WriteOnly));
        QVERIFY(source.resize(length));
        for (int i = 0; i < marks.size(); ++i) {
            QVERIFY(source.seek(marks[i]));
            QCOMPARE(source.write(testing::patternBytes(16, quint32(i + 1))), qint64(16));
        }
    }

    testing::FakeSplitWindow window;
    testing::FakeVolumes volumes;
    window.style = volumes.style = platform::PathStyle::Posix;
    window.source = sourcePath;
    window.destination = out;
    window.bySize = true;
    window.size = QStringLiteral("1024");
    engine::SplitJob job(window, volumes, QLocale::c());

    QCOMPARE(job.run(), SplitOutcome::Done);

    const QStringList names = testing::chunkNames(QStringLiteral("diskimg"), 3);
    QCOMPARE(window.events, expected::entry(sourcePath, out) + expected::start() + expected::processing(names)
                 + expected::finish(QStringLiteral("diskimg")));
    QCOMPARE(testing::entriesOf(out), names + QStringList {QStringLiteral("diskimg.bat")});
    for (int k = 0; k < 3; ++k)
        QCOMPARE(QFileInfo(QDir(out).filePath(names[k])).size(), lengths[k]);
    QCOMPARE(testing::readFile(QDir(out).filePath("diskimg.bat")),
             testing::expectedBatch(QStringLiteral("diskimg"), QStringLiteral("disk.img"), 3));

    // Every marked byte, and the hole bytes around each mark, sit where they belong.
    QList<QFile*> chunks;
    for (const QString& name : names) {
        chunks.append(new QFile(QDir(out).filePath(name), this));
        QVERIFY(chunks.last()->open(QIODevice::ReadOnly));
    }
    const auto byteAt = [&](qint64 offset) {
        QFile* chunk = chunks[int(offset / chunkLength)];
        chunk->seek(offset % chunkLength);
        char byte = 0;
        chunk->getChar(&byte);
        return byte;
    };
    for (int i = 0; i < marks.size(); ++i) {
        const QByteArray mark = testing::patternBytes(16, quint32(i + 1));
        for (int j = 0; j < 16; ++j)
            QVERIFY2(byteAt(marks[i] + j) == mark[j], qPrintable(QString::number(marks[i] + j)));
        if (marks[i] > 0)
            QCOMPARE(byteAt(marks[i] - 1), char(0));
        if (marks[i] + 16 < length)
            QCOMPARE(byteAt(marks[i] + 16), char(0));
    }
    qDeleteAll(chunks);
}

QTEST_GUILESS_MAIN(LargeSourceTest)
#include "tst_largesource.moc"
