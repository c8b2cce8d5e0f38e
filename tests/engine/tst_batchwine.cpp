// The batch files run by a real command interpreter: wine's cmd, started in the
// chunk folder as a user would run the file there.

#include "engine/splitjob.h"
#include "fakesplitwindow.h"
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace quarnix;
using engine::SplitOutcome;
using testing::readFile;

class BatchWineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void reassembles_data();
    void reassembles();
    void missingMiddleChunkDeletesNothing();

private:
    // Splits `bytes` under `name` into `folder`; false when the job did not finish.
    bool split(const QString& name, const QByteArray& bytes, const QString& folder, bool bySize,
               const QString& value);
    // Runs the batch file in `folder` and waits until wine is done with it.
    void runBatch(const QString& folder, const QString& batchName);

    QString wine_;
    QString wineserver_;
    QProcessEnvironment environment_;
    QTemporaryDir tmp_;
};

void BatchWineTest::initTestCase()
{
    wine_ = QStandardPaths::findExecutable(QStringLiteral("wine"));
    wineserver_ = QStandardPaths::findExecutable(QStringLiteral("wineserver"));
    if (wine_.isEmpty() || wineserver_.isEmpty()) {
        if (qEnvironmentVariableIsSet("CI"))
            QFAIL("wine is not installed; the test command installs it");
        QSKIP("wine is not installed");
    }
    QVERIFY(tmp_.isValid());
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.remove(QStringLiteral("DISPLAY"));
    environment_.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment_.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    environment_.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    environment_.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment_.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // Kept in the build folder: creating a prefix takes a while, reusing one does not.
    environment_.insert(QStringLiteral("WINEPREFIX"), QStringLiteral(QUARNIX_WINEPREFIX));
}

bool BatchWineTest::split(const QString& name, const QByteArray& bytes, const QString& folder, bool bySize,
                          const QString& value)
{
    const QString in = QDir(folder).filePath(QStringLiteral("../in-") + QFileInfo(folder).fileName());
    QDir().mkpath(in);
    QDir().mkpath(folder);
    testing::FakeSplitWindow window;
    testing::FakeVolumes volumes;
    window.style = volumes.style = platform::PathStyle::Posix;
    window.source = QDir(in).filePath(name);
    window.destination = QDir(folder).absolutePath();
    window.bySize = bySize;
    (bySize ? window.size : window.number) = value;
    if (!testing::writeFile(window.source, bytes))
        return false;
    engine::SplitJob job(window, volumes, QLocale::c());
    return job.run() == SplitOutcome::Done;
}

void BatchWineTest::runBatch(const QString& folder, const QString& batchName)
{
    QProcess wine;
    wine.setProcessEnvironment(environment_);
    wine.setWorkingDirectory(folder);
    wine.setProcessChannelMode(QProcess::MergedChannels);
    wine.start(wine_, {QStringLiteral("cmd"), QStringLiteral("/c"), QStringLiteral("call"), batchName});
    QVERIFY2(wine.waitForFinished(600000), "wine did not finish");
    const QByteArray output = wine.readAll();

    QProcess server;
    server.setProcessEnvironment(environment_);
    server.start(wineserver_, {QStringLiteral("-w")});
    QVERIFY(server.waitForFinished(120000));
    if (QTest::currentTestFailed())
        qWarning() << output;
}

void BatchWineTest::reassembles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<bool>("bySize");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain name") << "report.doc" << qint64(3000000) << true << "1.25";
    QTest::newRow("spaces") << "my report.doc" << qint64(3000000) << true << "1.25";
    QTest::newRow("percent") << "100% sure.doc" << qint64(3000000) << true << "1.25";
    QTest::newRow("accented name") << QStringLiteral("café.doc") << qint64(3000000) << true << "1.25";
    QTest::newRow("ampersand and caret") << "R&D ^notes.txt" << qint64(100000) << false << "2";
    QTest::newRow("twelve chunks") << "data.bin" << qint64(100000) << false << "12";
    QTest::newRow("empty source") << "empty.txt" << qint64(0) << false << "2";
}

void BatchWineTest::reassembles()
{
    QFETCH(QString, name);
    QFETCH(qint64, length);
    QFETCH(bool, bySize);
    QFETCH(QString, value);

    const QString folder = tmp_.filePath(QTest::currentDataTag());
    const QByteArray source = testing::patternBytes(length, 9);
    QVERIFY(split(name, source, folder, bySize, value));
    const QString prefix = name.left(name.size() - 4) + name.right(3);
    QVERIFY(QFile::exists(QDir(folder).filePath(prefix + QStringLiteral(".bat"))));

    runBatch(folder, prefix + QStringLiteral(".bat"));

    // The joined file under the source's name, and nothing else.
    QCOMPARE(testing::entriesOf(folder), QStringList {name});
    QVERIFY(readFile(QDir(folder).filePath(name)) == source);
}

void BatchWineTest::missingMiddleChunkDeletesNothing()
{
    const QString folder = tmp_.filePath(QStringLiteral("missing middle"));
    const QByteArray source = testing::patternBytes(3000000, 4);
    QVERIFY(split(QStringLiteral("report.doc"), source, folder, true, QStringLiteral("1.25")));
    QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("reportdoc.2"))));
    const QByteArray batch = readFile(QDir(folder).filePath(QStringLiteral("reportdoc.bat")));

    runBatch(folder, QStringLiteral("reportdoc.bat"));

    QCOMPARE(testing::entriesOf(folder), (QStringList {"reportdoc.1", "reportdoc.3", "reportdoc.bat"}));
    QVERIFY(readFile(QDir(folder).filePath(QStringLiteral("reportdoc.1"))) == source.left(1310721));
    QVERIFY(readFile(QDir(folder).filePath(QStringLiteral("reportdoc.3"))) == source.mid(2 * 1310721));
    QCOMPARE(readFile(QDir(folder).filePath(QStringLiteral("reportdoc.bat"))), batch);
}

QTEST_GUILESS_MAIN(BatchWineTest)
#include "tst_batchwine.moc"
