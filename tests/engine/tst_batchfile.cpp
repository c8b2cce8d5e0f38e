// The re-assembly batch file, byte for byte, and which names it can carry.

#include "engine/batchfile.h"
#include "platform/batchcodepage.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <iconv.h>
#endif

using namespace quarnix;
using namespace quarnix::engine;

class BatchFileTest : public QObject {
    Q_OBJECT

private slots:
    void writesExactBytes_data();
    void writesExactBytes();
    void replacesLongerFile();
    void safeNames_data();
    void safeNames();
    void codePage850MatchesSystemTable();

private:
    QTemporaryDir dir_;
};

void BatchFileTest::writesExactBytes_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("chunks");
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<bool>("deletesItself");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("three chunks") << "reportdoc" << 3 << "report.doc" << true
                                  << QByteArray("If not exist \"reportdoc.1\" Goto End\r\n"
                                                "If not exist \"reportdoc.2\" Goto End\r\n"
                                                "If not exist \"reportdoc.3\" Goto End\r\n"
                                                "Copy /b \"reportdoc.1\"+\"reportdoc.2\"+\"reportdoc.3\" \"report.doc\"\r\n"
                                                "If errorlevel 1 Goto End\r\n"
                                                "Del \"reportdoc.1\"\r\n"
                                                "Del \"reportdoc.2\"\r\n"
                                                "Del \"reportdoc.3\"\r\n"
                                                "Del \"reportdoc.bat\"\r\n"
                                                ":End\r\n");
    QTest::newRow("root of the first floppy drive")
        << "reportdoc" << 3 << "report.doc" << false
        << QByteArray("If not exist \"reportdoc.1\" Goto End\r\n"
                      "If not exist \"reportdoc.2\" Goto End\r\n"
                      "If not exist \"reportdoc.3\" Goto End\r\n"
                      "Copy /b \"reportdoc.1\"+\"reportdoc.2\"+\"reportdoc.3\" \"report.doc\"\r\n"
                      "If errorlevel 1 Goto End\r\n"
                      "Del \"reportdoc.1\"\r\n"
                      "Del \"reportdoc.2\"\r\n"
                      "Del \"reportdoc.3\"\r\n"
                      ":End\r\n");
    QTest::newRow("one chunk") << "reportdoc" << 1 << "report.doc" << true
                               << QByteArray("If not exist \"reportdoc.1\" Goto End\r\n"
                                             "Copy /b \"reportdoc.1\" \"report.doc\"\r\n"
                                             "If errorlevel 1 Goto End\r\n"
                                             "Del \"reportdoc.1\"\r\n"
                                             "Del \"reportdoc.bat\"\r\n"
                                             ":End\r\n");
    QTest::newRow("spaces") << "my reportdoc" << 2 << "my report.doc" << true
                            << QByteArray("If not exist \"my reportdoc.1\" Goto End\r\n"
                                          "If not exist \"my reportdoc.2\" Goto End\r\n"
                                          "Copy /b \"my reportdoc.1\"+\"my reportdoc.2\" \"my report.doc\"\r\n"
                                          "If errorlevel 1 Goto End\r\n"
                                          "Del \"my reportdoc.1\"\r\n"
                                          "Del \"my reportdoc.2\"\r\n"
                                          "Del \"my reportdoc.bat\"\r\n"
                                          ":End\r\n");
    QTest::newRow("percent") << "100% suredoc" << 1 << "100% sure.doc" << true
                             << QByteArray("If not exist \"100%% suredoc.1\" Goto End\r\n"
                                           "Copy /b \"100%% suredoc.1\" \"100%% sure.doc\"\r\n"
                                           "If errorlevel 1 Goto End\r\n"
                                           "Del \"100%% suredoc.1\"\r\n"
                                           "Del \"100%% suredoc.bat\"\r\n"
                                           ":End\r\n");
    QTest::newRow("accented name in code page 850")
        << QStringLiteral("cafédoc") << 1 << QStringLiteral("café.doc") << true
        << QByteArray("If not exist \"caf\x82" "doc.1\" Goto End\r\n"
                      "Copy /b \"caf\x82" "doc.1\" \"caf\x82.doc\"\r\n"
                      "If errorlevel 1 Goto End\r\n"
                      "Del \"caf\x82" "doc.1\"\r\n"
                      "Del \"caf\x82" "doc.bat\"\r\n"
                      ":End\r\n");
    QTest::newRow("characters the interpreter reads inside quotes as text")
        << "a&b^c!d)doc" << 1 << "a&b^c!d).doc" << true
        << QByteArray("If not exist \"a&b^c!d)doc.1\" Goto End\r\n"
                      "Copy /b \"a&b^c!d)doc.1\" \"a&b^c!d).doc\"\r\n"
                      "If errorlevel 1 Goto End\r\n"
                      "Del \"a&b^c!d)doc.1\"\r\n"
                      "Del \"a&b^c!d)doc.bat\"\r\n"
                      ":End\r\n");
}

