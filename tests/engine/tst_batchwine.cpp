// The batch files run by a real command interpreter, wine's cmd, started in the
// chunk folder as a user would run the file there.

#include "engine/enginetest.h"

#include <QProcess>
#include <QStandardPaths>

using namespace quarnix;
using namespace quarnix::testing;

class BatchWineTest : public QObject {
    Q_OBJECT

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
    }

    void reassembles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("size");
        QTest::newRow("plain name") << "report.doc" << "reportdoc" << "1.25";
        QTest::newRow("spaces") << "my report.doc" << "my reportdoc" << "1.25";
        QTest::newRow("percent") << "100% sure.doc" << "100% suredoc" << "1.25";
        QTest::newRow("accented name") << QStringLiteral("café.doc") << QStringLiteral("cafédoc") << "1.25";
        // 1,500 chunks of two bytes: one Copy line would be too long for the
        // interpreter, which then joins nothing yet goes on to the Del lines.
        QTest::newRow("too many chunks for one line") << "report.doc" << "reportdoc" << "0.000001";
        // An interpreter was seen to skip a missing middle chunk, write a short file
        // and delete the rest: the guard lines must leave every other file alone.
        QTest::newRow("missing middle chunk") << "" << "reportdoc" << "1.25";
    }

    void reassembles()
    {
        QFETCH(QString, name);
        QFETCH(QString, prefix);
        QFETCH(QString, size);
        Job job;
        job.size = size;
        const QByteArray source = job.makeSource(name.isEmpty() ? "report.doc" : name, size == "1.25" ? 3000000 : 3000);
        QCOMPARE(job.run(), SplitOutcome::Done);
        const QStringList left {"reportdoc.1", "reportdoc.3", "reportdoc.bat"};
        const QByteArray kept = source.left(1310721) + source.mid(2 * 1310721) + readFile(job.outFile(left[2]));
        QVERIFY(!name.isEmpty() || QFile::remove(job.outFile("reportdoc.2")));

        QVERIFY(QDir::setCurrent(job.out));
        QVERIFY(QProcess::execute("wine", {"cmd", "/c", "call", prefix + ".bat"}) >= 0);
        QVERIFY(QDir::setCurrent(QDir::tempPath()) && QProcess::execute("wineserver", {"-w"}) >= 0);
        QByteArray joined; // what the folder holds, in name order
        for (const QString& file : entriesOf(job.out))
            joined += readFile(job.outFile(file));
        QCOMPARE(entriesOf(job.out), name.isEmpty() ? left : QStringList {name});
        QVERIFY(joined == (name.isEmpty() ? kept : source));
    }
};

QTEST_GUILESS_MAIN(BatchWineTest)
#include "tst_batchwine.moc"
