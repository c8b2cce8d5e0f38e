// Chunk planning, chunk names and the reading and showing of numbers.

#include "engine/chunkplan.h"
#include "engine/numbertext.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace quarnix::engine;

using OptionalSize = std::optional<qint64>;
Q_DECLARE_METATYPE(OptionalSize)

namespace {
constexpr qint64 GiB = qint64(1) << 30;
constexpr qint64 none = -1; // "no value" in the data tables
} // namespace

class ChunkPlanTest : public QObject {
    Q_OBJECT

private slots:
    void sizeFromMegabytes_data();
    void sizeFromMegabytes();
    void sizeFromCount_data();
    void sizeFromCount();
    void plan_data();
    void plan();
    void prefix_data();
    void prefix();
    void chunkNames();
    void readsNumbers_data();
    void readsNumbers();
    void showsNumbers_data();
    void showsNumbers();
};

void ChunkPlanTest::sizeFromMegabytes_data()
{
    QTest::addColumn<double>("megabytes");
    QTest::addColumn<qint64>("chunkSize");
    QTest::newRow("1.25") << 1.25 << qint64(1310720);
    QTest::newRow("1.44 rounds down") << 1.44 << qint64(1509949);
    QTest::newRow("3") << 3.0 << qint64(3145728);
    QTest::newRow("2048, beyond 32 bits") << 2048.0 << qint64(2) * GiB;
    QTest::newRow("tiny") << 0.0001 << qint64(104);
    QTest::newRow("negative") << -1.0 << none;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << none;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << none;
    QTest::newRow("overflows 64 bits") << 1e300 << none;
}

void ChunkPlanTest::sizeFromMegabytes()
{
    QFETCH(double, megabytes);
    QFETCH(qint64, chunkSize);
    QCOMPARE(chunkSizeForMegabytes(megabytes).value_or(none), chunkSize);
}

void ChunkPlanTest::sizeFromCount_data()
{
    QTest::addColumn<qint64>("sourceLength");
    QTest::addColumn<double>("count");
    QTest::addColumn<qint64>("chunkSize");
    QTest::newRow("10,000,000 bytes in 3") << qint64(10000000) << 3.0 << qint64(3333333);
    QTest::newRow("6 bytes in 4") << qint64(6) << 4.0 << qint64(1);
    QTest::newRow("empty source") << qint64(0) << 2.0 << qint64(0);
    QTest::newRow("count rounded down") << qint64(1000) << 3.9 << qint64(333);
    QTest::newRow("more chunks than bytes") << qint64(5) << 1e300 << qint64(0);
    QTest::newRow("3 GiB in 2") << 3 * GiB << 2.0 << 3 * GiB / 2;
    QTest::newRow("count below one") << qint64(5) << 0.5 << none;
    QTest::newRow("count zero") << qint64(5) << 0.0 << none;
    QTest::newRow("count negative") << qint64(5) << -2.0 << none;
}

void ChunkPlanTest::sizeFromCount()
{
    QFETCH(qint64, sourceLength);
    QFETCH(double, count);
    QFETCH(qint64, chunkSize);
    QCOMPARE(chunkSizeForCount(sourceLength, count).value_or(none), chunkSize);
}

void ChunkPlanTest::plan_data()
{
    QTest::addColumn<qint64>("sourceLength");
    QTest::addColumn<qint64>("chunkSize");
    QTest::addColumn<int>("count"); // 0: refused
    QTest::addColumn<qint64>("lastLength");

    QTest::newRow("10,000,000 bytes in 3") << qint64(10000000) << qint64(3333333) << 3 << qint64(3333332);
    QTest::newRow("1.44 MB") << qint64(10000000) << qint64(1509949) << 7 << qint64(940300);
    QTest::newRow("source exactly the chunk size") << qint64(1310720) << qint64(1310720) << 1 << qint64(1310720);
    QTest::newRow("exact multiple of the chunk length")
        << qint64(2 * 1310721) << qint64(1310720) << 2 << qint64(1310721);
    QTest::newRow("one byte past a multiple") << qint64(2 * 1310721 + 1) << qint64(1310720) << 3 << qint64(1);
    QTest::newRow("6 bytes in 4") << qint64(6) << qint64(1) << 3 << qint64(2);
    QTest::newRow("empty source") << qint64(0) << qint64(0) << 1 << qint64(0);
    QTest::newRow("3,000,000 bytes, 1.25 MB") << qint64(3000000) << qint64(1310720) << 3 << qint64(378558);
    QTest::newRow("32,766 chunks") << qint64(32766) * 1310721 << qint64(1310720) << 32766 << qint64(1310721);
    QTest::newRow("32,767 chunks") << qint64(32766) * 1310721 + 1 << qint64(1310720) << 0 << qint64(0);
    QTest::newRow("one-byte chunks, 32,766") << qint64(32766) << qint64(0) << 32766 << qint64(1);
    QTest::newRow("one-byte chunks, 50,000") << qint64(50000) << qint64(0) << 0 << qint64(0);
    QTest::newRow("past 2 GiB") << 2 * GiB + 5 << GiB << 3 << qint64(3);
    QTest::newRow("past 4 GiB") << 5 * GiB << 2 * GiB << 3 << GiB - 2;
    QTest::newRow("negative length") << qint64(-1) << qint64(10) << 0 << qint64(0);
    QTest::newRow("chunk size near 64 bits") << qint64(10) << std::numeric_limits<qint64>::max() << 0
                                             << qint64(0);
}