void BatchFileTest::writesExactBytes()
{
    QFETCH(QString, prefix);
    QFETCH(int, chunks);
    QFETCH(QString, sourceName);
    QFETCH(bool, deletesItself);
    QFETCH(QByteArray, bytes);

    QVERIFY(dir_.isValid());
    QCOMPARE(batchFileName(prefix), prefix + QStringLiteral(".bat"));
    const QString path = dir_.filePath(QStringLiteral("written.bat"));
    QVERIFY(writeBatchFile(path, {prefix, chunks, sourceName, deletesItself}));
    const QByteArray written = testing::readFile(path);
    QCOMPARE(written, bytes);
    // The helper that the job's own tests compare against builds the same bytes.
    QCOMPARE(testing::expectedBatch(prefix, sourceName, chunks, deletesItself), bytes);
}

void BatchFileTest::replacesLongerFile()
{
    QVERIFY(dir_.isValid());
    const QString path = dir_.filePath(QStringLiteral("reportdoc.bat"));
    QVERIFY(testing::writeFile(path, QByteArray(100000, 'X')));
    QVERIFY(writeBatchFile(path, {QStringLiteral("reportdoc"), 1, QStringLiteral("report.doc"), true}));
    QCOMPARE(testing::readFile(path), testing::expectedBatch(QStringLiteral("reportdoc"),
                                                             QStringLiteral("report.doc"), 1));
}

void BatchFileTest::safeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("plain") << "report.doc" << true;
    QTest::newRow("spaces") << "my report.doc" << true;
    QTest::newRow("percent") << "100% sure.doc" << true;
    QTest::newRow("accented") << QStringLiteral("café.doc") << true;
    QTest::newRow("German") << QStringLiteral("Größe.doc") << true;
    QTest::newRow("ampersand and caret") << "a&b^c.doc" << true;
    QTest::newRow("double quote") << "say \"hi\".doc" << false;
    QTest::newRow("line feed") << "line\nfeed.doc" << false;
    QTest::newRow("carriage return") << "carriage\rreturn.doc" << false;
    QTest::newRow("tab") << "tab\tname.doc" << false;
    QTest::newRow("delete character") << QStringLiteral("del\x7f.doc") << false;
    QTest::newRow("asterisk") << "star*.doc" << false;
    QTest::newRow("question mark") << "what?.doc" << false;
    QTest::newRow("angle brackets") << "a<b>.doc" << false;
    QTest::newRow("Japanese") << QStringLiteral("日本語.doc") << false;
    QTest::newRow("euro sign, not in 850") << QStringLiteral("5€.doc") << false;
    QTest::newRow("decomposed accent") << QStringLiteral("cafe\u0301.doc") << false;
    QTest::newRow("emoji") << QStringLiteral("smile\U0001F600.doc") << false;
}

void BatchFileTest::safeNames()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(isBatchSafeName(name), safe);
}

void BatchFileTest::codePage850MatchesSystemTable()
{
#ifdef Q_OS_LINUX
    // The system's own conversion tables are an independent account of code page 850.
    iconv_t toUtf8 = iconv_open("UTF-8", "CP850");
    if (toUtf8 == iconv_t(-1))
        QSKIP("the C library has no code page 850 conversion");
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == 0x7F)
            continue;
        char in[1] = {char(byte)};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        QVERIFY(iconv(toUtf8, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1));
        const QString character = QString::fromUtf8(out, outPtr - out);
        const auto encoded = platform::encodeForBatchFile(character);
        QVERIFY2(encoded, qPrintable(QStringLiteral("byte %1").arg(byte, 2, 16)));
        QCOMPARE(*encoded, QByteArray(1, char(byte)));
    }
    iconv_close(toUtf8);
#else
    QSKIP("compares with the C library's tables, which only Linux is sure to have");
#endif
}

QTEST_GUILESS_MAIN(BatchFileTest)
#include "tst_batchfile.moc"
