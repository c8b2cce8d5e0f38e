// The batch files run by a real command interpreter, as a user would run them: in the
// chunk folder or from another one, with every chunk whole or with one damaged, and
// read in the code page of the machine that runs them. On Linux that is wine's cmd,
// as a US machine reads it (437) and as a Western European one does (850); on Windows
// it is the system's own cmd, in the code page the suite was started in
// (QUARNIX_CODE_PAGE, one run each for 437, 850 and 866), where a name the code page
// cannot hold is refused before anything is written.

#include "splitjobfixture.h"

#include <QProcess>
#include <QStandardPaths>

using namespace quarnix;
using namespace quarnix::testing;

namespace {

struct Reader {
    QByteArray locale = {}; // wine reads batch files in this locale's code page
    int codePage;
    QString byte9B; // what it reads byte 0x9B as
};

#ifdef Q_OS_WIN
const QList<Reader> allReaders {{.codePage = 437, .byte9B = "\u00A2"}, {.codePage = 850, .byte9B = "\u00F8"},
    {.codePage = 866, .byte9B = "\u042B"}};
#else
const QList<Reader> allReaders {{.locale = "en_US.UTF-8", .codePage = 437, .byte9B = "\u00A2"},
    {.locale = "de_DE.UTF-8", .codePage = 850, .byte9B = "\u00F8"}};
#endif

// Which files' names or bytes change between the split and the run.
using Damage = std::function<void(Job&)>;

struct CmdRow {
    QString name = "report.doc", prefix = "reportdoc", size = "1.25";
    qint64 length = 3000000;
    QList<int> codePages = {437, 850, 866}; // that can hold the name
    Damage damage = {};
    bool elsewhere = false; // started from the folder above, which holds decoys
};

// Whether the split job writes a batch file for `row` where `reader` runs it. Linux
// writes one file for both western readers, so it takes only names both can hold.
bool written(const CmdRow& row, const Reader& reader)
{
#ifdef Q_OS_WIN
    return row.codePages.contains(reader.codePage);
#else
    Q_UNUSED(reader);
    return row.codePages.contains(437) && row.codePages.contains(850);
#endif
}

} // namespace

Q_DECLARE_METATYPE(CmdRow)
Q_DECLARE_METATYPE(Reader)

class BatchCmdTest : public QObject {
    Q_OBJECT

    QList<Reader> readers_;

    static void runBatch(const QString& folder, const QString& batch, const Reader& reader)
    {
        QProcess cmd;
        if (!reader.locale.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("LC_ALL", reader.locale);
            cmd.setProcessEnvironment(environment);
        }
        cmd.setWorkingDirectory(folder);
#ifdef Q_OS_WIN
        cmd.start("cmd.exe", {"/c", "call", batch});
#else
        cmd.start("wine", {"cmd", "/c", "call", batch});
#endif
        QVERIFY(cmd.waitForFinished(120000));
    }

private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        const int codePage = qEnvironmentVariableIntValue("QUARNIX_CODE_PAGE");
        for (const Reader& reader : allReaders) {
            if (reader.codePage == codePage)
                readers_ << reader;
        }
        QVERIFY2(!readers_.isEmpty(), "QUARNIX_CODE_PAGE names none of 437, 850 and 866");
#else
        if (QStandardPaths::findExecutable("wine").isEmpty() && qEnvironmentVariableIsSet("CI"))
            QFAIL("wine is not installed; the test command installs it");
        if (QStandardPaths::findExecutable("wine").isEmpty())
            QSKIP("wine is not installed");
        readers_ = allReaders;
        // No window and no console noise; the prefix is kept in the build folder, since
        // creating one takes a while and reusing one does not.
        qunsetenv("DISPLAY");
        qputenv("WINEDEBUG", "-all");
        qputenv("WINEDLLOVERRIDES", "mscoree,mshtml=");
        qputenv("WINEPREFIX", QUARNIX_WINEPREFIX);
        // The first run creates the prefix; one server then serves all runs, since
        // starting it takes longer than a run.
        QCOMPARE(QProcess::execute("wine", {"cmd", "/c", "exit"}), 0);
        QProcess::execute("wineserver", {"-p"});
#endif
        // Each reader really reads its own code page (a locale that is missing falls
        // back to another).
        for (const Reader& reader : readers_) {
            QTemporaryDir dir;
            QVERIFY(
                writeFile(dir.filePath("a"), "a") && writeFile(dir.filePath("t.bat"), "Copy /b \"a\" \"\x9B\"\r\n"));
            runBatch(dir.path(), "t.bat", reader);
            QVERIFY2(QFile::exists(dir.filePath(reader.byte9B)),
                qPrintable(QString::number(reader.codePage) + " is not installed: tools/install-deps.sh --tests"));
        }
    }