void ChunkPlanTest::plan()
{
    QFETCH(qint64, sourceLength);
    QFETCH(qint64, chunkSize);
    QFETCH(int, count);
    QFETCH(qint64, lastLength);

    const auto plan = planChunks(sourceLength, chunkSize);
    if (count == 0) {
        QVERIFY(!plan);
        return;
    }
    QVERIFY(plan);
    QCOMPARE(plan->count, count);
    QCOMPARE(plan->chunkLength, chunkSize + 1);
    QCOMPARE(plan->lengthOf(count), lastLength);
    // No gap and no overlap: the chunks add up to the source from offset 0.
    QCOMPARE(plan->offsetOf(1), qint64(0));
    for (const int k : {1, count / 2 + 1, count}) {
        QCOMPARE(plan->offsetOf(k), qint64(k - 1) * (chunkSize + 1));
        if (k < count)
            QCOMPARE(plan->lengthOf(k), chunkSize + 1);
    }
    QCOMPARE(plan->offsetOf(count) + plan->lengthOf(count), sourceLength);
}

void ChunkPlanTest::prefix_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("prefix"); // null: refused
    QTest::newRow("three-letter extension") << "report.doc" << "reportdoc";
    QTest::newRow("four-letter extension") << "data.json" << "data.son";
    QTest::newRow("no extension") << "README" << "REDME";
    QTest::newRow("four characters") << "a.bc" << ".bc";
    QTest::newRow("spaces") << "my report.doc" << "my reportdoc";
    QTest::newRow("accented") << QStringLiteral("café.doc") << QStringLiteral("cafédoc");
    QTest::newRow("three characters") << "a.b" << QString();
    QTest::newRow("empty") << "" << QString();
}

void ChunkPlanTest::prefix()
{
    QFETCH(QString, fileName);
    QFETCH(QString, prefix);
    const auto made = chunkPrefix(fileName);
    QCOMPARE(made.has_value(), !prefix.isNull());
    if (made)
        QCOMPARE(*made, prefix);
}

void ChunkPlanTest::chunkNames()
{
    QCOMPARE(chunkFileName(QStringLiteral("reportdoc"), 1), QStringLiteral("reportdoc.1"));
    QCOMPARE(chunkFileName(QStringLiteral("reportdoc"), 12), QStringLiteral("reportdoc.12"));
    QCOMPARE(chunkFileName(QStringLiteral("reportdoc"), 32766), QStringLiteral("reportdoc.32766"));
}

void ChunkPlanTest::readsNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // NaN: not a number
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("point") << "en_US" << "1.25" << 1.25;
    QTest::newRow("German comma") << "de_DE" << "1,25" << 1.25;
    QTest::newRow("blanks around") << "en_US" << " 1.44 " << 1.44;
    QTest::newRow("whole") << "en_US" << "3" << 3.0;
    QTest::newRow("exponent") << "en_US" << "1e3" << 1000.0;
    QTest::newRow("letters") << "en_US" << "abc" << nan;
    QTest::newRow("empty") << "en_US" << "" << nan;
    QTest::newRow("too large") << "en_US" << "1e400" << nan;
}

void ChunkPlanTest::readsNumbers()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto read = readNumber(text, QLocale(locale));
    if (std::isnan(value)) {
        QVERIFY(!read);
    } else {
        QVERIFY(read);
        QCOMPARE(*read, value);
    }
}

void ChunkPlanTest::showsNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.25") << "en_US" << 1.25 << "1.25";
    QTest::newRow("German 1,25") << "de_DE" << 1.25 << "1,25";
    QTest::newRow("1.44 MB as the chunk size gives it") << "en_US" << 1509949.0 / 1024 / 1024
                                                        << "1.4399995803833";
    QTest::newRow("whole") << "en_US" << 3.0 << "3";
    QTest::newRow("no digit grouping") << "en_US" << 1234.5 << "1234.5";
}

void ChunkPlanTest::showsNumbers()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberText(value, QLocale(locale)), text);
}

QTEST_GUILESS_MAIN(ChunkPlanTest)
#include "tst_chunkplan.moc"
