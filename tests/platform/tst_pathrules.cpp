// The path rules of both path styles: the Windows ones are checked here on every
// machine.

#include "platform/pathrules.h"

#include <QtTest>

using namespace quarnix::platform;

class PathRulesTest : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const PathStyle win = PathStyle::Windows, posix = PathStyle::Posix;
        QTest::newRow("windows file name") << fileNameOf(R"(D:\Backup\report.doc)", win) << "report.doc";
        QTest::newRow("posix: a backslash is a letter") << fileNameOf(R"(/home/a\b.doc)", posix) << R"(a\b.doc)";
        QTest::newRow("windows join to a bare drive") << joinPath("C:", "reportdoc.1", win) << R"(C:\reportdoc.1)";
        QTest::newRow("posix join to the root") << joinPath("/", "reportdoc.1", posix) << "/reportdoc.1";
        QTest::newRow("windows destination rule") << applyDestinationRule(R"(c:\)", win) << "C:";
        QTest::newRow("posix destination rule") << applyDestinationRule("/mn", posix) << "/mn";
        QTest::newRow("windows browse") << *destinationAfterBrowse(R"(D:\B\r.doc)", "r.doc", win) << R"(D:\B)";
        QTest::newRow("windows browse to a root") << *destinationAfterBrowse(R"(c:\r.doc)", "r.doc", win) << "C:";
        QTest::newRow("windows browse cancelled") << destinationAfterBrowse("", "", win).value_or("-") << "-";
        QTest::newRow("posix browse to the root") << *destinationAfterBrowse("/r.doc", "r.doc", posix) << "/";
        QTest::newRow("windows drop to a root") << destinationAfterDrop(R"(c:\report.doc)", win) << "C:";
        QTest::newRow("posix drop to the root") << destinationAfterDrop("/report.doc", posix) << "/";
        QTest::newRow("posix drop into a folder") << destinationAfterDrop("/a/b/r.doc", posix) << "/a/b";
        QTest::newRow("floppy a:\\data") << QString::number(isFloppyDriveText(R"(a:\data)")) << "1";
        QTest::newRow("floppy B:") << QString::number(isFloppyDriveText("B:")) << "1";
        QTest::newRow("no floppy after a blank") << QString::number(isFloppyDriveText(" A:")) << "0";
        QTest::newRow("no floppy C:") << QString::number(isFloppyDriveText(R"(C:\data)")) << "0";
        QTest::newRow("windows drive spec") << driveSpecOf(R"(a:\data)", win) << "a:";
        QTest::newRow("posix drive spec") << driveSpecOf("/media/fd", posix) << "/media/fd";
        // Windows names cannot end in a blank, POSIX names can.
        QTest::newRow("windows trims blanks") << trimmedPath("  C:\\a b\\r.doc ", win) << "C:\\a b\\r.doc";
        QTest::newRow("windows keeps a tab") << trimmedPath("\tC:\\r.doc", win) << "\tC:\\r.doc";
        QTest::newRow("posix keeps blanks") << trimmedPath(" /dst /twin.doc ", posix) << " /dst /twin.doc ";
        QTest::newRow("floppy device /dev/fd1") << QString::number(isFloppyDevice("/dev/fd1")) << "1";
        QTest::newRow("no floppy device /dev/fd") << QString::number(isFloppyDevice("/dev/fd")) << "0";
        QTest::newRow("no floppy device /dev/fd0p1") << QString::number(isFloppyDevice("/dev/fd0p1")) << "0";
        QTest::newRow("no floppy device: a name, no node") << QString::number(isFloppyDevice("fd0")) << "0";
    }

    void rules()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(PathRulesTest)
#include "tst_pathrules.moc"
