// Path rules for both path styles, and the machine's own volumes.

#include "platform/pathrules.h"
#include "platform/volumes.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace quarnix::platform;

Q_DECLARE_METATYPE(PathStyle)

namespace {
const PathStyle win = PathStyle::Windows;
const PathStyle posix = PathStyle::Posix;
} // namespace

class PathRulesTest : public QObject {
    Q_OBJECT

private slots:
    void fileName_data();
    void fileName();
    void join_data();
    void join();
    void destinationRule_data();
    void destinationRule();
    void afterBrowse_data();
    void afterBrowse();
    void afterDrop_data();
    void afterDrop();
    void displayPath_data();
    void displayPath();
    void floppyText_data();
    void floppyText();
    void driveSpec_data();
    void driveSpec();
    void floppyDevice_data();
    void floppyDevice();
    void systemVolumes();
};

void PathRulesTest::fileName_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("windows folder") << win << R"(D:\Backup\report.doc)" << "report.doc";
    QTest::newRow("windows drive root") << win << R"(C:\report.doc)" << "report.doc";
    QTest::newRow("windows bare name") << win << "report.doc" << "report.doc";
    QTest::newRow("windows slash is no separator") << win << "C:/a/report.doc" << "C:/a/report.doc";
    QTest::newRow("posix folder") << posix << "/home/ann/report.doc" << "report.doc";
    QTest::newRow("posix root") << posix << "/report.doc" << "report.doc";
    QTest::newRow("posix backslash is a character") << posix << R"(/tmp/a\b.doc)" << R"(a\b.doc)";
}

void PathRulesTest::fileName()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(fileNameOf(path, style), name);
}

void PathRulesTest::join_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("joined");
    QTest::newRow("windows folder") << win << R"(D:\Backup)" << R"(D:\Backup\reportdoc.1)";
    QTest::newRow("windows bare drive") << win << "C:" << R"(C:\reportdoc.1)";
    QTest::newRow("posix folder") << posix << "/home/ann" << "/home/ann/reportdoc.1";
    QTest::newRow("posix root") << posix << "/" << "/reportdoc.1";
}

void PathRulesTest::join()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, folder);
    QFETCH(QString, joined);
    QCOMPARE(joinPath(folder, QStringLiteral("reportdoc.1"), style), joined);
}

void PathRulesTest::destinationRule_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("windows drive root") << win << R"(c:\)" << "C:";
    QTest::newRow("windows any three characters") << win << "abc" << "AB";
    QTest::newRow("windows folder") << win << R"(c:\data)" << R"(c:\data)";
    QTest::newRow("windows bare drive") << win << "C:" << "C:";
    QTest::newRow("posix three characters") << posix << "/mn" << "/mn";
    QTest::newRow("posix root") << posix << "/" << "/";
}

void PathRulesTest::destinationRule()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(applyDestinationRule(text, style), kept);
}

void PathRulesTest::afterBrowse_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("destination"); // null: unchanged
    QTest::newRow("windows folder") << win << R"(D:\Backup\report.doc)" << "report.doc" << R"(D:\Backup)";
    QTest::newRow("windows drive root") << win << R"(c:\report.doc)" << "report.doc" << "C:";
    QTest::newRow("windows cancelled first dialog") << win << "" << "" << QString();
    QTest::newRow("posix folder") << posix << "/home/ann/report.doc" << "report.doc" << "/home/ann";
    QTest::newRow("posix root") << posix << "/report.doc" << "report.doc" << "/";
    QTest::newRow("posix cancelled first dialog") << posix << "" << "" << QString();
}

void PathRulesTest::afterBrowse()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, source);
    QFETCH(QString, title);
    QFETCH(QString, destination);
    const auto result = destinationAfterBrowse(source, title, style);
    QCOMPARE(result.has_value(), !destination.isNull());
    if (result)
        QCOMPARE(*result, destination);
}

void PathRulesTest::afterDrop_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("windows folder") << win << R"(D:\Backup\report.doc)" << R"(D:\Backup)";
    QTest::newRow("windows drive root") << win << R"(c:\report.doc)" << "C:";
    QTest::newRow("posix folder") << posix << "/home/ann/report.doc" << "/home/ann";
    QTest::newRow("posix root") << posix << "/report.doc" << "/";
}

void PathRulesTest::afterDrop()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QCOMPARE(destinationAfterDrop(source, style), destination);
}

void PathRulesTest::displayPath_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("windows") << win << "C:/Data/report.doc" << R"(C:\Data\report.doc)";
    QTest::newRow("posix") << posix << "/home/ann/report.doc" << "/home/ann/report.doc";
}

void PathRulesTest::displayPath()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(toDisplayPath(path, style), shown);
}

void PathRulesTest::floppyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("floppy");
    QTest::newRow("a: folder, lower case") << R"(a:\data)" << true;
    QTest::newRow("bare B:") << "B:" << true;
    QTest::newRow("A: root") << "A:" << true;
    QTest::newRow("C: folder") << R"(C:\data)" << false;
    QTest::newRow("leading space") << " A:" << false;
    QTest::newRow("one character") << "A" << false;
    QTest::newRow("empty") << "" << false;
}

void PathRulesTest::floppyText()
{
    QFETCH(QString, text);
    QFETCH(bool, floppy);
    QCOMPARE(isFloppyDriveText(text), floppy);
}

void PathRulesTest::driveSpec_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("spec");
    QTest::newRow("windows keeps the case") << win << R"(a:\data)" << "a:";
    QTest::newRow("windows bare drive") << win << "B:" << "B:";
    QTest::newRow("posix folder itself") << posix << "/media/floppy/data" << "/media/floppy/data";
}

void PathRulesTest::driveSpec()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, destination);
    QFETCH(QString, spec);
    QCOMPARE(driveSpecOf(destination, style), spec);
}

void PathRulesTest::floppyDevice_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("floppy");
    QTest::newRow("fd0") << "/dev/fd0" << true;
    QTest::newRow("fd1") << "/dev/fd1" << true;
    QTest::newRow("disk") << "/dev/sda1" << false;
    QTest::newRow("no number") << "/dev/fd" << false;
    QTest::newRow("partition-like suffix") << "/dev/fd0p1" << false;
}

void PathRulesTest::floppyDevice()
{
    QFETCH(QString, device);
    QFETCH(bool, floppy);
    QCOMPARE(isFloppyDevice(device), floppy);
}

void PathRulesTest::systemVolumes()
{
    // This machine has no floppy; its temporary folder is an ordinary volume with room.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const SystemVolumes volumes;
    QCOMPARE(volumes.pathStyle(), nativePathStyle());
    QVERIFY(!volumes.isFloppyDestination(dir.path()));
    QVERIFY(!volumes.isFirstFloppyRoot(dir.path()));
    const auto free = volumes.freeSpace(dir.path());
    QVERIFY(free);
    QVERIFY(*free > 0);
    QVERIFY(!volumes.freeSpace(dir.filePath(QStringLiteral("missing/folder"))));
    QVERIFY(!volumes.freeSpace(QString()));
}

QTEST_GUILESS_MAIN(PathRulesTest)
#include "tst_pathrules.moc"