#ifndef Q_OS_WIN
    void cleanupTestCase()
    {
        QProcess::execute("wineserver", {"-k"});
    }
#endif

    void reassembles_data()
    {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<CmdRow>("row");
        const auto resize = [](int chunk, qint64 length) {
            return
                [=](Job& job) { QVERIFY(QFile::resize(job.outFile("reportdoc." + QString::number(chunk)), length)); };
        };
        const auto remove = [](int chunk) {
            return [=](Job& job) { QVERIFY(QFile::remove(job.outFile("reportdoc." + QString::number(chunk)))); };
        };
        const QList<std::pair<const char*, CmdRow>> rows {
            {"plain name, started elsewhere", {.elsewhere = true}},
            {"spaces", {.name = "my report.doc", .prefix = "my reportdoc"}},
            {"percent", {.name = "100% sure.doc", .prefix = "100% suredoc"}},
            {"accents and blanks", {.name = "naïve résumé.doc", .prefix = "naïve résumédoc", .codePages = {437, 850}}},
            {"Danish", {.name = "søster.doc", .prefix = "søsterdoc", .codePages = {850}}},
            {"Cyrillic", {.name = "отчёт.doc", .prefix = "отчётdoc", .codePages = {866}}},
            {"punctuation", {.name = "(1) [a] {b}; c=d, e&f^g!h.doc", .prefix = "(1) [a] {b}; c=d, e&f^g!hdoc"}},
            // 1,500 chunks of two bytes: one Copy line would be too long for the
            // interpreter, which then joins nothing yet goes on to the next lines.
            {"too many chunks for one line", {.size = "0.000001", .length = 3000}},
            // Damaged chunks are never joined, and no chunk is deleted.
            {"chunk 2 1,000 bytes short", {.damage = resize(2, 1310721 - 1000)}},
            {"last chunk missing", {.damage = remove(3)}},
        };
        for (const Reader& reader : readers_) {
            for (const auto& [tag, row] : rows)
                QTest::addRow("%s, %d", tag, reader.codePage) << reader << row;
        }
    }

    void reassembles()
    {
        QFETCH(Reader, reader);
        QFETCH(CmdRow, row);
        Job job;
        job.volumes.style = platform::nativePathStyle();
        job.size = row.size;
        const QByteArray source = job.makeSource(row.name, row.length);
        if (!written(row, reader)) {
            QCOMPARE(job.run(), SplitOutcome::Stopped);
            QCOMPARE(job.events.value(5),
                "[Error] The file name " + row.name
                    + " cannot be written into the "
                      "re-assembly batch file. Rename the file and try again. {error, OK}");
            QCOMPARE(entriesOf(job.out), QStringList());
            return;
        }
        QCOMPARE(job.run(), SplitOutcome::Done);
        QVERIFY(QFile::remove(job.source));
        const QString batch = row.prefix + ".bat";
        if (row.damage)
            row.damage(job);
        QStringList decoys;
        for (const QString& name : row.elsewhere ? chunkNames(row.prefix, 3) << batch : QStringList())
            QVERIFY(writeFile(job.tmp.filePath(decoys.emplace_back(name)), "decoy " + name.toUtf8()));
        QHash<QString, QByteArray> before;
        for (const QString& file : entriesOf(job.out))
            before.insert(file, readFile(job.outFile(file)));

        runBatch(row.elsewhere ? job.tmp.path() : job.out, row.elsewhere ? "out\\" + batch : batch, reader);

        for (const QString& decoy : decoys)
            QCOMPARE(readFile(job.tmp.filePath(decoy)), "decoy " + decoy.toUtf8());
        if (!row.damage) {
            QCOMPARE(entriesOf(job.out), QStringList {row.name});
            QVERIFY(readFile(job.outFile(row.name)) == source);
            return;
        }
        // Nothing joined, nothing deleted, nothing changed.
        QStringList names = before.keys();
        names.sort();
        QCOMPARE(entriesOf(job.out), names);
        for (const QString& file : names)
            QVERIFY2(readFile(job.outFile(file)) == before[file], qPrintable(file));
    }
};

QTEST_GUILESS_MAIN(BatchCmdTest)
#include "tst_batchcmd.moc"
