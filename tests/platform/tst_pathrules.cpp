// The path rules of both path styles: the Windows ones are checked here on every
// machine. Rules that the split job or the volumes apply where a user meets them
// (trimmed paths, a path's file name, floppy drive letters) are checked there.

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
        // The free space of a floppy's folder that is not there yet is its drive's.
        QTest::newRow("windows: the drive of a folder") << driveSpecOf(R"(a:\data)", win) << "a:";
        // Windows trims the blanks around a path, and only those.
        QTest::newRow("windows keeps a tab") << trimmedPath("\tC:\\r.doc", win) << "\tC:\\r.doc";
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
