// The re-assembly batch file: its bytes, the names it can carry, and its code page,
// which must mean the same to a US and a Western European Windows machine.

#include "engine/batchfile.h"
#include "engine/jobfailure.h"
#include "platform/batchcodepage.h"
#include "testfiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace quarnix;
using namespace quarnix::testing;

class BatchFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // Every chunk checked before the join, the join before anything is deleted. How
    // names are quoted, and how long joins are spread over lines, engine_batchcmd
    // checks with a real command interpreter.
    // Written over a longer file of the same name, which must leave no tail.
    void bytes()
    {
        const QString path = dir_.filePath("reportdoc.bat");
        QVERIFY(writeFile(path, QByteArray(100000, 'X')));
        engine::writeBatchFile(path, {"reportdoc", engine::planChunks(10000000, 3333333).value(), "report.doc"});
        QCOMPARE(readFile(path),
            QByteArray("Pushd \"%~dp0\"\r\n"
                       "For %%F in (\"reportdoc.1\") Do If not \"%%~zF\"==\"3333334\" Goto End\r\n"
                       "For %%F in (\"reportdoc.2\") Do If not \"%%~zF\"==\"3333334\" Goto End\r\n"
                       "For %%F in (\"reportdoc.3\") Do If not \"%%~zF\"==\"3333332\" Goto End\r\n"
                       "Copy /b \"reportdoc.1\"+\"reportdoc.2\"+\"reportdoc.3\" \"report.doc\"\r\n"
                       "If errorlevel 1 Goto End\r\n"
                       "For %%F in (\"report.doc\") Do If not \"%%~zF\"==\"10000000\" Goto End\r\n"
                       "Del \"reportdoc.1\"\r\n"
                       "Del \"reportdoc.2\"\r\n"
                       "Del \"reportdoc.3\"\r\n"
                       "Del \"reportdoc.bat\"\r\n"
                       ":End\r\n"));
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        // Near misses of device names; the names the split rows and engine_batchcmd use
        // are safe there, and the code page's characters below.
        for (const QString name : {"COM10.txt", "CONSOLE.doc", "LPT.doc", "nullify.txt"})
            QTest::newRow(qPrintable("safe " + name)) << name << true;
        // Wildcards and the characters Windows names cannot hold would reach other files.
        for (const QString name : {"a?b.doc", "a*b.doc", "a<b.doc", "a>b.doc", "a|b.doc", "a\"b.doc", "..\\a.doc",
                 "C:a.doc", "tab\t.doc", "new\nline.doc"})
            QTest::newRow(qPrintable("forbidden character " + name.toUtf8().toPercentEncoding())) << name << false;
        // Device names, as the name or as the chunk prefix ("NULx.ab" gives "NUL.ab.1").
        for (const QString name : {"nul.txt", "CON", "PRN.doc", "aux", "LPT1.doc", "lpt9.txt", "COM0.doc", "COM¹.doc",
                 "com²", "LPT³.txt", "CONIN$", "conout$.log", "CLOCK$.x", "CON .txt", "NULx.ab"})
            QTest::newRow(qPrintable("device " + name)) << name << false;
        // Windows drops a trailing dot or blank and would name another file.
        QTest::newRow("trailing dot") << "report.doc." << false;
        QTest::newRow("trailing blank") << "report.doc " << false;
#ifndef Q_OS_WIN // there the machine's own code page decides, as engine_batchcmd checks in three
        // A byte that a US and a Western European machine read as different characters
        // (each one, codePageMeansTheSameToBothReaders), or none at all.
        for (const QString name : {"Ø.doc", "日本.doc", "cafe\u0301.doc"})
            QTest::newRow(qPrintable("code page " + name)) << name << false;
#endif
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(engine::isBatchSafeName(name), safe);
    }

#ifndef Q_OS_WIN // Windows writes in its own code page, which engine_batchcmd checks in three
    // Every character of the two OEM code pages, read off iconv: one goes out as its
    // byte only where both code pages give that byte the same character.
    void codePageMeansTheSameToBothReaders()
    {
        QByteArray upperHalf;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            upperHalf += char(byte);
        const auto iconvTable = [&](const char* codePage) {
            QProcess iconv;
            iconv.start("iconv", {"-f", codePage, "-t", "UTF-8"});
            iconv.write(upperHalf);
            iconv.closeWriteChannel();
            return iconv.waitForFinished() && iconv.exitCode() == 0 ? QString::fromUtf8(iconv.readAllStandardOutput())
                                                                    : QString();
        };
        const QString us = iconvTable("CP437"), western = iconvTable("CP850");
        QCOMPARE(us.size(), 128);
        QCOMPARE(western.size(), 128);
        for (int i = 0; i < 128; ++i) {
            for (const QChar ch : {us[i], western[i]}) {
                const auto encoded = platform::encodeForBatchFile(ch);
                const bool same = us[i] == western[i];
                QVERIFY2(same ? encoded == QByteArray(1, char(0x80 + i)) : !encoded,
                    qPrintable(QStringLiteral("%1 at 0x%2").arg(ch).arg(0x80 + i, 0, 16)));
            }
        }
    }
#endif

    // The largest batch file there can be, 32,766 chunks of a 200-character name
    // (22 MB), is written without being held in memory: the writing process grows
    // by far less than the file.
    void largestBatchFileInBoundedMemory()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer's shadow memory and quarantine swamp the figure");
#elif defined(Q_OS_LINUX)
        const QString prefix = QString(196, 'n') + "doc", path = dir_.filePath(prefix + ".bat");
        const pid_t child = fork();
        if (child == 0) {
            const auto peakKiB = [] {
                rusage usage {};
                getrusage(RUSAGE_SELF, &usage);
                return usage.ru_maxrss;
            };
            const long before = peakKiB();
            engine::writeBatchFile(path, {prefix, engine::planChunks(65532, 1).value(), QString(196, 'n') + ".doc"});
            _exit(peakKiB() - before < 8 * 1024 ? 0 : 1);
        }
        int status = -1;
        QVERIFY(waitpid(child, &status, 0) == child && WIFEXITED(status));
        QVERIFY2(WEXITSTATUS(status) == 0, "writing the batch file took 8 MiB or more");
        QCOMPARE(QFileInfo(path).size(), 22485765);
#else
        QSKIP("measured with fork and getrusage");
#endif
    }
};

QTEST_GUILESS_MAIN(BatchFileTest)
#include "tst_batchfile.moc"
