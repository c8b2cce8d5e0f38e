// The batch files run by a real command interpreter, wine's cmd, as a user would run
// them: in the chunk folder or from another one, with every chunk whole or with one
// damaged, and read both as a US machine reads them (code page 437) and as a Western
// European one does (850).

#include "splitjobfixture.h"

#include <QProcess>
#include <QStandardPaths>

using namespace quarnix;
using namespace quarnix::testing;

namespace {

// What happens to the chunk files between the split and the run of the batch file.
enum class Before { Nothing, SecondShort, SecondEmpty, SecondMissing, LastMissing, StartedElsewhere };

struct WineRow {
    QString name = "report.doc", prefix = "reportdoc", size = "1.25";
    qint64 length = 3000000;
    Before before = Before::Nothing;
};

// Locales whose code page wine reads batch files in, and the character it reads
// byte 0x9B as there.
const QList<std::pair<QByteArray, QString>> readers {{"en_US.UTF-8", "\u00A2"}, {"de_DE.UTF-8", "\u00F8"}};

} // namespace

Q_DECLARE_METATYPE(WineRow)

class BatchWineTest : public QObject {
    Q_OBJECT

    // Runs `batch` with wine's cmd in `folder`, read in the code page of `locale`.
    static void runBatch(const QString& folder, const QString& batch, const QByteArray& locale)
    {
        QProcess wine;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", locale);
        wine.setProcessEnvironment(environment);
        wine.setWorkingDirectory(folder);
        wine.start("wine", {"cmd", "/c", "call", batch});
        QVERIFY(wine.waitForFinished(120000));
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("wine").isEmpty() && qEnvironmentVariableIsSet("CI"))
            QFAIL("wine is not installed; the test command installs it");
        if (QStandardPaths::findExecutable("wine").isEmpty())
            QSKIP("wine is not installed");
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
        // Each reader really reads its own code page (a locale that is missing falls
        // back to another).
        for (const auto& [locale, character] : readers) {
            QTemporaryDir dir;
            QVERIFY(writeFile(dir.filePath("a"), "a") && writeFile(dir.filePath("t.bat"), "Copy /b \"a\" \"\x9B\"\r\n"));
            runBatch(dir.path(), "t.bat", locale);
            QVERIFY2(QFile::exists(dir.filePath(character)), locale + " is not installed: tools/install-deps.sh --tests");
        }
    }

    void cleanupTestCase() { QProcess::execute("wineserver", {"-k"}); }

    void reassembles_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<WineRow>("row");
        const QList<std::pair<const char*, WineRow>> rows {
            {"plain name", {}},
            {"spaces", {"my report.doc", "my reportdoc"}},
            {"percent", {"100% sure.doc", "100% suredoc"}},
            {"accent", {"café.doc", "cafédoc"}},
            {"accents and blanks", {"naïve résumé.doc", "naïve résumédoc"}},
            {"punctuation", {"(1) [a] {b}; c=d, e&f^g!h.doc", "(1) [a] {b}; c=d, e&f^g!hdoc"}},
            // 1,500 chunks of two bytes: one Copy line would be too long for the
            // interpreter, which then joins nothing yet goes on to the next lines.
            {"too many chunks for one line", {.size = "0.000001", .length = 3000}},
            // Damaged chunks are never joined, and no chunk is deleted.
            {"chunk 2 1,000 bytes short", {.before = Before::SecondShort}},
            {"chunk 2 empty", {.before = Before::SecondEmpty}},
            {"chunk 2 missing", {.before = Before::SecondMissing}},
            {"last chunk missing", {.before = Before::LastMissing}},
            // Started from the folder above, which holds chunks of the same names.
            {"started elsewhere", {.before = Before::StartedElsewhere}},
        };
        for (const auto& [locale, character] : readers) {
            for (const auto& [tag, row] : rows)
                QTest::addRow("%s, %s", tag, locale.constData()) << locale << row;
        }
    }

    void reassembles()
    {
        QFETCH(QByteArray, locale);
        QFETCH(WineRow, row);
        Job job;
        job.size = row.size;
        const QByteArray source = job.makeSource(row.name, row.length);
        const QString batch = row.prefix + ".bat";
        const QStringList chunks = chunkNames(row.prefix, 3);
        QStringList decoys;
        QCOMPARE(job.run(), SplitOutcome::Done);
        QVERIFY(QFile::remove(job.source));

        const QString second = job.outFile(chunks[1]);
        QVERIFY(row.before != Before::SecondShort || QFile::resize(second, 1310721 - 1000));
        QVERIFY(row.before != Before::SecondEmpty || QFile::resize(second, 0));
        QVERIFY(row.before != Before::SecondMissing || QFile::remove(second));
        QVERIFY(row.before != Before::LastMissing || QFile::remove(job.outFile(chunks[2])));
        const bool elsewhere = row.before == Before::StartedElsewhere;
        for (const QString& name : elsewhere ? chunks + QStringList {batch} : QStringList())
            QVERIFY(writeFile(job.tmp.filePath(decoys.emplace_back(name)), "decoy " + name.toUtf8()));
        QHash<QString, QByteArray> before;
        for (const QString& file : entriesOf(job.out))
            before.insert(file, readFile(job.outFile(file)));

        runBatch(elsewhere ? job.tmp.path() : job.out, elsewhere ? "out\\" + batch : batch, locale);

        for (const QString& decoy : decoys)
            QCOMPARE(readFile(job.tmp.filePath(decoy)), "decoy " + decoy.toUtf8());
        if (row.before == Before::Nothing || elsewhere) {
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

QTEST_GUILESS_MAIN(BatchWineTest)
#include "tst_batchwine.moc"
